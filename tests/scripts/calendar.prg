* Dates, random numbers, the system's description and the dialogs nobody
* answers.
? "DMY and MDY"
d = {^2024-01-05}
? DMY(d), MDY(d), "[" + DMY({}) + "]"
SET CENTURY ON
? DMY({^1999-12-31}), MDY(DATETIME(2024, 2, 29, 10, 0, 0))
SET CENTURY OFF

? "WEEK"
* 2021-01-01 is a Friday; 2024-12-31 a Tuesday.
? WEEK({^2021-01-01}), WEEK({^2021-01-03}), WEEK({^2021-01-01}, 2), WEEK({^2021-01-01}, 3), WEEK({^2021-01-04}, 2, 2)
? WEEK({^2024-12-31}), WEEK({^2024-12-31}, 2, 2), WEEK({^2024-12-31}, 3, 2), WEEK({^2021-01-02}, 1, 7), WEEK({})
TRY
  = WEEK(d, 4)
CATCH TO e
  ? "WEEK(d, 4):", e.ErrorNo
ENDTRY

? "QUARTER"
? QUARTER({^2024-01-01}), QUARTER({^2024-06-30}), QUARTER({^2024-12-31}), QUARTER({^2024-03-15}, 4), QUARTER({^2024-09-30}, 10), QUARTER({})

? "CTOT"
SET HOURS TO 24
? CTOT("01/31/24 13:05:09"), CTOT("01/31/2024 1:05 PM"), CTOT("^2024-01-31 07:08:09"), CTOT("01/31/24")
? EMPTY(CTOT("")), EMPTY(CTOT("02/30/24 10:00")), EMPTY(CTOT("01/31/24 25:00"))
SET DATE BRITISH
? CTOT("31/01/24 10:00:00")
SET DATE AMERICAN
SET HOURS TO 12

? "RAND and LOG10"
= RAND(7)
a1 = RAND()
a2 = RAND()
= RAND(7)
? RAND() = a1, RAND() = a2, a1 <> a2, BETWEEN(a1, 0, 1), RAND(-1) < 1
? LOG10(1000), LOG10(2), LOG10(1)
TRY
  = LOG10(0)
CATCH TO e
  ? "LOG10(0):", e.ErrorNo
ENDTRY

? "VERSION, OS, SYS"
? VERSION(4), VERSION(5), VERSION(2), LEFT(VERSION(), 10), LEFT(OS(), 8), VARTYPE(OS(3)), VARTYPE(OS(5))
? SYS(10, 2460341), SYS(11, {^2024-01-31}), SYS(11, "01/31/24"), SYS(1) = SYS(11, DATE())
? LEN(SYS(3)), LEFT(SYS(2015), 1), LEN(SYS(2015)), SYS(2015) <> SYS(2015), SYS(5) = LEFT(FULLPATH("x"), 2)
? SYS(2003) = LEFT(CURDIR(), LEN(CURDIR()) - 1), RIGHT(SYS(2004), 1), DIRECTORY(SYS(2023)), VAL(SYS(2)) <= 86400
TRY
  x = nothing_here
CATCH
ENDTRY
? SYS(2018)
TRY
  = SYS(9999)
CATCH TO e
  ? "SYS(9999):", e.ErrorNo
ENDTRY
TRY
  = SYS(10)
CATCH TO e
  ? "SYS(10):", e.ErrorNo
ENDTRY

? "Dialogs"
? MESSAGEBOX("Plain"), MESSAGEBOX("Yes or no?", 4), MESSAGEBOX("Second button", 4 + 256, "Title")
? MESSAGEBOX(42, 2), MESSAGEBOX("Third", 3 + 512), MESSAGEBOX("Retry", 5), MESSAGEBOX("Gone", 0, "", 10)
? INPUTBOX("Name?"), INPUTBOX("Name?", "Title", "Fred"), INPUTBOX("Name?", "", "Fred", 10, "late", "cancelled")
TRY
  = MESSAGEBOX("x", 6)
CATCH TO e
  ? "MESSAGEBOX type 6:", e.ErrorNo
ENDTRY

? "FDATE and FTIME"
= STRTOFILE("x", "stamp.txt")
? FDATE("stamp.txt") = DATE(), TTOD(FDATE("stamp.txt", 1)) = DATE(), LEN(FTIME("stamp.txt")), SUBSTR(FTIME("stamp.txt"), 3, 1)
TRY
  = FDATE("missing.txt")
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
