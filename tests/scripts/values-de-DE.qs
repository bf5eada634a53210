' Each data type once through the program, in a region with a comma as decimal separator,
' the full stop as group separator and day-first dates; the value tables hold the other
' entries.
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
' Text keeps a full stop as written, also through Value.
txtText.Value = "1.5"
? txtText.Text
txtLower = "ÄÖÜ"
focus txtLower
keys "{END}ÄB"
? txtLower
txtUpper = "äöü"
focus txtUpper
keys "{END}äb"
? txtUpper
' The format's word for True counts in any case.
txtBool.Text = "oN"
? txtBool.Text
? txtBool.FormattedText
' Group separators go; Value turns the first decimal comma into a full stop and back.
txtNum.Text = "1.234,5"
? txtNum.Text
? txtNum.Value
? txtNum.FormattedText
txtNum.Value = "3.25"
? txtNum.Text
' Typed while focused, a signed number with decimal places stays raw until the focus leaves.
focus txtSigned
keys "-2,5"
? txtSigned.Text
focus txtDate
? txtSigned.FormattedText
' Dates complete in day-month-year order.
keys "{END}+{HOME}3112"
focus txtText
? txtDate.Text
? txtDate.FormattedText
