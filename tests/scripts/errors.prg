* Host errors: numbers, texts, lines; TRY/CATCH/FINALLY and ON ERROR.
TRY
  x = 1 / 0
CATCH TO e
  ? e.ErrorNo, e.Message, "line", e.LineNo
ENDTRY

TRY
  x = "a" + 1
CATCH
  ? ERROR(), MESSAGE(), MESSAGE(1)
ENDTRY

TRY
  DO failing
CATCH TO e
  ? e.ErrorNo, e.Message, "in", e.Procedure, "line", e.LineNo
FINALLY
  ? "finally runs"
ENDTRY

TRY
  THROW "my value"
CATCH TO e WHEN e.ErrorNo = 1307
  ? "not this one"
CATCH TO e
  ? e.ErrorNo, e.Message, e.UserValue
ENDTRY

TRY
  ERROR "a text of my own"
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY

TRY
  TRY
    x = nosuch
  FINALLY
    ? "inner finally"
  ENDTRY
CATCH TO e
  ? "outer catch:", e.ErrorNo
ENDTRY

ON ERROR DO report WITH ERROR(), MESSAGE(), LINENO()
x = undefined + 1
? "goes on after the failing line"
ON ERROR

? "the next error is not caught"
y = 1
y = y + "1"
? "not reached"

PROCEDURE failing
  LOCAL a
  a = 1
  a = a + nothing
ENDPROC

PROCEDURE report
  LPARAMETERS number, text, line
  ? "ON ERROR:", number, text, "line", line
ENDPROC
