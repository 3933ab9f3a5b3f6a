* Commands by their verbs: written out or cut to four letters or more, the
* verbs of two words, and the words a command does not take.
DIME a(2)
DECLARE b[1, 2]
LOCAL ARRAY c(1)
STOR "one" TO a(1), b(1, 2), c(1)
? a(1) + b(1, 2) + c(1), ALEN(b, 2)
PUBL ARRAY shared(2)
? TYPE("shared(1)"), TYPE("shared")

SET EXAC ON
? "ab" = "a", SET("EXACT")
SET EXACT OFF
SET DECI TO 4
? 1 / 3
SET DECIMALS TO 2

MD made
CD made
? STRTOFILE("x", "inner.txt"), FILE("inner.txt")
DELETE FILE inner.txt
SET DEFAULT TO ..
RD made
? FILE("made\inner.txt")

CLEAR
CLEAR ALL
NOTE nothing runs here
total = 0
FOR i = 1 TO 3
  FOR j = 1 TO 3
    IF j = 2
      LOOP
    ENDIF
    IF i = 3
      EXIT
    ENDIF
    total = total + i * 10 + j
  ENDF
ENDF
? "total", total

? "types:"
FOR EACH item IN a
  ?? " " + TYPE("item")
ENDFOR

TRY
  PRIVATE ALL LIKE x*
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  ? f()
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
RELE ALL EXTENDED
? TYPE("total")

FUNCTION f
  RETURN TO MASTER
ENDFUNC
