' A form saved and loaded again: the controls come back in their tab order with their raw
' values, shown formatted; what was changed after the save is gone. A file that is missing
' or refused changes nothing on the form.
region de-DE
clock 2001-06-15 10:30:00
new txtAmount
new txtDate
txtAmount.DataType = 4
txtAmount.Format = "#,##0.00"
txtAmount.ScaleDigits = 2
txtDate.DataType = 6
txtDate.Format = "Vesk Date"
focus txtDate
keys "{END}+{HOME}3112"
focus txtAmount
keys "{END}+{HOME}1234,5"
save form.json
txtAmount.Text = "7"
new txtExtra
load form.json
? txtAmount.Text
? txtAmount.FormattedText
? txtDate.Text
? txtExtra.Text
load missing.json
? txtDate.FormattedText
