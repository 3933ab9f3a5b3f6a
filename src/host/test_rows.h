// Rows of the two test entries and of the do-nothing handler, which keeps
// obsolete names callable and answers no value at all.
// (Included by test_handlers.cpp and host/catalogue.cpp.)
ROW("TST_TEST", "I", UNDOCUMENTED, Fn<TstTest>)
ROW_NOFUZZ("TST_TEST2", "", "runs a window's message loop until Escape is pressed", UNDOCUMENTED,
           Raw(TstTest2))
ROW("COM_CLOSE", "I", UNDOCUMENTED, Raw(Nothing))
ROW("COM_STATE", "", ALIAS_OF("COM_CLOSE"), Raw(Nothing))
ROW("FNT_ADD", "C", ALIAS_OF("COM_CLOSE"), Raw(Nothing))
ROW("FNT_REM", "C", ALIAS_OF("COM_CLOSE"), Raw(Nothing))
ROW("MIS_NOTHIN", ".?,.?,.?,.?,.?,.?,.?,.?,.?,.?,", ALIAS_OF("COM_CLOSE"), Raw(Nothing))
ROW("MIS_NOTHING", "", ALIAS_OF("COM_CLOSE"), Raw(Nothing))
ROW("NOTHING", "", ALIAS_OF("COM_CLOSE"), Raw(Nothing))
