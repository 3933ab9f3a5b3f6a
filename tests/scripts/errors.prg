* Host errors through a whole run: MESSAGE(1), ON ERROR with a procedure,
* and an uncaught error reported on standard error (TRY, CATCH, FINALLY and
* THROW: the interpreter's own tests).
TRY
  x = "a" + 1
CATCH
  ? ERROR(), MESSAGE(), MESSAGE(1)
ENDTRY

ON ERROR DO report WITH ERROR(), MESSAGE(), LINENO()
x = undefined + 1
? "goes on after the failing line"
ON ERROR

? "the next error is not caught"
y = 1
y = y + "1"
? "not reached"

PROCEDURE report
  LPARAMETERS number, text, line
  ? "ON ERROR:", number, text, "line", line
ENDPROC
