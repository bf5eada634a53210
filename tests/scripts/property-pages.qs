' A control set up entirely through the General and Text pages, then checked through its
' properties and through a saved and reloaded form file.
region en-US
usermode False
new txtAmount
page txtAmount General
page.cboAlignment = 1
page.cboMousePointer = 16
page.cboDataType = 4
page.cboFormat = "#,##0.00"
page.chkAutoTab = 1
page.chkEnabled = 2
? page.Changed
page apply
? page.Changed
page txtAmount Text
? page.txtMaxLength
page.txtText = "1234.5"
page.txtMaxLength = "10 digits"
page.txtScaleDigits = "2x"
page.txtPasswordChar = "*#"
page apply
page close
save form.json
txtAmount.MaxLength = 3
load form.json
? txtAmount.Alignment
? txtAmount.MousePointer
? txtAmount.DataType
? txtAmount.Format
? txtAmount.AutoTab
? txtAmount.Enabled
? txtAmount.Text
? txtAmount.MaxLength
? txtAmount.ScaleDigits
? txtAmount.PasswordChar
' A bad widget value is refused; a malformed page statement is reported.
page txtAmount General
page.cboBorderStyle = 5
page apply now
txtAmount.AboutBox
