* Variable scoping and parameter passing, the host's way.
PUBLIC counter
counter = 0
shared = "main's private"
LOCAL hidden
hidden = "main's local"

DO visibility
? "back in main:", shared, TYPE("madebelow")

x = 10
DO addone WITH x
? "by reference:", x
DO addone WITH (x)
? "(x) by value:", x
? "call by value:", twice(x), x
? "call with @:", twice(@x), x

DIMENSION list(3)
list = "-"
DO mark WITH list
? "array by reference:", list(1), list(2), list(3)

? "recursion:", factorial(10)
? "counter:", counter

PROCEDURE visibility
  ? "main's local seen below:", TYPE("hidden") <> "U"
  ? "main's private seen below:", shared
  PRIVATE shared
  ? "after PRIVATE:", TYPE("shared")
  shared = "visibility's private"
  madebelow = .T.
  DO deeper
  ? "deeper changed it:", shared
ENDPROC

PROCEDURE deeper
  shared = shared + ", changed by deeper"
  counter = counter + 1
ENDPROC

PROCEDURE addone
  PARAMETERS n
  n = n + 1
  counter = counter + 1
ENDPROC

FUNCTION twice(n)
  n = n * 2
  RETURN n
ENDFUNC

PROCEDURE mark
  LPARAMETERS arr
  arr(2) = "x"
ENDPROC

FUNCTION factorial
  LPARAMETERS n
  IF n <= 1
    RETURN 1
  ENDIF
  RETURN n * factorial(n - 1)
ENDFUNC
