* SET DATE in every form the host takes, with and without TO; an unknown
* format is error 36, and the report names what it could not read.
d = {^2024-01-31}
* Each format set alone, then with TO from another one.
lcFormats = "AMERICAN ANSI BRITISH FRENCH GERMAN ITALIAN JAPAN TAIWAN USA MDY DMY YMD ISO"
FOR i = 1 TO GETWORDCOUNT(lcFormats)
  lcSet = "SET DATE " + GETWORDNUM(lcFormats, i)
  &lcSet
  a = DTOC(d)
  SET DATE AMERICAN
  lcSet = "SET DATE TO " + GETWORDNUM(lcFormats, i)
  &lcSet
  Show(a)
ENDFOR
SET CENTURY ON
SET DATE YMD
? DTOC(d), "[" + DTOC({}) + "]"
SET DATE ISO
? DTOC(d), TTOC({^2024-01-31 13:05:09})
* SHORT and LONG follow the Windows locale: what they write reads back.
SET DATE SHORT
? SET("DATE"), CTOD(DTOC(d)) == d, "2024" $ DTOC(d)
SET DATE TO LONG
? SET("DATE"), "2024" $ DTOC(d), LEN(DTOC(d)) > 10
TRY
  SET DATE NOWHERE
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
? SET("DATE")
SET DATE TO ISO8601

PROCEDURE Show(before)
  ? PADR(SET("DATE"), 9), before, DTOC(d), CTOD(DTOC(d)) == d
ENDPROC
