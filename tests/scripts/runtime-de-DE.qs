' The same functions in a region with a comma decimal separator and day-first dates.
region de-DE
clock 2001-06-15 10:30:00
? Now
? Format(1234.5, "#,##0.00")
? Format(1234567.891, "Currency")
? Format(0.5, "Percent")
? Format(#2000-12-31#, "Long Date")
? Format(#2000-12-31 13:45:00#, "dd.mm.yyyy hh:nn")
? CStr(1.5)
? CDbl("1.234,5")
? CDate("31.12.00")
? CDate("1.2")
? IsDate("31.2.2001")
? Val("1,5")
? Format(True, "True/False")
