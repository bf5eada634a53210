' A run-time write that rebuilds the field being typed in takes the focus from it: the entry
' is completed and formatted as if the user had moved on, and what is typed into the next
' field stays there, even when the host writes the rebuilt field's text afterwards.
region de-DE
clock 2001-06-15 10:30:00
new txtAmount
new txtDate
new txtName
txtAmount.DataType = 4
txtAmount.Format = "#,##0.00"
txtAmount.ScaleDigits = 2
txtDate.DataType = 6
txtDate.Format = "Vesk Date"
focus txtAmount
keys "{END}+{HOME}1234,5"
? txtAmount.FormattedText
events on
txtAmount.ScrollBars = 2
events off
? txtAmount.Text
? txtAmount.FormattedText
focus txtDate
keys "{END}+{HOME}3112"
txtDate.WordWrap = True
? txtDate.Text
focus txtName
keys "{END}+{HOME}Meier"
txtAmount.Text = "99"
keys "s"
? txtName.Text
? txtAmount.FormattedText
