' The same form typed where the comma is the decimal separator: a typed full stop becomes
' one, and a pasted amount with grouping points is normalised on leaving.
region de-DE
clock 2001-06-15 10:30:00
new txtQty
new txtPrice
new txtDate
new txtNote
new txtTotal
txtQty.DataType = 4
txtQty.MaxLength = 3
txtQty.AutoTab = True
txtPrice.DataType = 5
txtPrice.ScaleDigits = 2
txtPrice.Format = "#,##0.00"
txtPrice.MaxLength = 7
txtPrice.AutoTab = True
txtDate.DataType = 6
txtDate.Format = "Vesk Date"
txtDate.MaxLength = 4
txtDate.AutoTab = True
txtTotal.DataType = 4
txtTotal.ScaleDigits = 2
txtTotal.Format = "#,##0.00"
txtQty.Text = ""
txtPrice.Text = ""
txtDate.Text = ""
txtNote.Text = ""
txtTotal.Text = ""
focus txtQty
keys "042"
keys "1234.5,6"
? txtPrice.Text
keys "3112"
keys "1.234,50^a^c{TAB}^v{TAB}"
? txtQty.FormattedText
? txtPrice.FormattedText
? txtDate.FormattedText
? txtTotal.Text
? txtTotal.FormattedText
