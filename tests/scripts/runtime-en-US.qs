' The runtime's functions in the United States region, with a pinned clock.
region en-US
clock 2001-06-15 10:30:00
? Now
? Date
? Format(1234.5, "#,##0.00")
? Format(-1234.5, "#,##0.00;(#,##0.00)")
? Format(0, "0.00;(0.00);\z\e\r\o")
? Format(1.005, "0.00")
? Format(0.125, "Percent")
? Format(1234567.891, "Currency")
? Format(-5, "Currency")
? Format(1234.5, "Standard")
? Format(1234.5, "Fixed")
? Format(0.000123, "Scientific")
? Format(#2000-12-31 13:45:00#, "dddd, mmmm d, yyyy h:nn AM/PM")
? Format(#2000-12-31#, "Long Date")
? Format(#2000-12-31#, "Short Date")
? Format(#13:45:00#, "Long Time")
? Format(#2001-01-01#, "ww")
? Format("hello", ">@@@@@@")
? Format(True, "Yes/No")
? Format(0, "On/Off")
? CStr(1.5)
? CStr(1E+21)
? CDbl("1,234.5")
? CDbl("(12)")
? CDate("12/31/00")
? CDate("1/2/29")
? CDate("3:05 PM")
? CBool("true")
? CBool("0")
? CInt(2.5)
? CInt(3.5)
? CLng("40000")
? Val("  12.5e1abc")
? Val("&HFF")
? IsDate("2/30/2001")
? IsNumeric("1,234.5")
? DateSerial(2000, 14, 1)
? TimeSerial(25, 0, 0)
' Failures print their error number and the script goes on.
? CInt(40000)
? CDbl("abc")
? CBool("maybe")
? Format(1, 2, 3, 4, 5)
? Nope(1)
? txtName.Text
new txtName
frobnicate
? "still running"
