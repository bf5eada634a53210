' A form filled by keystrokes alone: refused characters never arrive, and each field typed
' full tabs on to the next. A pasted number skips the filter and is normalised on leaving.
region en-US
clock 2001-06-15 10:30:00
new txtQty
new txtPrice
new txtDate
new txtCode
new txtNote
new txtTotal
txtQty.DataType = 4
txtQty.MaxLength = 3
txtQty.AutoTab = True
txtPrice.DataType = 5
txtPrice.ScaleDigits = 2
txtPrice.Format = "#,##0.00"
txtPrice.MaxLength = 8
txtPrice.AutoTab = True
txtDate.DataType = 6
txtDate.Format = "Vesk Date"
txtDate.MaxLength = 4
txtDate.AutoTab = True
txtCode.DataType = 2
txtCode.MaxLength = 4
txtTotal.DataType = 4
txtTotal.ScaleDigits = 2
txtTotal.Format = "#,##0.00"
txtQty.Text = ""
txtPrice.Text = ""
txtDate.Text = ""
txtCode.Text = ""
txtNote.Text = ""
txtTotal.Text = ""
focus txtQty
keys "1x23"
' The Tab of the full field waits behind the 7, which the full decimal part refuses.
keys "-1234,567"
keys "1231"
keys "ab1c,x"
? txtCode.Text
' Shift+Tab walks back; Insert switches every field to overtype.
keys "+{TAB}+{TAB}{INS}{HOME}{RIGHT}9"
? txtPrice.Text
? txtQty.OverType
keys "{INS}{TAB}{TAB}{TAB}1,234.50^a^c{TAB}^v"
? txtTotal.Text
keys "{TAB}"
? txtQty.FormattedText
? txtPrice.Text
? txtPrice.FormattedText
? txtDate.FormattedText
? txtCode.FormattedText
? txtTotal.Text
? txtTotal.FormattedText
