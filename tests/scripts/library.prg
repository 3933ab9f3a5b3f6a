* Calling the library: its functions by name, checked against their types.
FOR i = 0 TO 6
  ?? TST_TEST(i)
ENDFOR
? tst_test(3.9), TST_TEST(-1), VARTYPE(TST_TEST(1))

* The do-nothing names return no value: the host gives .T.
? MIS_NOTHING(), NOTHING(), COM_STATE(), FNT_ADD("Arial"), COM_CLOSE(1)
v = 5
? MIS_NOTHIN(1, "two", .T., {^2024-01-01}, .NULL., $3, @v), v

* Wrong count or type: host error 11.
DIMENSION tries(5)
tries(1) = "TST_TEST()"
tries(2) = "TST_TEST(1, 2)"
tries(3) = "TST_TEST('3')"
tries(4) = "TST_TEST(.T.)"
tries(5) = "FNT_ADD(12)"
FOR EACH attempt IN tries
  TRY
    x = EVALUATE(attempt)
    ? attempt, "gave", x
  CATCH TO e
    ? attempt, "->", e.ErrorNo, e.Message
  ENDTRY
ENDFOR

* A name the library does not have.
TRY
  x = TST_NOSUCH(1)
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY

* Releasing and loading the library again.
RELEASE LIBRARY
? TYPE("TST_TEST(1)")
SET LIBRARY TO TARVO.fll
? TST_TEST(5)
