* A program whose first statement is SET LIBRARY TO or RELEASE LIBRARY
* chooses its library itself: nothing is loaded before it runs.
RELEASE LIBRARY
? TYPE("TST_TEST(1)")
SET LIBRARY TO TARVO
? TST_TEST(3)
SET LIBRARY TO
? TYPE("TST_TEST(1)")
TRY
  SET LIBRARY TO nowhere.fll
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
