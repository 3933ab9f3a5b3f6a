* Functions of Windows DLLs: DECLARE ... IN, arguments by value and by
* reference, results, errors, CLEAR DLLS.
DECLARE INTEGER MulDiv IN kernel32 INTEGER nNumber, INTEGER nNumerator, INTEGER nDenominator
? MulDiv(10, 20, 4), MulDiv(-7, 3, 2), MulDiv(1, 1, 0)
DECLARE INTEGER lstrlen IN WIN32API STRING
? lstrlen("hello"), lstrlen(""), lstrlen(.NULL.)
DECLARE INTEGER lstrcpyn IN kernel32 AS CopyText STRING @ cTarget, STRING cSource, INTEGER nMax
target = REPLICATE("*", 8)
? CopyText(@target, "abcdef", 4) <> 0, LEN(target), LEFT(target, AT(CHR(0), target) - 1), SUBSTR(target, 5)
DECLARE INTEGER GetEnvironmentVariable IN kernel32 STRING, STRING @, INTEGER
buffer = SPACE(64)
? GetEnvironmentVariable("TARVO_SURELY_UNSET", @buffer, 64)
DECLARE INTEGER SetEnvironmentVariable IN kernel32 STRING, STRING
? SetEnvironmentVariable("TARVO_DLL_TEST", "value 1") <> 0
n = GetEnvironmentVariable("TARVO_DLL_TEST", @buffer, 64)
? n, LEFT(buffer, n)
DECLARE SHORT GetKeyState IN user32 INTEGER
? VARTYPE(GetKeyState(65))
DECLARE STRING lstrcat IN kernel32 STRING @, STRING
both = "ab" + CHR(0) + SPACE(4)
? lstrcat(@both, "cd"), LEFT(both, 4)
DECLARE INTEGER MultiByteToWideChar IN kernel32 INTEGER, INTEGER, STRING, INTEGER, STRING @, INTEGER
wide = SPACE(8)
? MultiByteToWideChar(0, 0, "abc", 3, @wide, 4), STRCONV(LEFT(wide, 6), 6)
DECLARE INTEGER QueryPerformanceFrequency IN kernel32 STRING @
freq = REPLICATE(CHR(0), 8)
? QueryPerformanceFrequency(@freq) <> 0, LEN(freq)
DECLARE INTEGER VarR8Pow IN oleaut32 DOUBLE, DOUBLE, DOUBLE @
result = 0
? VarR8Pow(1.5, 2, @result), result
DECLARE INTEGER VarR4FromR8 IN oleaut32 DOUBLE, SINGLE @
single = 0
? VarR4FromR8(0.25, @single), single
* SINGLE and DOUBLE by value at every place: first, after others, past the
* fourth argument (on the stack in 64-bit code too).
DECLARE INTEGER VarR4CmpR8 IN oleaut32 SINGLE, DOUBLE
? VarR4CmpR8(0.5, 0.25), VarR4CmpR8(0.25, 0.25), VarR4CmpR8(0.25, 0.5)
DECLARE INTEGER CreateCompatibleDC IN gdi32 INTEGER
DECLARE INTEGER DeleteDC IN gdi32 INTEGER
DECLARE INTEGER SetMiterLimit IN gdi32 INTEGER, SINGLE, SINGLE @
DECLARE INTEGER AngleArc IN gdi32 INTEGER, INTEGER, INTEGER, INTEGER, SINGLE, SINGLE
DECLARE INTEGER GetCurrentPositionEx IN gdi32 INTEGER, STRING @
dc = CreateCompatibleDC(0)
old = 0
? SetMiterLimit(dc, 5.5, @old), old
? SetMiterLimit(dc, 2, @old), old
pt = REPLICATE(CHR(0), 8)
? AngleArc(dc, 100, 100, 50, 30, 60), GetCurrentPositionEx(dc, @pt), ASC(pt), ASC(SUBSTR(pt, 5))
? DeleteDC(dc)
DECLARE INTEGER GdipCreateMatrix2 IN gdiplus SINGLE, SINGLE, SINGLE, SINGLE, SINGLE, SINGLE, STRING @
DECLARE INTEGER GdipTransformMatrixPointsI IN gdiplus INTEGER, STRING @, INTEGER
DECLARE INTEGER GdipDeleteMatrix IN gdiplus INTEGER
matrix = REPLICATE(CHR(0), 8)
? GdipCreateMatrix2(2, 10, 20, 3, 40, 50, @matrix)
m = ASC(matrix) + 256 * ASC(SUBSTR(matrix, 2)) + 65536 * ASC(SUBSTR(matrix, 3)) + 16777216 * ASC(SUBSTR(matrix, 4))
point = CHR(1) + REPLICATE(CHR(0), 3) + CHR(2) + REPLICATE(CHR(0), 3)
? GdipTransformMatrixPointsI(m, @point, 1), ASC(point), ASC(SUBSTR(point, 5))
? GdipDeleteMatrix(m)
TRY
  DECLARE INTEGER NoSuchFunction IN kernel32
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  DECLARE INTEGER Something IN no_such_library.dll
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  = MulDiv(1, 2)
CATCH TO e
  ? "too few:", e.ErrorNo
ENDTRY
TRY
  = MulDiv("1", 2, 3)
CATCH TO e
  ? "a text for INTEGER:", e.ErrorNo
ENDTRY
TRY
  = CopyText(target, "x", 2)
CATCH TO e
  ? "by value for STRING @:", e.ErrorNo
ENDTRY
TRY
  DECLARE OBJECT CoTaskMemAlloc IN ole32 INTEGER
CATCH TO e
  ? "OBJECT:", e.ErrorNo
ENDTRY
CLEAR DLLS MulDiv
TRY
  = MulDiv(1, 2, 3)
CATCH TO e
  ? "after CLEAR DLLS MulDiv:", e.ErrorNo
ENDTRY
? lstrlen("still")
CLEAR DLLS
TRY
  = lstrlen("gone")
CATCH TO e
  ? "after CLEAR DLLS:", e.ErrorNo
ENDTRY
DECLARE a(3)
? ALEN(a)
