// Rows of the calendar dates: the parts of a host date and the dates derived
// from it.
FAMILY(Date, "Dates",
       "Host dates through their day numbers (Julian day numbers: 2440588 is 1 January "
       "1970): their parts, the first and last days of their months and years, leap years, "
       "Easter Sunday, and a local date-and-time stamp. The calendar is KERNEL.DLL's, "
       "proleptic Gregorian; without it every part and day number is 0. A date result is "
       "the date given, with its day number changed.")
ROW("DAT_BOOMERANG", "D", DOC(
    .summary = "The date one day earlier.",
    .params = "dDate: the date",
    .returns = "D",
    .result = "A date: 1 taken from the date's day number.",
    .example = "? DAT_BOOMERANG({^2000-03-01})",
    .output = "02/29/00"), Fn<DatBoomerang>)
ROW("DAT_BOY", "D", DOC(
    .summary = "The beginning of the year: 1 January of the date's year.",
    .params = "dDate: the date",
    .returns = "D",
    .result = "A date.",
    .example = "? DAT_BOY({^1999-07-14})",
    .output = "01/01/99"), Fn<WithContext<DatBoy, CompanionCalendar>>)
ROW("DAT_BOM", "D", DOC(
    .summary = "The beginning of the month: the first day of the date's month.",
    .params = "dDate: the date",
    .returns = "D",
    .result = "A date.",
    .example = "? DAT_BOM({^1999-07-14})",
    .output = "07/01/99"), Fn<WithContext<DatBom, CompanionCalendar>>)
ROW("DAT_DATETIME", "", DOC(
    .summary = "The local date and time as a stamp of 20 characters.",
    .returns = "C",
    .result = "Year-month-day, two blanks, hour:minute:second, such as 1999-02-03  09:05:00.",
    .example = "? LEN(DAT_DATETIME()), SUBSTR(DAT_DATETIME(), 11, 2) == '  '",
    .output = "        20 .T."), Fn<DatDateTime>)
ROW("DAT_DAY", "D", DOC(
    .summary = "The day of the month of a date.",
    .params = "dDate: the date",
    .returns = "I",
    .result = "An integer from 1 to 31.",
    .example = "? DAT_DAY({^1999-07-14})",
    .output = "        14"), Fn<WithContext<DatDay, CompanionCalendar>>)
ROW("DAT_EASTER", "D", DOC(
    .summary = "Easter Sunday of the date's year.",
    .params = "dDate: any date of the year",
    .returns = "D",
    .result = "A date, by the Gregorian computus.",
    .example = "? DAT_EASTER({^2000-01-01}), DAT_EASTER({^2024-12-31})",
    .output = "04/23/00 03/31/24"), Fn<WithContext<DatEaster, CompanionCalendar>>)
ROW("DAT_EOM", "D", DOC(
    .summary = "The end of the month: the last day of the date's month.",
    .params = "dDate: the date",
    .returns = "D",
    .result = "A date; February has 29 days in leap years.",
    .example = "? DAT_EOM({^2000-02-10}), DAT_EOM({^1900-02-10})",
    .output = "02/29/00 02/28/00"), Fn<WithContext<DatEom, CompanionCalendar>>)
ROW("DAT_EOY", "D", DOC(
    .summary = "The end of the year: 31 December of the date's year.",
    .params = "dDate: the date",
    .returns = "D",
    .result = "A date.",
    .example = "? DAT_EOY({^1999-07-14})",
    .output = "12/31/99"), Fn<WithContext<DatEoy, CompanionCalendar>>)
ROW("DAT_ISLEAP", "D", DOC(
    .summary = "Whether the date's year is a leap year.",
    .params = "dDate: the date",
    .returns = "L",
    .result = ".T. when the year has 366 days.",
    .example = "? DAT_ISLEAP({^2000-05-01}), DAT_ISLEAP({^1900-05-01})",
    .output = ".T. .F."), Fn<WithContext<DatIsLeap, CompanionCalendar>>)
ROW("DAT_MONTH", "D", DOC(
    .summary = "The month of a date.",
    .params = "dDate: the date",
    .returns = "I",
    .result = "An integer from 1 to 12.",
    .example = "? DAT_MONTH({^1999-07-14})",
    .output = "         7"), Fn<WithContext<DatMonth, CompanionCalendar>>)
ROW("DAT_NUM", "D", DOC(
    .summary = "The day number of a date.",
    .params = "dDate: the date",
    .returns = "N",
    .result = "A number with 4 decimals: the Julian day number, fraction included.",
    .example = "? DAT_NUM({^1970-01-01})",
    .output = "   2440588.0000"), Fn<DatNum, 4>)
ROW("DAT_NUMBEROFDAYS", "I", DOC(
    .summary = "The number of days of a month, with no year known.",
    .params = "nMonth: the month, 1 to 12",
    .returns = "I",
    .result = "31 or 30; 28 for February in every year; 0 for a number that is no month.",
    .example = "? DAT_NUMBEROFDAYS(2), DAT_NUMBEROFDAYS(4), DAT_NUMBEROFDAYS(13)",
    .output = "        28         30          0"), Fn<DatNumberOfDays>)
ROW("DAT_TEST", "R,R,R", DOC(
    .summary = "Normalises a year, month and day held in three variables.",
    .params = "rYear: a numeric variable with the year\n"
              "rMonth: a numeric variable with the month; months out of range move into "
              "the years around\n"
              "rDay: a numeric variable with the day; days out of range move into the "
              "months around",
    .returns = "I",
    .result = "The day number of the date; the three variables get its year, month and day.",
    .errors = "A variable that cannot be read or written raises the host's error.",
    .notes = "The fractions of the three values are dropped.",
    .example = "y = 1999\n"
               "m = 13\n"
               "d = 1\n"
               "? DAT_TEST(@y, @m, @d), y, m, d",
    .output = "   2451545       2000          1          1"), Fn<DatTest>)
ROW("DAT_YEAR", "D", DOC(
    .summary = "The year of a date.",
    .params = "dDate: the date",
    .returns = "I",
    .result = "An integer.",
    .example = "? DAT_YEAR({^1999-07-14})",
    .output = "      1999"), Fn<WithContext<DatYear, CompanionCalendar>>)
ROW("DAT_YMD", "D,R,R,R", DOC(
    .summary = "Splits a date into year, month and day variables.",
    .params = "dDate: the date\n"
              "rYear: a numeric variable for the year\n"
              "rMonth: a numeric variable for the month\n"
              "rDay: a numeric variable for the day",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "A variable that cannot be read or written raises the host's error.",
    .notes = "A variable that holds no number keeps its value.",
    .example = "STORE 0 TO y, m, d\n"
               "=DAT_YMD({^2024-02-29}, @y, @m, @d)\n"
               "? y, m, d",
    .output = "      2024          2         29"), Fn<DatYmd>)
