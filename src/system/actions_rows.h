// Rows of processes and system actions.
FAMILY(Process, "System: processes and actions",
       "The running tasks and processes, and actions on the system: ending a process, "
       "shutting Windows down or logging off, ending the host at once, setting the clock, "
       "starting programs and opening documents, the shell's about box, loading and freeing "
       "libraries, extracting icons, pausing, announcing a changed setting, configuring a "
       "port, and the processor's port instructions. The lists join their items with \"^\". "
       "The names that end the session, the host or the machine, set the clock or reach the "
       "hardware do what they say: call them only where that is meant.")
ROW("SYS_TASKS", ".L,.L", DOC(
    .summary = "The titles of the top-level windows, starting from the shell's window of "
               "class PROGMAN.",
    .params = "lOwnThread: .T. to list the windows of the calling thread too (.F. when left "
              "out)\n"
              "lInvisible: .T. to list invisible windows too (.F. when left out)",
    .returns = "C",
    .result = "The titles (up to 199 characters each) of the windows without an owner, in "
              "their order on the screen from the top, joined by \"^\"; cut after the last "
              "title that ends before the 1024th character. The empty text when there is no "
              "PROGMAN window.",
    .notes = "Wine has no PROGMAN window: the list is empty there unless a program made one.",
    .example = "? VARTYPE(SYS_TASKS()), LEN(SYS_TASKS(.T., .T.)) < 1024",
    .output = "C .T."), Fn<SysTasks>)
ROW("SYS_PROCESSES", ".I", DOC(
    .summary = "The names of the running processes, from the tool-help snapshots (Windows 95 "
               "and 98 only).",
    .params = "nKind: 32 only 32-bit programs, 16 only 16-bit programs; left out, all, each "
              "with its kind",
    .returns = "C",
    .result = "The names joined by \"^\", each followed by \"(32-bit)\" or \"(16-bit)\" when "
              "all are asked for; a process counts as 32-bit when its program file is its main "
              "module's file, and a 16-bit one is named by the module name of its NE header. "
              "The empty text on Windows NT and for any other kind; \"NO INITTOOLHELP32\" "
              "when Windows has no tool-help functions, \"CANNOT READ LIST\" when no snapshot "
              "can be taken.",
    .notes = "A process is listed when the snapshot of its modules holds the main module the "
             "process's entry names. Under Wine it never does (the process entries name "
             "module 0, the module entries are numbered from 1): the list is empty there even "
             "in Windows 95 mode.",
    .example = "? '[' + SYS_PROCESSES() + ']', '[' + SYS_PROCESSES(32) + ']'",
    .output = "[] []"), Fn<SysProcesses>)
ROW("SYS_PROCESSESID", "", DOC(
    .summary = "The ids of the running processes, as SYS_PROCESSES lists them (Windows 95 and "
               "98 only).",
    .returns = "C",
    .result = "The ids in decimal (negative ones with their sign) joined by \"^\"; the empty "
              "text on Windows NT; \"NO INITTOOLHELP32\" or \"CANNOT READ LIST\" as "
              "SYS_PROCESSES answers them.",
    .example = "? '[' + SYS_PROCESSESID() + ']'",
    .output = "[]"), Fn<SysProcessesId>)
ROW_NOFUZZ("SYS_KILLPROCESS", "I", "ends any process whose id it is given, the host too", DOC(
    .summary = "Ends a process at once (TerminateProcess), with exit code -1.",
    .params = "nProcess: the process's id",
    .returns = "L",
    .result = ".T. when Windows ended it; .F. when the process cannot be opened for that (an "
              "id of no process) or Windows has no tool-help functions.",
    .notes = "Waits up to 10 seconds for the process to be gone where Windows lets it wait.",
    .example = "? SYS_KILLPROCESS(-5)",
    .output = ".F."), Fn<SysKillProcess>)
ROW_NOFUZZ("SYS_EXIT", "C,C,I,L,L", "shuts the machine down", DOC(
    .summary = "Starts shutting a machine down (InitiateSystemShutdown).",
    .params = "cMachine: the machine's network name; the empty text for this one\n"
              "cMessage: the message shown meanwhile\n"
              "nSeconds: how long the message shows before the shutdown\n"
              "lForce: .T. to close programs without asking them to save\n"
              "lRestart: .T. to start the machine again",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Windows NT shuts down only for a process holding the shutdown privilege. Under "
             "Wine nothing happens.",
    .example = "=SYS_EXIT('', 'Closing for the night', 30, .F., .F.)"), Fn<SysExit>)
ROW_NOFUZZ("SYS_EXITWINDOWS", "I", "ends the session or shuts the machine down", DOC(
    .summary = "Logs off, shuts Windows down or restarts it (ExitWindowsEx).",
    .params = "nFlags: 0 log off, 1 shut down, 2 restart, 8 power off; plus 4 to close "
              "programs without asking them",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=SYS_EXITWINDOWS(0)"), Fn<SysExitWindows>)
ALIAS("EXITWINDOWS", "SYS_EXITWINDOWS")
ROW_NOFUZZ("SYS_FATALEXIT", "C", "ends the host at once", DOC(
    .summary = "Ends the host at once, showing a message (FatalAppExit).",
    .params = "cMessage: the message",
    .returns = "",
    .result = "None: the host process ends and the call never comes back.",
    .example = "=SYS_FATALEXIT('The data is damaged')"), Fn<SysFatalExit>)
ALIAS("FATALEXIT", "SYS_FATALEXIT")
ROW_NOFUZZ("SYS_SETLOCALTIME", "I,I,I,I,I,I,I", "sets the machine's clock", DOC(
    .summary = "Sets the clock to a local date and time (SetLocalTime).",
    .params = "nYear: the year\n"
              "nMonth: the month, 1 to 12\n"
              "nDay: the day of the month\n"
              "nHour: the hour, 0 to 23\n"
              "nMinute: the minute\n"
              "nSecond: the second\n"
              "nMillisecond: the millisecond",
    .returns = "L",
    .result = ".T. when Windows set the clock; .F. when it refused (a field out of range, "
              "month 13 say, or no right to).",
    .notes = "Each number counts by its low 16 bits. On Windows NT the process's system-time "
             "privilege is switched on for the call, and afterwards every privilege of the "
             "process is switched off. Wine never moves the clock.",
    .example = "=SYS_SETLOCALTIME(2024, 1, 31, 12, 0, 0, 0)"), Fn<SysSetLocalTime>)
ROW_NOFUZZ("SYS_WINEXEC", "C,.I", "starts programs", DOC(
    .summary = "Starts a program (WinExec).",
    .params = "cCommand: the command line: the program and its arguments\n"
              "nShow: how its window shows: 1 normal, 2 minimised, 3 maximised, 0 hidden; "
              "10, Windows' default, when left out",
    .returns = "L",
    .result = ".T. when the program started (WinExec answered more than 31).",
    .example = "? SYS_WINEXEC('nosuchprogram.exe')",
    .output = ".F."), Fn<SysWinExec>)
ROW_NOFUZZ("SYS_SHELLEXECUTE", "C,C,C,C,.I", "starts programs and opens documents", DOC(
    .summary = "Opens a document or starts a program through the shell (ShellExecute), owned "
               "by the host's main window.",
    .params = "cOperation: the verb, such as open, print or explore; the empty text for the "
              "default one\n"
              "cFile: the document or program\n"
              "cParameters: the arguments of a program\n"
              "cFolder: the folder it starts in; the empty text for the current one\n"
              "nShow: how its window shows (1 normal when left out)",
    .returns = "I",
    .result = "The shell's answer: above 32 on success, else its error code (2 file not "
              "found, 3 path not found, 31 no program for the document ...).",
    .example = "? SYS_SHELLEXECUTE('open', 'nosuchfile.xyz', '', '')",
    .output = "         2"), Fn<SysShellExecute>)
ALIAS("SHELLEXECUTE", "SYS_SHELLEXECUTE")
ROW_NOFUZZ("SYS_SHELLABOUT", "C,C,.C", "shows a box that waits for a person", DOC(
    .summary = "Shows the shell's about box (ShellAbout), owned by the host's main window.",
    .params = "cTitle: the program's name for the title\n"
              "cText: further text shown in the box\n"
              "cIcon: the name of a system icon to show; the application icon when Windows "
              "has none of that name, or when left out",
    .returns = "",
    .result = "No value of its own (the host takes .T.) once the box is closed.",
    .example = "=SYS_SHELLABOUT('Ledger', 'Version 2.1')"), Fn<SysShellAbout>)
ROW("SYS_LOADLIBRARY", "C", DOC(
    .summary = "Loads a library (LoadLibrary).",
    .params = "cFile: the library's file; Windows searches the usual folders",
    .returns = "I",
    .result = "The module's handle as an integer; -1 when it cannot be loaded. In the 64-bit "
              "test flavour a library loaded above 4 GB is freed again and answers -1.",
    .example = "h = SYS_LOADLIBRARY('TARVO.fll')\n"
               "? h = SYS_MODULEHANDLE('TARVO.fll'), SYS_FREELIBRARY(h), SYS_LOADLIBRARY('nosuch.dll')",
    .output = ".T. .T.         -1"), Fn<SysLoadLibrary>)
ROW_NOFUZZ("SYS_FREELIBRARY", "I", "frees any module whose handle it is given, the host's "
           "own libraries too", DOC(
    .summary = "Frees a library loaded with SYS_LOADLIBRARY (FreeLibrary).",
    .params = "nModule: the module's handle",
    .returns = "L",
    .result = ".T. when Windows freed it; .F. for a handle of no module.",
    .example = "? SYS_FREELIBRARY(12345)",
    .output = ".F."), Fn<SysFreeLibrary>)
ROW("SYS_EXTRACTICON", "C,I", DOC(
    .summary = "An icon of a program file, library or icon file (ExtractIcon).",
    .params = "cFile: the file\n"
              "nIcon: the icon's number from 0; -1 asks how many icons the file holds",
    .returns = "I",
    .result = "The icon's handle as an integer (the count for -1); 0 when the file holds no "
              "such icon, or the host's main window has no instance handle.",
    .example = "? SYS_EXTRACTICON('shell32.dll', 0) > 0, SYS_EXTRACTICON('missing.ico', 0)",
    .output = ".T.          0"), Fn<SysExtractIcon>)
ROW_NOFUZZ("SYS_SLEEP", "I", "blocks the host for as long as it is asked", DOC(
    .summary = "Pauses the host (Sleep).",
    .params = "nMilliseconds: how long",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Nothing else runs on the host's thread meanwhile: timers, windows and events wait.",
    .example = "? SYS_SLEEP(10)",
    .output = ".T."), Fn<SysSleep>)
ALIAS("SYS_PAUSE", "SYS_SLEEP")
ROW_NOFUZZ("SYS_BROADCAST", "C", "sends a message to every top-level window of every program "
           "and waits for each to answer", DOC(
    .summary = "Tells every top-level window that a setting changed (SendMessage to all, "
               "WM_SETTINGCHANGE).",
    .params = "cSection: the name of the changed section, such as windows or intl",
    .returns = "L",
    .result = "Always .T., once every window has taken the message.",
    .example = "=SYS_BROADCAST('intl')"), Fn<SysBroadcast>)
ALIAS("BROADCAST", "SYS_BROADCAST")
ROW_NOFUZZ("SYS_CONFIGUREPORT", "C", "opens a dialog that waits for a person", DOC(
    .summary = "Opens the dialog that configures a port (ConfigurePort), owned by the host's "
               "main window.",
    .params = "cPort: the port's name, such as COM1: or LPT1:",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Under Wine without a display no dialog shows.",
    .example = "=SYS_CONFIGUREPORT('COM1:')"), Fn<SysConfigurePort>)
ALIAS("CONFIGUREPORT", "SYS_CONFIGUREPORT")
ROW_NOFUZZ("SYS_OUTP", "I,C", "writes to the machine's hardware ports", DOC(
    .summary = "Writes a byte to an I/O port with the processor's port instruction (Windows "
               "95 and 98 only).",
    .params = "nPort: the port, its low 16 bits\n"
              "cByte: the byte to write, the text's first character (code 0 for the empty "
              "text)",
    .returns = "L",
    .result = ".T. when the byte was written; .F. on Windows NT, which lets no program reach "
              "a port (nothing is tried), and when the processor refused the instruction (the "
              "fault is caught).",
    .notes = "Windows 95 and 98 (and Wine in their place) stand in for the ports their "
             "drivers know.",
    .example = "? SYS_OUTP(888, CHR(255))  && LPT1's data lines"), Fn<SysOutp>)
ROW_NOFUZZ("SYS_INP", "I", "reads the machine's hardware ports", DOC(
    .summary = "Reads a byte from an I/O port with the processor's port instruction (Windows "
               "95 and 98 only).",
    .params = "nPort: the port, its low 16 bits",
    .returns = "I",
    .result = "The byte as a signed value, -128 to 127; 256 on Windows NT, which lets no "
              "program reach a port (nothing is tried), and when the processor refused the "
              "instruction (the fault is caught).",
    .notes = "Windows 95 and 98 (and Wine in their place) stand in for the ports their "
             "drivers know; a port Wine does not know reads 255 (-1).",
    .example = "? SYS_INP(889)  && LPT1's status lines"), Fn<SysInp>)
