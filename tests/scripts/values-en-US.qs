' Values of every data type written, typed, focused and left, in a region with a full stop
' as decimal separator and month-first dates.
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
? txtText.Text
? txtText.Value
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
' A Boolean reads the format's word for True in any case; other words are False.
txtBool.Text = "yes"
? txtBool.Text
? txtBool.Value
? txtBool.FormattedText
focus txtBool
? txtBool.FormattedText
keys "{END}+{HOME}no"
? txtBool.Text
? txtBool.FormattedText
focus txtText
? txtBool.Text
? txtBool.FormattedText
' A number drops its group separators and keeps its exponent; the format shapes the
' display, and the editing display rounds to whole numbers.
txtNum.Text = "1,234.5"
? txtNum.Text
? txtNum.Value
? txtNum.FormattedText
txtNum.Text = "12E3"
? txtNum.Text
? txtNum.FormattedText
focus txtNum
? txtNum.FormattedText
keys "{END}+{HOME}42"
? txtNum.Text
? txtNum.FormattedText
focus txtText
? txtNum.Text
? txtNum.FormattedText
' Nothing numeric is 0.
txtNum.Text = "no number"
? txtNum.Text
? txtNum.FormattedText
' Decimal places without a format: shown rounded, stored whole, and shown whole for editing.
txtSigned.Text = "-0.125"
? txtSigned.Text
? txtSigned.FormattedText
focus txtSigned
? txtSigned.FormattedText
txtSigned.Text = "7"
? txtSigned.FormattedText
keys "{END}.25"
? txtSigned.Text
focus txtText
? txtSigned.Value
? txtSigned.FormattedText
txtSigned.Value = "-3.5"
? txtSigned.Text
? txtSigned.FormattedText
' A date under "Vesk Date" shows two-digit day and month; typed while focused it stays raw
' until the focus leaves, and partial entries are completed.
txtDate.Text = "1/5/2001"
? txtDate.Text
? txtDate.FormattedText
focus txtDate
? txtDate.FormattedText
keys "{END}+{HOME}1231"
? txtDate.Text
? txtDate.FormattedText
focus txtText
? txtDate.Text
? txtDate.FormattedText
focus txtDate
txtDate.Text = "3/4"
? txtDate.Text
? txtDate.FormattedText
focus txtText
? txtDate.Text
? txtDate.FormattedText
' An impossible date brings back the value it was typed over.
focus txtDate
keys "{END}+{HOME}2/30"
focus txtText
? txtDate.Text
? txtDate.FormattedText
' Starting selected, the formatted value stays and the first key replaces it.
txtNum.StartSelected = True
focus txtNum
? txtNum.FormattedText
keys "5"
focus txtText
? txtNum.Text
? txtNum.FormattedText
' Data types outside the enumeration are refused.
txtNum.DataType = 7
txtNum.DataType = -1
? txtNum.DataType
