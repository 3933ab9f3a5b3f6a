* Procedure files, DO ... IN, SET PATH, RETRY, ASSERT and DISPLAY MEMORY.
crlf = CHR(13) + CHR(10)
MD lib
= STRTOFILE("? 'main of one'" + crlf + "PROCEDURE hello(who)" + crlf + "? 'hello from one, ' + who" + crlf + ;
  "PROCEDURE only_one" + crlf + "RETURN 1", "lib\one.prg")
= STRTOFILE("PROCEDURE hello(who)" + crlf + "? 'hello from two, ' + who" + crlf + ;
  "PROCEDURE only_two" + crlf + "RETURN 2", "lib\two.prg")

? "SET PROCEDURE"
TRY
  SET PROCEDURE TO one
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
SET PATH TO nowhere; lib
SET PROCEDURE TO one
DO hello WITH "a"
? only_one()
SET PROCEDURE TO two ADDITIVE
? only_one() + only_two()
DO hello WITH "b"
SET PROCEDURE TO two
DO hello WITH "c"
TRY
  ? only_one()
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
RELEASE PROCEDURE two
TRY
  ? only_two()
CATCH TO e
  ? "after RELEASE PROCEDURE:", e.ErrorNo
ENDTRY
SET PROCEDURE TO one, two
? only_one() + only_two(), JUSTFNAME(SET("PROCEDURE")), SET("PATH")
SET PROCEDURE TO
TRY
  ? only_one()
CATCH TO e
  ? "after SET PROCEDURE TO:", e.ErrorNo
ENDTRY

? "DO ... IN"
DO hello IN two WITH "d"
DO one IN one
DO hello IN lib\one.prg WITH "e"
TRY
  DO nothing IN two
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
SET PATH TO
TRY
  DO hello IN one WITH "f"
CATCH TO e
  ? "without the path:", e.ErrorNo
ENDTRY

? "RETRY"
divisor = 0
tries = 0
ON ERROR DO Repair
? 10 / divisor, tries
ON ERROR
divisor = 0
tries = 0
ON ERROR DO Count WITH 3
x = 10 / divisor
ON ERROR
? "after ON ERROR RETRY:", tries
? Outer()

? "ASSERT"
ASSERT .F. MESSAGE "not shown: SET ASSERTS is OFF"
SET ASSERTS ON
? SET("ASSERTS")
ASSERT 1 = 1
ASSERT 1 = 2
ASSERT .F. MESSAGE "custom " + "message"
TRY
  ASSERT "text"
CATCH TO e
  ? "ASSERT of a text:", e.ErrorNo
ENDTRY
SET ASSERTS OFF
ASSERT "not evaluated"

? "DISPLAY MEMORY"
RELEASE ALL
PUBLIC pubnum
pubnum = 1.5
LOCAL loctext
loctext = "abc"
privdate = {^2024-01-31}
DIMENSION grid(2, 2)
grid(1, 1) = "x"
grid(2, 2) = .NULL.
DISPLAY MEMORY
LIST MEMORY LIKE P* TO FILE mem NOCONSOLE
RELEASE grid
crlf = CHR(13) + CHR(10)
? FILETOSTR("mem.txt") == "PRIVDATE    Priv   D  01/31/24  PROCEDURES" + crlf + ;
  "PUBNUM      Pub    N  1.5          (          1.50000000)" + crlf + "2 variables defined" + crlf
ON ERROR

PROCEDURE Repair
  tries = tries + 1
  divisor = 5
  RETRY
ENDPROC

PROCEDURE Count(limit)
  tries = tries + 1
  IF tries < limit
    RETRY
  ENDIF
  divisor = 1
  RETRY
ENDPROC

PROCEDURE Outer
  LOCAL n
  n = 0
  n = n + Inner(@n)
  RETURN n
ENDPROC

PROCEDURE Inner(k)
  k = k + 1
  IF k < 3
    RETRY
  ENDIF
  RETURN 100
ENDPROC
