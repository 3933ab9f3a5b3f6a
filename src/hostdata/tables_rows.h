// Rows of the table functions.
FAMILY(Table, "Tables",
       "Thin functions over the tables the host has open: the record pointer, record counts, "
       "status, appending, replacing a field, seeking, committing and locking, each for the "
       "table in a work area. The work area is optional everywhere; left out, or -1, it is "
       "the current one. Host answers come back as they are: in tarvo-run 0 is success and "
       "anything else the host's error number (52 when no table is open there).")
// A bit of the table's status: name, the bit, what it tells.
#define STATUS_ROW(name, bit, what)                                                             \
    ROW(name, ".I", DOC(.summary = "Answers whether " what ".",                                 \
                        .params = "nWorkArea: the work area (-1 or left out: the current one)", \
                        .returns = "L",                                                         \
                        .result = ".T. when the table's status has the bit " #bit               \
                                  "; .F. when no table is open there.",                         \
                        .example = "CREATE CURSOR t (a I)\n? " name "()", .output = STATUS_EXAMPLE_##bit), \
        Fn<StatusBit<bit>>)
#define STATUS_EXAMPLE_4 ".F."
#define STATUS_EXAMPLE_8 ".F."
#define STATUS_EXAMPLE_16 ".T."
#define STATUS_EXAMPLE_32 ".F."

ROW("DBF_GOTOP", ".I", DOC(
    .summary = "Moves to the first record of a table.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "I",
    .result = "The host's answer: in tarvo-run 0, or the host's error number (52 when no table "
              "is open there). In an empty table the pointer is at the end.",
    .example = "CREATE CURSOR t (a I)\nAPPEND BLANK\nAPPEND BLANK\n? DBF_GOTOP(), RECNO()",
    .output = "         0          1"), Fn<DbfGoTop>)
ROW("DBF_GOBOTTOM", ".I", DOC(
    .summary = "Moves to the last record of a table.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "I",
    .result = "The host's answer: in tarvo-run 0, or the host's error number.",
    .example = "CREATE CURSOR t (a I)\nAPPEND BLANK\nAPPEND BLANK\nGO TOP\n? DBF_GOBOTTOM(), RECNO()",
    .output = "         0          2"), Fn<DbfGoBottom>)
ROW("DBF_RECCNT", ".I", DOC(
    .summary = "Answers the number of records of a table.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "I",
    .result = "The number of records, deleted ones included; 0 when no table is open there.",
    .example = "CREATE CURSOR t (a I)\nAPPEND BLANK\n? DBF_RECCNT()",
    .output = "         1"), Fn<DbfRecCount>)
ALIAS("DBF_RECCOUNT", "DBF_RECCNT")
ALIAS("DBF_LASTREC", "DBF_RECCNT")
ROW("DBF_EMPTY", ".I", DOC(
    .summary = "Answers whether a table has no records.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "L",
    .result = ".T. when the record count is 0 (also when no table is open there).",
    .example = "CREATE CURSOR t (a I)\n? DBF_EMPTY()",
    .output = ".T."), Fn<DbfEmpty>)
ROW("DBF_STATUS", ".I", DOC(
    .summary = "Answers the status bits of a table.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "I",
    .result = "The sum of: 1 at the beginning, 2 at the end, 4 the current record locked, 8 the "
              "table locked, 16 opened exclusively, 32 read-only; 0 when no table is open there.",
    .example = "CREATE CURSOR t (a I)\n? DBF_STATUS()",
    .output = "        19"), Fn<DbfStatus>)
STATUS_ROW("DBF_EXCLU", 16, "a table is open exclusively")
ALIAS("DBF_ISEXCLUSIVE", "DBF_EXCLU")
STATUS_ROW("DBF_FLOCKD", 8, "a table is locked as a whole")
ALIAS("DBF_ISTABLELOCKED", "DBF_FLOCKD")
STATUS_ROW("DBF_RLOCKD", 4, "the current record of a table is locked")
ALIAS("DBF_ISRECORDLOCKED", "DBF_RLOCKD")
STATUS_ROW("DBF_READON", 32, "a table is open read-only")
ALIAS("DBF_ISREADONLY", "DBF_READON")
ROW("DBF_COMMIT", ".I", DOC(
    .summary = "Writes a table's changes to the disk.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "L",
    .result = ".T. when the host answered 0.",
    .notes = "tarvo-run writes each record as it changes; a commit asks the system to put the "
             "file's buffers on the disk.",
    .example = "CREATE CURSOR t (a I)\n? DBF_COMMIT()",
    .output = ".T."), Fn<DbfCommit>)
ROW("DBF_SEEK", "?", DOC(
    .summary = "Seeks a key in the current order of the current work area.",
    .params = "eKey: the key, of the order's type",
    .returns = "L",
    .result = ".T. when found: the pointer is then on the first record of that key (a text key "
              "finds the first key that starts with it); .F. with the pointer at the end when the "
              "key is not there, .F. with the pointer where it was when there is no table, no "
              "order, or a key of another type than the order's.",
    .errors = "None of its own: the host's refusals answer \"not found\".",
    .example = "CREATE CURSOR t (name C(10))\n"
               "APPEND BLANK\nREPLACE name WITH 'ant'\nAPPEND BLANK\nREPLACE name WITH 'bee'\n"
               "INDEX ON name TAG name\n"
               "? DBF_SEEK('be'), RECNO(), DBF_SEEK('dog'), EOF()",
    .output = ".T.          2 .F. .T."), Fn<DbfSeek>)
ALIAS("DBF_LOOKUP", "DBF_SEEK")
ALIAS("DBF_SEARCH", "DBF_SEEK")
ROW_NOFUZZ("DBF_APPEND", ".I,.I",
           "a random count appends records, or sends answers, up to two billion times", DOC(
    .summary = "Appends blank records to a table.",
    .params = "nCount: how many (left out: 1)\n"
              "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "I",
    .result = "The host's answer to the last append (0 in tarvo-run, or its error number); one "
              "answer goes back for each append. Nothing at all for a count below 1.",
    .notes = "The host is asked nCount times whatever it answers, since what an answer means "
             "is the host's: with no table, a read-only table or a table another holds "
             "locked, each append answers tarvo-run's error number and appends nothing.",
    .example = "CREATE CURSOR t (a I)\n? DBF_APPEND(3), RECCOUNT(), RECNO()",
    .output = "         0          3          3"), Fn<DbfAppend>)
ROW("DBF_LOCK", ".I,.I", DOC(
    .summary = "Locks a record, or the whole table, of the current work area.",
    .params = "nWhat: 0 or left out: the current record; a record number: that record; a "
              "negative number: the whole table\n"
              "nWorkArea: not used (the current work area is always meant)",
    .returns = "L",
    .result = "Whether the lock is held. A table open exclusively is always locked.",
    .notes = "A record lock releases the other record locks of the work area. In a shared table "
             "a record another process (or another work area on the same file) holds locked "
             "answers .F. at once.",
    .example = "CREATE CURSOR t (a I)\nAPPEND BLANK\n? DBF_LOCK(), ISRLOCKED()",
    .output = ".T. .T."), Fn<DbfLock>)
ROW("DBF_REPLAC", "R,?", DOC(
    .summary = "Stores a value into a field of the current record.",
    .params = "rField: the field, passed by reference (@alias.field)\n"
              "eValue: the value, of the field's type",
    .returns = "L",
    .result = ".T. when the host stored it; .F. when it refused (a value of another type, a "
              "number too wide for the field, a record another holds locked, the end of the "
              "table).",
    .notes = "In network mode (NET_SETNET) the current record of the current work area is "
             "locked first and the work area unlocked afterwards, which also lets go of any "
             "lock the program held there before; when the lock cannot be had nothing is "
             "stored and the answer is .F.",
    .example = "CREATE CURSOR t (name C(10), n N(5))\nAPPEND BLANK\n"
               "? DBF_REPLAC(@t.name, 'Smith'), DBF_REPLAC(@t.n, 'text'), t.name",
    .output = ".T. .F. Smith     "), Fn<DbfReplace>)
ALIAS("DBF_REPLACE", "DBF_REPLAC")
ROW("DBF_ENDOFTABLE", ".I", DOC(
    .summary = "Answers whether the current record is the last one of a table.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "L",
    .result = ".T. on the last record, in an empty table, and at the end of the table; .F. on "
              "any other record.",
    .notes = "The pointer stays where it was, except at the end of a table with records, where "
             "it goes back to the last record.",
    .example = "CREATE CURSOR t (a I)\n=DBF_APPEND(2)\nGO 1\n? DBF_ENDOFTABLE(), RECNO()\n"
               "GO 2\n? DBF_ENDOFTABLE(), RECNO()",
    .output = ".F.          1\n.T.          2"), Fn<DbfEndOfTable>)
ALIAS("DBF_EOT", "DBF_ENDOFTABLE")
ROW("DBF_BEGINOFTABLE", ".I", DOC(
    .summary = "Answers whether the current record is the first one of a table.",
    .params = "nWorkArea: the work area (-1 or left out: the current one)",
    .returns = "L",
    .result = ".T. on the first record, at the beginning of the table, and at the end of a "
              "table of one record; .F. otherwise.",
    .notes = "The pointer stays where it was.",
    .example = "CREATE CURSOR t (a I)\n=DBF_APPEND(2)\nGO 2\n? DBF_BEGINOFTABLE(), RECNO()\n"
               "GO 1\n? DBF_BEGINOFTABLE(), RECNO()",
    .output = ".F.          2\n.T.          1"), Fn<DbfBeginOfTable>)
ALIAS("DBF_BOT", "DBF_BEGINOFTABLE")

#undef STATUS_ROW
#undef STATUS_EXAMPLE_4
#undef STATUS_EXAMPLE_8
#undef STATUS_EXAMPLE_16
#undef STATUS_EXAMPLE_32
