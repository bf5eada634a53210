' Each kind of value once through the program, in a region with a full stop as decimal
' separator and month-first dates; the value tables hold the other entries and regions.
region en-US
clock 2001-06-15 10:30:00
new txtText
new txtLower
new txtUpper
new txtNum
new txtSigned
new txtDate
' A new control holds its name. As a number it holds nothing numeric, which is 0; as a date
' it holds no part of a date, so today's date completes it.
? txtNum.Text
txtLower.DataType = 1
txtUpper.DataType = 2
txtNum.DataType = 4
txtSigned.DataType = 5
txtDate.DataType = 6
? txtNum.Text
? txtDate.Text
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
' The case styles convert what is typed, accented letters too, never what is written. A
' control's name alone stands for its Text.
txtLower.Text = "MiXed"
focus txtLower
keys "{END}ÄbC"
? txtLower
txtUpper.Text = "MiXed"
focus txtUpper
keys "{END}äBc"
? txtUpper.Text
' A typed number is shown by the format once the focus leaves.
focus txtNum
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
