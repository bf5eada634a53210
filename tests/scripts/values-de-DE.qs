' Values of every data type in a region with a comma as decimal separator, the full stop as
' group separator and day-first dates.
region de-DE
clock 2001-06-15 10:30:00
new txtText
new txtLower
new txtUpper
new txtBool
new txtNum
new txtSigned
new txtDate
txtLower.DataType = 1
txtUpper.DataType = 2
txtBool.DataType = 3
txtNum.DataType = 4
txtSigned.DataType = 5
txtDate.DataType = 6
txtBool.Format = "On/Off"
txtNum.Format = "#,##0.00"
txtSigned.ScaleDigits = 3
txtDate.Format = "VESK date"
' Text keeps commas and full stops as written, also through Value.
txtText.Value = "1.5"
? txtText.Text
? txtText.Value
txtLower = "ÄÖÜ"
focus txtLower
keys "{END}ÄB"
? txtLower
txtUpper = "äöü"
focus txtUpper
keys "{END}äb"
? txtUpper
' The format's word for True counts in any case, and so do the platform's Boolean texts.
txtBool.Text = "oN"
? txtBool.Text
? txtBool.FormattedText
txtBool.Text = "0"
? txtBool.Text
? txtBool.FormattedText
' Group separators go; Value turns the first decimal comma into a full stop and back.
txtNum.Text = "1.234,5"
? txtNum.Text
? txtNum.Value
? txtNum.FormattedText
txtNum.Value = "3.25"
? txtNum.Text
? txtNum.FormattedText
focus txtNum
? txtNum.FormattedText
keys "{END}+{HOME}17"
? txtNum.Value
focus txtSigned
? txtNum.Text
? txtNum.FormattedText
' Typed while focused, a signed number with decimal places stays raw until the focus leaves.
? txtSigned.FormattedText
keys "-2,5"
? txtSigned.Text
? txtSigned.Value
? txtSigned.FormattedText
focus txtDate
? txtSigned.Text
? txtSigned.FormattedText
focus txtSigned
? txtSigned.FormattedText
' Dates complete in day-month-year order from the value they were typed over.
focus txtDate
keys "{END}+{HOME}5.1.2001"
? txtDate.Text
focus txtText
? txtDate.Text
? txtDate.FormattedText
focus txtDate
keys "{END}+{HOME}3112"
focus txtText
? txtDate.Text
? txtDate.FormattedText
focus txtDate
keys "{END}+{HOME}30.2"
focus txtText
? txtDate.Text
' Written while focused, a text in another order is kept raw; leaving refuses it when the
' platform reads it as another day.
focus txtDate
txtDate.Text = "12/13/2000"
? txtDate.FormattedText
keys "{END}+{HOME}30.2"
focus txtText
? txtDate.Text
? txtDate.FormattedText
