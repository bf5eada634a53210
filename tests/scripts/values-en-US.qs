' Each data type once through the program, in a region with a full stop as decimal
' separator and month-first dates; the value tables hold the other entries.
region en-US
clock 2001-06-15 10:30:00
new txtText
new txtLower
new txtUpper
new txtBool
new txtNum
new txtSigned
new txtDate
' A new control holds its name. As a number it holds nothing numeric, which is 0; as a date
' it holds no part of a date, so today's date completes it.
? txtNum.Text
txtLower.DataType = 1
txtUpper.DataType = 2
txtBool.DataType = 3
txtNum.DataType = 4
txtSigned.DataType = 5
txtDate.DataType = 6
? txtNum.Text
? txtDate.Text
txtBool.Format = "Yes/No"
txtNum.Format = "#,##0.00"
txtSigned.ScaleDigits = 2
txtDate.Format = "Vesk Date"
' Plain text is stored and shown as written; a format changes nothing. An equal write
' raises no Change.
events on
txtText.Format = "0.00"
txtText = "1234.5"
txtText.Text = "1234.5"
events off
? txtText.FormattedText
' The case styles convert what is typed, never what is written.
txtLower.Text = "MiXed"
focus txtLower
keys "{END}AbC"
? txtLower.Text
txtUpper.Text = "MiXed"
focus txtUpper
keys "{END}AbC"
? txtUpper.Text
' A Boolean reads the format's word for True in any case.
txtBool.Text = "yes"
? txtBool.Text
? txtBool.FormattedText
' A number drops its group separators; the format shapes the display, and the editing
' display rounds to whole numbers.
txtNum.Text = "1,234.5"
? txtNum.Text
? txtNum.FormattedText
focus txtNum
? txtNum.FormattedText
keys "{END}+{HOME}42"
focus txtText
? txtNum.Text
? txtNum.FormattedText
' Decimal places without a format: shown rounded, stored whole.
txtSigned.Text = "-0.125"
? txtSigned.Text
? txtSigned.FormattedText
' A date typed while focused stays raw until the focus leaves, and is then completed.
focus txtDate
keys "{END}+{HOME}1231"
? txtDate.Text
focus txtText
? txtDate.Text
? txtDate.FormattedText
' Data types outside the enumeration are refused.
txtNum.DataType = 7
txtNum.DataType = -1
? txtNum.DataType
