// Rows of the change notifications.
FAMILY(Notification, "Files: change notifications",
       "A program asks to be told when something changes in a folder. Up to 50 notifications "
       "(slots 0 to 49) each watch one folder; one poll, every 5000 ms unless NOT_FREQUENCY "
       "says otherwise, looks at them all while the host serves its messages (READ EVENTS, "
       "DOEVENTS, WAIT ... TIMEOUT, INKEY(n)) and, for each that fired, runs its action: the "
       "host command DO procedure WITH slot (strategy 1), or a program started with the slot "
       "number as its argument. An error in an action ends that poll only. Every function but "
       "NOT_LASTERROR and NOT_TEST leaves \"The operation completed successfully.\" or a "
       "failure text for NOT_LASTERROR; slot numbers outside 0 to 49 touch nothing.")
// A constant of the table: name, what it is, the value.
#define TABLE_CONSTANT_ROW(name, what, value, shown)                                            \
    ROW(name, "", DOC(.summary = "The " what ".", .returns = "I", .result = #value ".",          \
                      .example = "? " name "()", .output = shown),                               \
        Fn<Constant<value>>)
// Suspending and resuming: name, what it does, the flag; the same for all slots.
#define SUSPEND_ROW(name, what, flag, shown)                                                    \
    ROW(name, "I", DOC(.summary = what " one notification.",                                    \
                       .params = "nSlot: the slot", .returns = "",                              \
                       .result = "No value of its own (the host takes .T.).",                   \
                       .notes = "A free slot keeps the flag for the next NOT_SET into it.",     \
                       .example = "=" name "(0)\n? NOT_INFO(0, 5)",                             \
                       .output = shown),                                                        \
        Fn<Suspend<flag>>)
#define SUSPEND_ALL_ROW(name, what, flag, shown)                                                \
    ROW(name, "", DOC(.summary = what " every notification, free slots included.", .returns = "", \
                      .result = "No value of its own (the host takes .T.).",                    \
                      .example = "=" name "()\n? NOT_INFO(49, 5)",                              \
                      .output = shown),                                                         \
        Fn<SuspendAll<flag>>)

ROW("NOT_SET", "C,C,L,I", DOC(
    .summary = "Starts watching a folder; answers the slot that watches it.",
    .params = "cFolder: the folder\n"
              "cCommand: a procedure of the program (strategy 1, the default) or a program to "
              "start\n"
              "lSubtree: .T. to watch the folders below it too\n"
              "nFilter: what counts as a change: 1 file names, 2 folder names, 4 attributes, 8 "
              "sizes, 16 last writes, 256 security, added up",
    .returns = "I",
    .result = "The slot, the lowest free one; -1 when all 50 are taken or Windows refuses the "
              "folder (missing, a file), and NOT_LASTERROR then says \"Cannot set notification "
              "on\" and the folder.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The first notification starts the poll (NOT_LASTERROR is then empty). The slot "
             "keeps the suspended flag and strategy it had. Under Wine a folder that existed "
             "below the watched one before the watch began is not watched until something "
             "opens it.",
    .example = "MKDIR inbox\n"
               "n = NOT_SET('inbox', 'OnMail', .F., 1)\n"
               "? n, NOT_ISTIMER(), NOT_INFO(n, 1), NOT_SET('missing', 'OnMail', .F., 1)\n"
               "? NOT_LASTERROR()\n"
               "=NOT_KILL(n)",
    .output = "         0 .T. inbox         -1\n"
              "Cannot set notification on missing"), Fn<NotSet>)
ROW("NOT_KILL", "I", DOC(
    .summary = "Stops a notification and frees its slot.",
    .params = "nSlot: the slot",
    .returns = "L",
    .result = ".T.; .F. for a free slot or one outside 0 to 49, and when Windows refuses to "
              "close it (NOT_LASTERROR then has Windows' text).",
    .notes = "Freeing the last notification stops the poll.",
    .example = "MKDIR inbox\n"
               "n = NOT_SET('inbox', 'OnMail', .F., 1)\n"
               "? NOT_KILL(n), NOT_ISTIMER(), NOT_KILL(n)",
    .output = ".T. .F. .F."), Fn<NotKill>)
SUSPEND_ROW("NOT_SUSPEND", "Suspends", 1, ".T.")
SUSPEND_ROW("NOT_RESUME", "Resumes", 0, ".F.")
SUSPEND_ALL_ROW("NOT_SUSPENDALL", "Suspends", 1, ".T.")
SUSPEND_ALL_ROW("NOT_RESUMEALL", "Resumes", 0, ".F.")
ROW("NOT_STRATEGY", "I,I", DOC(
    .summary = "Sets what a notification's action is: a host procedure or a program.",
    .params = "nSlot: the slot\n"
              "nStrategy: 1 the host command DO command WITH slot; any other value starts the "
              "program \"command slot\"",
    .returns = "I",
    .result = "The strategy before the call; -1 for a slot outside 0 to 49.",
    .example = "? NOT_STRATEGY(0, 2), NOT_STRATEGY(0, 1)",
    .output = "         1          2"), Fn<NotStrategy>)
ROW("NOT_FREQUENCY", ".I", DOC(
    .summary = "Answers how often the notifications are polled and, given a period, polls "
             "that often from now on.",
    .params = "nMilliseconds: the new period",
    .returns = "I",
    .result = "The period before the call, in milliseconds; 5000 at load.",
    .notes = "A running poll is restarted with the new period.",
    .example = "? NOT_FREQUENCY(1000), NOT_FREQUENCY()",
    .output = "      5000       1000"), Fn<NotFrequency>)
ROW("NOT_INFO", "I,I", DOC(
    .summary = "One field of a notification's slot.",
    .params = "nSlot: the slot\n"
              "nWhat: 1 the folder, 2 the command, 3 the subtree flag, 4 the filter, 5 the "
              "suspended flag, 6 the strategy",
    .returns = "?",
    .result = "A text for 1 and 2, a logical for 3 and 5, an integer for 4 and 6; the empty "
              "text for another nWhat (NOT_LASTERROR: \"Parameter not supported\") or a slot "
              "outside 0 to 49.",
    .example = "? NOT_INFO(0, 6), NOT_INFO(0, 5), LEN(NOT_INFO(0, 1))\n"
               "? NOT_INFO(0, 9) == '', NOT_LASTERROR()",
    .output = "         1 .F.          0\n"
              ".T. Parameter not supported"), Fn<NotInfo>)
ROW("NOT_HANDLESFREE", "", DOC(
    .summary = "How many of the 50 slots are free.",
    .returns = "I",
    .result = "0 to 50.",
    .example = "? NOT_HANDLESFREE()",
    .output = "        50"), Fn<NotHandlesFree>)
TABLE_CONSTANT_ROW("NOT_HANDLESCOUNT", "number of slots", 50, "        50")
TABLE_CONSTANT_ROW("NOT_MAXHANDLE", "highest slot number", 49, "        49")
TABLE_CONSTANT_ROW("NOT_MINHANDLE", "lowest slot number", 0, "         0")
ROW("NOT_ISTIMER", "", DOC(
    .summary = "Whether the poll runs.",
    .returns = "L",
    .result = ".T. from the first NOT_SET until NOT_KILLTIMER or the last NOT_KILL.",
    .example = "? NOT_ISTIMER()",
    .output = ".F."), Fn<NotIsTimer>)
ROW("NOT_KILLTIMER", "", DOC(
    .summary = "Stops the poll; the notifications stay, unpolled, until the next NOT_SET starts "
               "it again.",
    .returns = "L",
    .result = ".T. when it is stopped (or none ran); .F. when Windows refuses (NOT_LASTERROR "
              "then has Windows' text).",
    .example = "? NOT_KILLTIMER(), NOT_ISTIMER()",
    .output = ".T. .F."), Fn<NotKillTimer>)
ROW("NOT_LASTERROR", "", DOC(
    .summary = "What the last notification function left: success or why it failed.",
    .returns = "C",
    .result = "\"The operation completed successfully.\", a failure text, or the empty text "
              "(at load, after the poll started, after NOT_ZAPALL); a poll resets it to "
              "success.",
    .example = "? NOT_LASTERROR() == '', NOT_HANDLESFREE() > 0, NOT_LASTERROR()",
    .output = ".T. .T. The operation completed successfully."), Fn<NotLastError>)
ROW("NOT_ZAPALL", "", DOC(
    .summary = "Stops every notification and frees every slot; the poll goes on.",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=NOT_ZAPALL()\n"
               "? NOT_HANDLESFREE()",
    .output = "        50"), Fn<NotZapAll>)
ROW("NOT_SAVEALL", "", DOC(
    .summary = "All 50 slots as one text, for NOT_RESTOREALL.",
    .returns = "C",
    .result = "A record for each slot, in order, joined by \"^\": folder;command;subtree;filter;"
              "suspended;strategy (the last four as numbers). A free slot gives ;;0;0;0;1 when "
              "never used.",
    .example = "? LEN(NOT_SAVEALL()), LEFT(NOT_SAVEALL(), 19)",
    .output = "       499 ;;0;0;0;1^;;0;0;0;1"), Fn<NotSaveAll>)
ROW("NOT_RESTOREALL", "C", DOC(
    .summary = "Frees every slot and sets again the notifications a NOT_SAVEALL text holds.",
    .params = "cSaved: the text",
    .returns = "L",
    .result = ".T. when every record was set; .F. at the first one Windows refuses, and "
              "NOT_LASTERROR then says \"Cannot restore notification on\" and the folder "
              "(the records before it stay set).",
    .errors = "Error 182 when memory runs out.",
    .notes = "The notifications take the lowest slots in the text's order, so free slots "
             "between them close up; each keeps its suspended flag and strategy. Missing "
             "fields are empty, numbers without digits 0.",
    .example = "MKDIR a\n"
               "MKDIR b\n"
               "=NOT_SET('a', 'OnA', .F., 1)\n"
               "=NOT_SET('b', 'OnB', .F., 1)\n"
               "=NOT_KILL(0)\n"
               "cSaved = NOT_SAVEALL()\n"
               "? NOT_RESTOREALL(cSaved), NOT_INFO(0, 2)",
    .output = ".T. OnB"), Fn<NotRestoreAll>)
ROW("NOT_TEST", "", DOC(
    .summary = "A fixed text, to check the library answers.",
    .returns = "C",
    .result = "\"Hello;0\".",
    .example = "? NOT_TEST()",
    .output = "Hello;0"), Fn<NotTest>)
#undef TABLE_CONSTANT_ROW
#undef SUSPEND_ROW
#undef SUSPEND_ALL_ROW
