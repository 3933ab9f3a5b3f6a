* Array functions: searching, sorting, inserting and deleting, copying,
* splitting text into lines, the last error as an array.
DIMENSION a(6)
a(1) = "pear"
a(2) = "Apple"
a(3) = 42
a(4) = "apple pie"
a(5) = {^2024-01-31}
a(6) = "pea"
? "ASCAN"
? ASCAN(a, "apple"), ASCAN(a, "apple", 1, -1, 0, 1), ASCAN(a, 42), ASCAN(a, "42")
? ASCAN(a, "pea"), ASCAN(a, "pea", 1, -1, 0, 6), ASCAN(a, "pea", 2), ASCAN(a, "pear", 2, 4)
? ASCAN(a, {^2024-01-31}), ASCAN(a, "APPLE PIE", 3, 2, 0, 1), ASCAN(a, "x")
DIMENSION g(3, 2)
g(1, 1) = "b"
g(1, 2) = 2
g(2, 1) = "c"
g(2, 2) = "b"
g(3, 1) = "a"
g(3, 2) = 1
? ASCAN(g, "b"), ASCAN(g, "b", 1, -1, 2), ASCAN(g, "b", 1, -1, 2, 8), ASCAN(g, 1, 1, -1, 2, 8), ASCAN(g, "c", 1, -1, -5)
TRY
  = ASCAN(g, "b", 1, -1, 3)
CATCH TO e
  ? "ASCAN column 3 of 2:", e.ErrorNo
ENDTRY

? "ASORT"
DIMENSION s(5)
s(1) = "pear"
s(2) = "Apple"
s(3) = "fig"
s(4) = "apple"
s(5) = "Banana"
= ASORT(s)
? s(1), s(2), s(3), s(4), s(5)
= ASORT(s, 1, -1, 1)
? s(1), s(2), s(3), s(4), s(5)
= ASORT(s, 1, -1, 0, 1)
? s(1), s(2), s(3), s(4), s(5)
= ASORT(s, 4, 2, 1)
? s(1), s(2), s(3), s(4), s(5)
= ASORT(g, 2)
? g(1, 1), g(1, 2), g(2, 1), g(2, 2), g(3, 1), g(3, 2)
= ASORT(g, 3, 2, 1)
? g(1, 1), g(2, 1), g(3, 1)
DIMENSION m(4)
m(1) = 3
m(2) = "x"
m(3) = .T.
m(4) = 1
= ASORT(m)
? m(1), m(2), m(3), m(4)

? "ADEL and AINS"
DIMENSION d(4)
d(1) = 1
d(2) = 2
d(3) = 3
d(4) = 4
? ADEL(d, 2), d(1), d(2), d(3), d(4), ALEN(d)
? AINS(d, 1), d(1), d(2), d(3), d(4)
DIMENSION t(2, 3)
FOR i = 1 TO 6
  t(i) = i
ENDFOR
= ADEL(t, 1)
? t(1), t(2), t(3), t(4), t(5), t(6)
= AINS(t, 2, 2)
? t(1), t(2), t(3), t(4), t(5), t(6)
TRY
  = ADEL(d, 5)
CATCH TO e
  ? "ADEL(d, 5):", e.ErrorNo
ENDTRY
TRY
  = AINS(d, 1, 2)
CATCH TO e
  ? "AINS(d, 1, 2) on one dimension:", e.ErrorNo
ENDTRY

? "ACOPY"
DIMENSION src(2, 2)
src(1) = "a"
src(2) = "b"
src(3) = "c"
src(4) = "d"
? ACOPY(src, fresh), ALEN(fresh, 1), ALEN(fresh, 2), fresh(2, 1)
DIMENSION small(2)
? ACOPY(src, small, 2, 3, 2), ALEN(small), small(1), small(2), small(4)
TRY
  = ACOPY(src, small, 3, 5)
CATCH TO e
  ? "ACOPY past the end:", e.ErrorNo
ENDTRY

? "ALINES"
crlf = CHR(13) + CHR(10)
? ALINES(l, "one" + crlf + " two " + CHR(13) + "three" + CHR(10) + crlf), l(1), "[" + l(2) + "]", l(4) = ""
? ALINES(l, "a" + crlf), ALINES(l, "a" + crlf, 2), ALINES(l, ""), ALINES(l, "", 4)
? ALINES(l, " a , b ,,c ", 1, ","), l(1) + l(2) + "|" + l(3) + "|" + l(4)
? ALINES(l, " a , b ,,c ", 1 + 4, ","), l(3)
? ALINES(l, "aXbxc", 8, "x"), l(3), ALINES(l, "a;b|c", 16, ";", "|"), l(1), l(2)
? ALINES(l, " a ", .T.), "[" + l(1) + "]"
? ALINES(nowhere, "", 4), TYPE("nowhere"), ALINES(l, .NULL.), "[" + l(1) + "]"
TRY
  = ALINES(l, "abc", 0, "")
CATCH TO e
  ? "empty separator:", e.ErrorNo
ENDTRY

? "AERROR"
? AERROR(none)
TRY
  x = undefined_var
CATCH
  ? AERROR(err), ALEN(err, 2), err(1), err(2), err(3), ISNULL(err(4))
ENDTRY
TRY
  = ASCAN(undefined_arr, 1)
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
n = 5
TRY
  = ASORT(n)
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
