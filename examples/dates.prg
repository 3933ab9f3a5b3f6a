* Dates with TARVO.fll: the parts of a date, the ends of its month and
* year, leap years and Easter. The calendar is KERNEL.DLL's.
SET LIBRARY TO TARVO.fll ADDITIVE
SET DATE TO ANSI
SET CENTURY ON

d = {^2024-02-10}
? "Date:          ", d
? "Year, month, day:", DAT_YEAR(d), DAT_MONTH(d), DAT_DAY(d)
? "Month from", DAT_BOM(d), "to", DAT_EOM(d)
? "Year from ", DAT_BOY(d), "to", DAT_EOY(d)
? "Leap year:     ", DAT_ISLEAP(d), DAT_ISLEAP({^2023-06-01})

* Easter Sunday of a few years.
FOR y = 2024 TO 2027
  ? "Easter", y, DAT_EASTER(DATE(y, 1, 1))
ENDFOR
RELEASE LIBRARY TARVO.fll
