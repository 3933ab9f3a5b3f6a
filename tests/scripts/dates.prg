* Dates and time values as a host program uses them: a calendar of month
* ends and Easter Sundays, dates split and normalised through variables,
* durations as clock texts.
SET CENTURY ON
? "Days in the months of 2024:"
FOR m = 1 TO 12
  ?? " " + TRANSFORM(DAT_DAY(DAT_EOM(DATE(2024, m, 10))))
ENDFOR
? "Leap years from 1896 to 1912:"
FOR y = 1896 TO 1912 STEP 4
  IF DAT_ISLEAP(DATE(y, 6, 1))
    ?? " " + TRANSFORM(y)
  ENDIF
ENDFOR
? "Easter Sundays:"
FOR y = 2024 TO 2027
  ? "  ", DAT_EASTER(DATE(y, 1, 1)), CDOW(DAT_EASTER(DATE(y, 1, 1)))
ENDFOR
? "Year, month and day of", DATE(2024, 2, 29)
STORE 0 TO y, m, d
=DAT_YMD(DATE(2024, 2, 29), @y, @m, @d)
? y, m, d
y = 2023
m = 14
d = 31
n = DAT_TEST(@y, @m, @d)
? "2023/14/31 is", y, m, d, "day number", n
? "The day before", DATE(2024, 3, 1), "is", DAT_BOOMERANG(DATE(2024, 3, 1))
? "Days from Christmas to the new year:", TIM_GETNUMBEROFDAYS(DATE(2025, 1, 1), DATE(2024, 12, 25))
? "Race times:"
DO RaceTime WITH 3723004
DO RaceTime WITH 59999
DO RaceTime WITH 36000000
work = TIM_MAKESECONDS("16:15:30") - TIM_MAKESECONDS("07:45:00")
? "A working day of", work, "seconds is", STR_MAKETIME(work), "or", STR_MAKETIME(work, 5)
? "One day later:", TIM_MAKETIME(DATE(2024, 3, 2)) - TIM_MAKETIME(DATE(2024, 3, 1)), "seconds"
? "The moment 1000000000 was", TIM_GMT(1000000000), "UTC"

PROCEDURE RaceTime
  PARAMETERS ms
  STORE 0 TO h, mi, s, f
  =TIM_SPLIT(ms, @h, @mi, @s, @f)
  ? "  ", TIM_FORMAT(ms), h, mi, s, f
ENDPROC
