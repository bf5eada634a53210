' What the runtime reads and refuses at the edges of its conversions.
region en-US
clock 2001-06-15 10:30:00
' Only Format reads a trailing percent sign, as hundredths; the conversions refuse it, and
' so does a numeric control, which then holds no value and shows what 0.00 gives for none.
? Format("12.00%", "0.00")
? CDbl("12.00%")
? IsNumeric("12%")
new txtNum
txtNum.DataType = 4
txtNum.Format = "0.00"
txtNum.Text = "50%"
? txtNum.FormattedText
' A '#' in the exponent shows only the digits needed, as everywhere.
? Format(29.123456789, "0.#####E-###")
? Val("1E+400")
' The calendar runs from 1 January 100 to 31 December 9999.
? Format(2958465, "mm/dd/yyyy")
? Format(2958466, "mm/dd/yyyy")
? Format(-657435, "mm/dd/yyyy")
' A time stands before or after the date's numbers, not between them.
? CDate("1 2 3 4:05")
? CDate("1 2 am 3")
? CDate("1 2.3 4")
? IsDate("0.0")
