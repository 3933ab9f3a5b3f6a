// Rows of the time values: Unix seconds, clock texts, millisecond counts.
FAMILY(Time, "Time",
       "Moments as Unix seconds (seconds since 1 January 1970 00:00 UTC, 32-bit: from "
       "December 1901 to January 2038), times of day as hh:mm:ss, millisecond counts, and "
       "local midnight of a date. Local times follow the process's time zone as Windows "
       "keeps it (under Wine, TZ); local midnight uses the zone's offset in force now, in "
       "whole hours, even for a date on the other side of a daylight-saving change.")
ROW("TIM_CTIME", "I", DOC(
    .summary = "A moment as the C runtime writes it, in local time.",
    .params = "nSeconds: Unix seconds",
    .returns = "C",
    .result = "24 characters: day name, month name, day, time and year, such as "
              "\"Thu Jan 01 00:00:00 1970\"; the empty text for a moment before 1970.",
    .notes = "The C runtime the library is built against gives no broken-down time for a "
             "moment before 1970 (negative seconds), and such a moment answers the empty text.",
    .example = "? LEN(TIM_CTIME(TIM_TIME())), RIGHT(TIM_CTIME(86400 * 400), 4), LEN(TIM_CTIME(-1))",
    .output = "        24 1971          0"), Fn<WithContext<TimCtime, SystemZone>>)
ROW("TIM_GMT", "I", DOC(
    .summary = "The UTC time of day of a moment.",
    .params = "nSeconds: Unix seconds",
    .returns = "C",
    .result = "hh:mm:ss; the empty text for a moment before 1970.",
    .notes = "The C runtime the library is built against gives no broken-down time for a "
             "moment before 1970 (negative seconds), and such a moment answers the empty text.",
    .example = "? TIM_GMT(3723), TIM_GMT(0), LEN(TIM_GMT(-1))",
    .output = "01:02:03 00:00:00          0"), Fn<TimGmt>)
ROW("TIM_GETNUMBEROFDAYS", "D,D", DOC(
    .summary = "The number of days from one date to another.",
    .params = "dDate1: the later date\n"
              "dDate2: the earlier date",
    .returns = "I",
    .result = "dDate1 minus dDate2 in days, truncated toward zero; negative when dDate1 comes "
              "first.",
    .example = "? TIM_GETNUMBEROFDAYS({^2000-03-10}, {^2000-03-01})",
    .output = "         9"), Fn<TimGetNumberOfDays>)
ALIAS("TIM_NUMBEROFDAYS", "TIM_GETNUMBEROFDAYS")
ROW("TIM_LOCALT", "I", DOC(
    .summary = "The local time of day of a moment.",
    .params = "nSeconds: Unix seconds",
    .returns = "C",
    .result = "hh:mm:ss in the process's time zone; the empty text for a moment before 1970.",
    .notes = "The C runtime the library is built against gives no broken-down time for a "
             "moment before 1970 (negative seconds), and such a moment answers the empty text, "
             "whatever the zone.",
    .example = "? LEN(TIM_LOCALT(0)), SUBSTR(TIM_LOCALT(0), 3), LEN(TIM_LOCALT(-1))",
    .output = "         8 :00:00          0"), Fn<WithContext<TimLocalt, SystemZone>>)
ROW("TIM_MAKESECONDS", "C", DOC(
    .summary = "The seconds of a clock text.",
    .params = "cClock: hh:mm:ss; only the characters at positions 1-2, 4-5 and 7-8 are read",
    .returns = "I",
    .result = "hh * 3600 + mm * 60 + ss.",
    .errors = "Error 182 when memory runs out.",
    .example = "? TIM_MAKESECONDS('01:02:03'), TIM_MAKESECONDS('01-02-03')",
    .output = "      3723       3723"), Fn<TimMakeSeconds>)
ROW("TIM_MAKETIME", "D,.I", DOC(
    .summary = "Local midnight of a date in Unix seconds, plus some seconds.",
    .params = "dDate: the date\n"
              "nSeconds: seconds to add (0 when left out)",
    .returns = "I",
    .result = "Unix seconds; past January 2038 the 32-bit count wraps.",
    .notes = "Local midnight is taken with the time zone's offset in force now, in whole "
             "hours, even for a date on the other side of a daylight-saving change.",
    .example = "? TIM_MAKETIME({^1970-01-02}, 60) - TIM_MAKETIME({^1970-01-02})",
    .output = "        60"), Fn<WithContext<TimMakeTime, SystemZone>>)
ROW("TIM_NEXTDAY", "D,I", DOC(
    .summary = "Local midnight of the next day after a date that falls on a given weekday.",
    .params = "dDate: the date\n"
              "nWeekday: 1 (Sunday) to 7 (Saturday)",
    .returns = "I",
    .result = "Unix seconds; a date on that weekday gives the same weekday a week later.",
    .notes = "Midnight as TIM_MAKETIME takes it. A weekday outside 1 to 7 moves by its "
             "difference to the date's weekday (plus 7 when negative, modulo 7 above 7).",
    .example = "t = TIM_MAKETIME({^2024-01-01})\n"
               "? INT((TIM_NEXTDAY({^2024-01-01}, 2) - t) / 86400), "
               "INT((TIM_NEXTDAY({^2024-01-01}, 3) - t) / 86400)",
    .output = "         7          1"), Fn<WithContext<TimNextDay, SystemZone>>)
ROW("TIM_SETFORMAT", "C", DOC(
    .summary = "Sets the format of TIM_USERTIME.",
    .params = "cFormat: strftime's format: %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x "
              "%X %y %Y %z %Z %%, with # after % for no leading zeros and long dates",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .notes = "Empty at load. Formats of any length are kept.",
    .example = "=TIM_SETFORMAT('%Y-%m-%d')\n"
               "? TIM_USERTIME(86400 * 400 + 43200)",
    .output = "1971-02-05"), Fn<TimSetFormat>)
ROW_NOFUZZ("TIM_SETSYSTEMTIME", "C", "sets the machine's clock", DOC(
    .summary = "Sets the time of day of the system clock, in UTC.",
    .params = "cClock: hh:mm:ss, taken as UTC; the date and the milliseconds stay",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out. A clock that cannot be set (no right to, a "
              "field out of range) is not reported.",
    .example = "=TIM_SETSYSTEMTIME(TIM_GMT(TIM_TIME()))"), Fn<TimSetSystemTime>)
ALIAS("TIM_TICKS", "SYS_GETTICKCOUNT")
ROW("SYS_GETTICKCOUNT", "", DOC(
    .summary = "Milliseconds since the system started.",
    .returns = "I",
    .result = "An integer; after 24.8 days of running it turns negative.",
    .example = "t = SYS_GETTICKCOUNT()\n"
               "? SYS_GETTICKCOUNT() >= t",
    .output = ".T."), Fn<SysGetTickCount>)
ALIAS("GETTICKCOUNT", "SYS_GETTICKCOUNT")
ROW("TIM_TIME", "", DOC(
    .summary = "The current Unix seconds.",
    .returns = "I",
    .result = "Seconds since 1 January 1970 00:00 UTC.",
    .example = "? TIM_TIME() > 946684800",
    .output = ".T."), Fn<WithContext<TimTime, SystemZone>>)
ROW("TIM_USERTIME", "I", DOC(
    .summary = "A moment in local time, written by the format of TIM_SETFORMAT.",
    .params = "nSeconds: Unix seconds",
    .returns = "C",
    .result = "The text the format makes; empty while no format is set.",
    .example = "=TIM_SETFORMAT('%H:%M %A')\n"
               "? LEN(TIM_USERTIME(0)) > 6",
    .output = ".T."), Fn<TimUserTime>)
ROW("TIM_SPLIT", "N,R,R,R,R", DOC(
    .summary = "Splits a millisecond count into hours, minutes, seconds and milliseconds.",
    .params = "nCount: milliseconds, truncated to a 32-bit integer (at most 596 hours)\n"
              "rHours: a numeric variable for the hours\n"
              "rMinutes: a numeric variable for the minutes\n"
              "rSeconds: a numeric variable for the seconds\n"
              "rMilliseconds: a numeric variable for the milliseconds",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "A variable that cannot be read or written raises the host's error.",
    .example = "STORE 0 TO h, m, s, ms\n"
               "=TIM_SPLIT(3723004, @h, @m, @s, @ms)\n"
               "? h, m, s, ms",
    .output = "         1          2          3          4"), Fn<TimSplit>)
ROW("TIM_FORMAT", "N", DOC(
    .summary = "A millisecond count as hh:mm:ss.mmm.",
    .params = "nCount: milliseconds, truncated to a 32-bit integer (at most 596 hours)",
    .returns = "C",
    .result = "hh:mm:ss.mmm; hours may have three digits.",
    .notes = "A negative count writes each of its negative fields after a \"0\": -3723004 "
             "gives 0-1:0-2:0-3.0-4.",
    .example = "? TIM_FORMAT(3723004), TIM_FORMAT(59)",
    .output = "01:02:03.004 00:00:00.059"), Fn<TimFormat>)
ALIAS("TIM_SPLITMILLI", "TIM_SPLIT")
ALIAS("TIM_FORMATMILLI", "TIM_FORMAT")
ALIAS("TIM_SPLITMILLISECONDS", "TIM_SPLIT")
ALIAS("TIM_FORMATMILLISECONDS", "TIM_FORMAT")
ROW("STR_MAKETIME", "I,.I", DOC(
    .summary = "A count of seconds as a clock text, or a part of one.",
    .params = "nSeconds: the count\n"
              "nPart: 1 ss, 2 mm, 3 hh, 4 mm:ss, 5 hh:mm; any other, or none, hh:mm:ss",
    .returns = "C",
    .result = "The clock text; hours take as many digits as they need.",
    .example = "? STR_MAKETIME(3723), STR_MAKETIME(3723, 4), STR_MAKETIME(360000)",
    .output = "01:02:03 02:03 100:00:00"), Fn<StrMakeTime>)
