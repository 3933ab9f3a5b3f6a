// Rows of the two test entries and of the do-nothing handler, which keeps
// obsolete names callable and answers no value at all.
FAMILY(Test, "Tests and obsolete names",
       "Two entries for checking that the library is loaded and answers, and the names that "
       "are kept callable for older programs but do nothing.")
ROW("TST_TEST", "I", DOC(
    .summary = "Answers an element of a fixed list, to check that the library is loaded.",
    .params = "nIndex: the position in the list 0, 1, 2, 27, 4, 5, counting from 0",
    .returns = "I",
    .result = "The element at that position; -1 for a position outside 0 to 5.",
    .example = "? TST_TEST(3), TST_TEST(0), TST_TEST(6)",
    .output = "        27          0         -1"), Fn<TstTest>)
ROW_NOFUZZ("TST_TEST2", "", "runs a window's message loop until Escape is pressed", DOC(
    .summary = "Shows a test window and waits until Escape closes it.",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Opens a window titled \"Test of TARVO\" and runs its message loop on the "
             "host's thread: the call returns when the window has the focus and Escape is "
             "pressed.",
    .example = "=TST_TEST2()\n"
               "? 'closed'"), Raw(TstTest2))
ROW("COM_CLOSE", "I", DOC(
    .summary = "Does nothing; kept so that older programs still run.",
    .params = "nIgnored: never read",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Its aliases take other parameters, which are never read either.",
    .example = "? COM_CLOSE(1), NOTHING()",
    .output = ".T. .T."), Raw(Nothing))
ALIAS_TYPED("COM_STATE", "", "COM_CLOSE")
ALIAS_TYPED("FNT_ADD", "C", "COM_CLOSE")
ALIAS_TYPED("FNT_REM", "C", "COM_CLOSE")
ALIAS_TYPED("MIS_NOTHIN", ".?,.?,.?,.?,.?,.?,.?,.?,.?,.?,", "COM_CLOSE")
ALIAS_TYPED("MIS_NOTHING", "", "COM_CLOSE")
ALIAS_TYPED("NOTHING", "", "COM_CLOSE")
