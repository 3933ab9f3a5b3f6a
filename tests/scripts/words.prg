* Words, extraction, patterns, memo lines, merging, conversions, file
* names, EVL, ICASE, ISBLANK, CAST and hexadecimal literals.
? "Words"
t = "  the quick" + CHR(9) + "brown  fox" + CHR(13) + CHR(10) + "jumps "
? GETWORDCOUNT(t), GETWORDNUM(t, 3), GETWORDNUM(t, 5), "[" + GETWORDNUM(t, 6) + "]"
? GETWORDCOUNT("a,b,,c", ","), GETWORDNUM("a,b,,c", 3, ","), GETWORDCOUNT(""), GETWORDCOUNT("a-b c", "- ")
TRY
  = GETWORDNUM("a b", 0)
CATCH TO e
  ? "GETWORDNUM(s, 0):", e.ErrorNo
ENDTRY

? "STREXTRACT"
x = "<a>one</a><A>two</A><a>three"
? STREXTRACT(x, "<a>", "</a>"), STREXTRACT(x, "<a>", "</a>", 2), STREXTRACT(x, "<a>", "</a>", 2, 1)
? "[" + STREXTRACT(x, "<a>", "</a>", 3) + "]", STREXTRACT(x, "<a>", "</a>", 2, 2), STREXTRACT(x, "<a>", "</a>", 1, 4)
? STREXTRACT("key=value;", "=", ""), STREXTRACT("key=value;", "", "="), "[" + STREXTRACT(x, "<b>", "</b>") + "]"

? "LIKE"
? LIKE("ab*", "abcd"), LIKE("a?c", "abc"), LIKE("a?c", "ac"), LIKE("*.prg", "x.PRG"), LIKE("*", ""), LIKE("a*b*c", "axxbyyc")
SET COMPATIBLE ON
? LIKE("abc  ", "abc"), LIKE("a?", "ab   ")
SET COMPATIBLE OFF
? LIKE("abc  ", "abc"), LIKE("a?", "ab   ")

? "Memo lines"
memo = "The quick brown fox jumps over the lazy dog" + CHR(13) + CHR(10) + "end"
? MEMLINES(memo), MLINE(memo, 1), "|" + MLINE(memo, 2) + "|", MLINE(memo, 9) == ""
SET MEMOWIDTH TO 10
? MEMLINES(memo), MLINE(memo, 1), MLINE(memo, 2), MLINE(memo, 5), MLINE(memo, 6)
? MLINE("abcdefghijklmnop", 2), MLINE(memo, 1, 4), ATLINE("lazy", memo), ATCLINE("DOG", memo), RATLINE("o", memo)
? MEMLINES(""), MEMLINES("a" + CHR(13)), ATLINE("zzz", memo)
? SET("MEMOWIDTH"), _MLINE
_MLINE = 0
FOR i = 1 TO 3
  ?? MLINE(memo, 1, _MLINE) + "/"
ENDFOR
? _MLINE, MLINE(memo, 7), _MLINE = LEN(memo)
SET MEMOWIDTH TO 50
TRY
  SET MEMOWIDTH TO 7
CATCH TO e
  ? "SET MEMOWIDTH TO 7:", e.ErrorNo
ENDTRY

? "TEXTMERGE"
n = 3
? TEXTMERGE("n=<<n>>, twice <<n * 2>>, <<DATE(2024,1,31)>>, <<.T.>>, <<.NULL.>>")
inner = "<<n>>"
? TEXTMERGE("[n]", .F., "[", "]"), TEXTMERGE("no merge << here"), TEXTMERGE("<<inner>>"), TEXTMERGE("<<inner>>", .T.)
TRY
  = TEXTMERGE("<<1 +>>")
CATCH TO e
  ? "TEXTMERGE of a bad expression:", e.ErrorNo
ENDTRY

? "STRCONV"
? STRCONV("Hello!", 13), STRCONV("SGVsbG8h", 14), STRCONV("Hi", 15), STRCONV("4869", 16), STRCONV("", 13) == ""
? LEN(STRCONV("abc", 5)), STRCONV(STRCONV("abc", 5), 6), STRCONV(STRCONV("abc", 9), 11), STRCONV(STRCONV("abc", 12), 10)
? STRCONV("abc", 8), STRCONV("ABC", 7), STRCONV(CHR(233), 9) == CHR(195) + CHR(169), STRCONV(CHR(195) + CHR(169), 11, 1252, 1) == CHR(233)
TRY
  = STRCONV("abc", 1)
CATCH TO e
  ? "STRCONV(s, 1):", e.ErrorNo
ENDTRY

? "File names"
? FORCEEXT("c:\dir\file.txt", "prg"), FORCEEXT("file", ".dbf"), FORCEEXT("dir.x\file", "h"), FORCEEXT("a.b.c", "")
? FORCEPATH("c:\old\file.txt", "d:\new"), FORCEPATH("file.txt", "d:\new\"), DEFAULTEXT("file", "prg"), DEFAULTEXT("file.txt", "prg")

? "EVL, ICASE, ISBLANK"
? EVL("", "empty"), EVL("  ", 1), EVL(0, 2), EVL(.NULL., 3), EVL({}, 4), EVL("x", 5)
? ICASE(.F., 1, .T., 2), ICASE(.F., 1, 3), ICASE(.F., 1), ICASE(.NULL., 1, 4)
? ISBLANK(""), ISBLANK("  "), ISBLANK(0), ISBLANK({}), ISBLANK(.F.), ISBLANK(.NULL.)
TRY
  = ICASE(1, 2)
CATCH TO e
  ? "ICASE(1, 2):", e.ErrorNo
ENDTRY

? "CAST"
? CAST("12.345" AS N(8, 2)), CAST(3.9 AS I), CAST(-3.9 AS Integer), "[" + CAST(12 AS C(5)) + "]", "[" + CAST("ab   " AS V(4)) + "]"
? CAST("2024-01-31" AS D), CAST({^2024-01-31 10:00:00} AS Date), CAST(1 AS L), CAST(0 AS Logical), CAST(.NULL. AS N(3))
? CAST(2.5 AS Y), CAST({^2024-01-31} AS T), CAST("abc" AS Memo), CAST(2 AS B)
TRY
  = CAST(123456 AS N(3))
CATCH TO e
  ? "CAST(123456 AS N(3)):", e.ErrorNo
ENDTRY
TRY
  = CAST(.T. AS N(3))
CATCH TO e
  ? "CAST(.T. AS N(3)):", e.ErrorNo
ENDTRY

? "Hexadecimal"
? 0x1F, 0xff, 0x0, 0XAbC + 1, 0x7FFFFFFF, 0xFFFFFFFF, VARTYPE(0x10)
