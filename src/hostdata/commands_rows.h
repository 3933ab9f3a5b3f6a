// Rows of the commands and expressions handed to the host, with the command
// log and the tracing file.
FAMILY(Command, "Commands and evaluation",
       "Host commands and expressions built at run time, command files and snap-in files run "
       "line by line, and a trace of what failed. Every command or expression these names hand "
       "to the host raises the command count by one. A command or expression the host answers "
       "with an error is never raised as an error: while a command log is set, it gets one line "
       "\"N ... text\" (the host's error number, \" ... \" and the text). While stepping is on, "
       "the step command runs after every command, uncounted and unlogged. In a command file, "
       "everything from \"//\" on is a comment, trailing blanks are cut, and a line ending in "
       "\";\" continues on the next one (joined without a separator); empty and comment-only "
       "lines run as empty commands. Lines are read into 512 bytes: a longer line is cut to its "
       "first 511 characters, and a command joined from continuation lines to its first 1023.")
ROW("DDA_EXECUT", "C", DOC(
    .summary = "Runs a host command.",
    .params = "cCommand: the command, up to its first zero byte",
    .returns = "L",
    .result = ".T. when the host ran it without error; .F. when the host answered an error, "
              "which goes to the command log when one is set.",
    .errors = "Error 182 when memory runs out.",
    .notes = "Raises the command count, then runs the step command while stepping is on "
             "(DDA_STOP). Commands the step command sends through the library do not step "
             "again.",
    .example = "nTotal = 1\n"
               "? DDA_EXECUTE('nTotal = nTotal + 41'), nTotal\n"
               "? DDA_EXECUTE('NOSUCHVERB 1')",
    .output = ".T.         42\n"
              ".F."), Fn<DdaExecut>)
ALIAS("DDA_EXECUTE", "DDA_EXECUT")
ROW("DDA_FILEXE", "C", DOC(
    .summary = "Runs a command file line by line.",
    .params = "cFile: the command file",
    .returns = "L",
    .result = ".T. always: also when the file cannot be opened or is empty (nothing runs then).",
    .errors = "Error 182 when memory runs out.",
    .notes = "Each complete command runs as DDA_EXECUTE runs one (counted, logged on error, "
             "followed by the step command); a command that fails does not stop the file. A "
             "continuation on the last line runs nothing. Only the lines the file holds when it "
             "is opened run: lines a command adds to it meanwhile (the command log being the "
             "same file, say) do not.",
    .example = "=STRTOFILE('nA = 1 ;' + CHR(13) + CHR(10) + '+ 2  // the sum' + CHR(13) + CHR(10), "
               "'sum.prg')\n"
               "=DDA_COUNT(0)\n"
               "? DDA_EXECUTEFILE('sum.prg'), nA, DDA_COUNT()",
    .output = ".T.          3          1"), Fn<DdaFilExe>)
ALIAS("DDA_EXECUTEFILE", "DDA_FILEXE")
ALIAS("DDA_FILEEXECUTE", "DDA_FILEXE")
ALIAS("EXECUTEFILE", "DDA_FILEXE")
ROW("DDA_EXECUTESNAPIN", "C", DOC(
    .summary = "Runs a snap-in file: a command file whose first line begins with \"QX1.0\".",
    .params = "cFile: the snap-in file",
    .returns = "L",
    .result = ".T. always: also when the file cannot be opened, lacks the signature or holds "
              "nothing after it (nothing runs then).",
    .errors = "Error 182 when memory runs out.",
    .notes = "The signature line itself does not run (the rest of it is ignored); the lines "
             "after it run as DDA_EXECUTEFILE runs them.",
    .example = "=STRTOFILE('QX1.0 my snap-in' + CHR(13) + CHR(10) + 'nB = 7' + CHR(13) + CHR(10), "
               "'snap.txt')\n"
               "=STRTOFILE('nC = 7' + CHR(13) + CHR(10), 'plain.txt')\n"
               "? DDA_EXECUTESNAPIN('snap.txt'), TYPE('nB'), DDA_EXECUTESNAPIN('plain.txt'), "
               "TYPE('nC')",
    .output = ".T. N .T. U"), Fn<DdaExecuteSnapIn>)
ROW("DDA_EVALUA", "C", DOC(
    .summary = "Evaluates an expression through the host.",
    .params = "cExpression: the expression",
    .returns = "?",
    .result = "The expression's value, of whatever type it has; logical .F. when the host "
              "answers an error, whose number DDA_ERROR then gives.",
    .errors = "Error 182 when memory runs out.",
    .notes = "Raises the command count; an error goes to the command log when one is set. A "
             "memo's text comes back as a character value.",
    .example = "? DDA_EVALUATE('6 * 7'), DDA_EVALUATE('UPPER(\"abc\")'), DDA_ERROR()\n"
               "? DDA_EVALUATE('1 +'), DDA_ERROR()",
    .output = "        42 ABC          0\n"
              ".F.         10"), Raw(DdaEvalua))
ALIAS("DDA_EVALUATE", "DDA_EVALUA")
ROW("DDA_ERROR", "", DOC(
    .summary = "The error number of the last DDA_EVALUATE.",
    .returns = "I",
    .result = "The host's error number; 0 when the last evaluation succeeded or none was made.",
    .example = "=DDA_EVALUATE('NoSuchVariable')\n"
               "? DDA_ERROR()",
    .output = "        12"), Fn<DdaError>)
ROW("DDA_EXTENDEDERROR", "", DOC(
    .summary = "The host's own number for the error of the last DDA_EVALUATE.",
    .returns = "I",
    .result = "What the host answers when asked for the error's details; 0 when the last "
              "evaluation succeeded or none was made.",
    .example = "=DDA_EVALUATE('1 +')\n"
               "? DDA_EXTENDEDERROR()\n"
               "=DDA_EVALUATE('1')\n"
               "? DDA_EXTENDEDERROR()",
    .output = "        10\n"
              "         0"), Fn<DdaExtendedError>)
ROW("DDA_EXTENDEDERRORMESSAGE", "", DOC(
    .summary = "The host's text for the error of the last DDA_EVALUATE.",
    .returns = "C",
    .result = "The error's text (up to 255 characters); empty when the last evaluation "
              "succeeded or none was made.",
    .example = "=DDA_EVALUATE('1 +')\n"
               "? DDA_EXTENDEDERRORMESSAGE()\n"
               "=DDA_EVALUATE('1')\n"
               "? '[' + DDA_EXTENDEDERRORMESSAGE() + ']'",
    .output = "Syntax error.\n"
              "[]"), Fn<DdaExtendedErrorMessage>)
ROW("DDA_COUNT", ".I", DOC(
    .summary = "The command count, and sets it.",
    .params = "nCount: optional, the new count",
    .returns = "I",
    .result = "The count before the call: how many commands and expressions the library has "
              "handed to the host since it was loaded or the count was last set.",
    .example = "? DDA_COUNT(5)\n"
               "=DDA_EXECUTE('x = 1')\n"
               "? DDA_COUNT()",
    .output = "         0\n"
              "         6"), Fn<DdaCount>)
ROW_NOFUZZ("DDA_SETLOG", "C",
           "creates the file its parameter names and keeps it open, so random calls would "
           "leave files of random names behind",
           DOC(
    .summary = "Sets the command log, the file that gets one line per failed command or "
               "expression.",
    .params = "cFile: the log file; an empty text closes the log",
    .returns = "L",
    .result = ".T. always, also when the file cannot be opened or made (nothing is logged "
              "then).",
    .errors = "Error 182 when memory runs out.",
    .notes = "The log open before is closed. An existing file is appended to; a missing one "
             "is made. Each line is the host's error number, \" ... \" and the text that "
             "failed. The name keeps its first 511 characters. Unloading the library closes "
             "the log.",
    .example = "=DDA_SETLOG('commands.log')\n"
               "=DDA_EXECUTE('NOSUCHVERB 1')\n"
               "=DDA_SETLOG('')\n"
               "? MLINE(FILETOSTR('commands.log'), 1)",
    .output = "16 ... NOSUCHVERB 1"), Fn<DdaSetLog>)
ROW("DDA_GETLOG", "", DOC(
    .summary = "The name of the command log.",
    .returns = "C",
    .result = "The name DDA_SETLOG was given (its first 511 characters); empty when none is set.",
    .example = "=DDA_SETLOG('commands.log')\n"
               "? DDA_GETLOG()",
    .output = "commands.log"), Fn<DdaGetLog>)
ROW("DDA_SETSTO", "C", DOC(
    .summary = "Sets the step command, which runs after every command while stepping is on.",
    .params = "cCommand: the step command; its first 511 characters are kept",
    .returns = "L",
    .result = ".T. always.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The step command is not counted and not logged, and its answer is ignored.",
    .example = "nSteps = 0\n"
               "=DDA_SETSTO('nSteps = nSteps + 1')\n"
               "=DDA_STOP(.T.)\n"
               "=DDA_EXECUTE('x = 1')\n"
               "=DDA_EXECUTE('x = 2')\n"
               "=DDA_STOP(.F.)\n"
               "? nSteps",
    .output = "         2"), Fn<DdaSetSto>)
ROW("DDA_GETSTO", "", DOC(
    .summary = "The step command.",
    .returns = "C",
    .result = "The command DDA_SETSTO set; empty when none is set.",
    .example = "=DDA_SETSTO('WAIT WINDOW \"step\" NOWAIT')\n"
               "? DDA_GETSTO()",
    .output = "WAIT WINDOW \"step\" NOWAIT"), Fn<DdaGetSto>)
ROW("DDA_STOP", ".L", DOC(
    .summary = "Whether stepping is on, and switches it.",
    .params = "lStepping: optional, .T. to run the step command after every command",
    .returns = "L",
    .result = "The stepping flag before the call (.F. after loading).",
    .example = "? DDA_STOP(.T.), DDA_STOP(), DDA_STOP(.F.)",
    .output = ".F. .T. .T."), Fn<DdaStop>)
ROW_NOFUZZ("TRA_SETLOG", "C",
           "creates the file its parameter names and keeps it open, so random calls would "
           "leave files of random names behind",
           DOC(
    .summary = "Sets the tracing file, which TRA_LOG writes lines to.",
    .params = "cFile: the tracing file; an empty text closes it",
    .returns = "L",
    .result = ".T. always, also when the file cannot be opened or made (TRA_LOG then writes "
              "nothing).",
    .errors = "Error 182 when memory runs out.",
    .notes = "The tracing file open before is closed. An existing file is appended to; a "
             "missing one is made. The name keeps its first 255 characters. Unloading the "
             "library does not close the tracing file.",
    .example = "=TRA_SETLOG('trace.txt')\n"
               "=TRA_LOG('started')\n"
               "=TRA_SETLOG('')\n"
               "? MLINE(FILETOSTR('trace.txt'), 1)",
    .output = "started"), Fn<TraSetLog>)
ALIAS("TRA_SETTRACINGFILE", "TRA_SETLOG")
ROW("TRA_GETLOG", "", DOC(
    .summary = "The name of the tracing file.",
    .returns = "C",
    .result = "The name TRA_SETLOG was given (its first 255 characters); empty when none is "
              "set.",
    .example = "=TRA_SETLOG('trace.txt')\n"
               "? TRA_GETLOG()",
    .output = "trace.txt"), Fn<TraGetLog>)
ALIAS("TRA_GETTRACINGFILE", "TRA_GETLOG")
ROW("TRA_LOG", "C", DOC(
    .summary = "Writes a line to the tracing file.",
    .params = "cText: the line, up to its first zero byte",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .notes = "Writes nothing while no tracing file is set (TRA_SETLOG).",
    .example = "? TRA_LOG('nowhere')",
    .output = ".T."), Fn<TraLog>)
