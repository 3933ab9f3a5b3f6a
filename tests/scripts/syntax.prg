* A statement that does not parse fails when it is reached, like any error.
? "before"
TRY
  x = (1 +
CATCH TO e
  ? e.ErrorNo, e.Message, e.LineNo
ENDTRY
? "after"
frobnicate the widget
? "not reached"
