* File times and dates, run with TZ=Etc/GMT+5 (UTC-5 all year), so that
* local time and UTC differ: FIL_SETFILETIME takes local time on the
* date the file holds in UTC, FIL_SDATE writes the UTC date and keeps the
* UTC time of day, FIL_GTIME and FIL_GDATE show local time, FIL_IMTIME
* counts seconds in UTC.
=STRTOFILE('x', 'a.txt')
? FIL_SDATE('a.txt', '20011230'), FIL_SETFILETIME('a.txt', '23:30:00')
? FIL_GDATE('a.txt'), FIL_GTIME('a.txt')
= FIL_INFO('a.txt')
? FIL_IMTIME()
* 23:30 local is 04:30 UTC on the next day: the new UTC date moves the
* local date one day back.
? FIL_SDATE('a.txt', '20020115')
? FIL_GDATE('a.txt'), FIL_GTIME('a.txt')
* The time is set on the stored UTC date, 15 January.
? FIL_SETFILETIME('a.txt', '10:00:01')
? FIL_GDATE('a.txt'), FIL_GTIME('a.txt')
= FIL_INFO('a.txt')
? FIL_IMTIME()
* The last access is a time of its own.
? FIL_SETFILETIME('a.txt', '06:00:00', 2), FIL_SDATE('a.txt', '19990305', 2)
? FIL_GDATE('a.txt', 2), FIL_GTIME('a.txt', 2), FIL_GDATE('a.txt', 1)
=STRTOFILE('y', 'b.txt')
? FIL_COMPARETIME('a.txt', 'b.txt', 2), FIL_COMPARETIME('b.txt', 'a.txt', 1)
