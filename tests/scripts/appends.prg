* buf = buf + piece appends in place, with the meaning of the assignment.
b = ""
FOR i = 1 TO 1000
  b = b + IIF(i > 1, ",", "") + TRANSFORM(i)
ENDFOR
? LEN(b), RIGHT(b, 9)
* Pieces see the text as it was before the statement.
b = "ab"
b = b + RIGHT(b, 1) + UPPER(b)
? b
b = "ab"
b = b + Grow() + b
? b
* A piece that is no text fails as the assignment does, and changes nothing.
TRY
  b = b + "x" + 1
CATCH TO e
  ? e.ErrorNo, b
ENDTRY
b = b + .NULL.
? b
* Array elements, m., locals and parameters by reference.
DIMENSION a(2, 2)
a(2, 1) = "x"
FOR i = 1 TO 3
  a(2, 1) = a[2, 1] + STR(i, 1)
ENDFOR
m.c = "m"
m.c = m.c + "."
? a(2, 1), a(1, 1), c
DO AddTo WITH c
? c, Built()
TRY
  b = SPACE(16777180)
  b = b + "12345"
CATCH TO e
  ? e.ErrorNo, LEN(b)
ENDTRY

FUNCTION Grow
b = "zz"
RETURN "!"

PROCEDURE AddTo
PARAMETERS s
s = s + "ref"

FUNCTION Built
LOCAL t
t = "loc"
t = t + "al"
RETURN t
