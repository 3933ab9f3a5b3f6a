// Rows of system information.
FAMILY(SystemInfo, "System: information",
       "Questions about Windows and the running host: the version, the type of a program "
       "file, the processor, memory and battery, screen metrics and colours, the caret, the "
       "locale and code page, the local time and the time zone, the host's command line, "
       "modules and folders, SYSTEM.INI entries, joysticks, the text of the last Windows "
       "error and the domain of an account. Nearly every one is one Windows call whose "
       "answer is passed on. Counts above 2147483647 (memory of a large machine, addresses "
       "of the 64-bit test flavour) are given as 2147483647.")
// A field of GetSystemInfo: name, what it is, the field, the example and
// what it prints.
#define SYSTEM_INFO_ROW(name, what, field, shown, printed)                     \
    ROW(name, "",                                                              \
        DOC(.summary = "The " what " (GetSystemInfo).",                        \
            .returns = "I",                                                    \
            .result = "An integer.", .example = shown, .output = printed),     \
        Fn<SystemInfoField<&SYSTEM_INFO::field>>)
// A field of GetSystemPowerStatus: name, what it is, the field, the answer,
// the example and what it prints.
#define POWER_ROW(name, what, field, answer, shown, printed)                             \
    ROW(name, "",                                                                        \
        DOC(.summary = "The " what " (GetSystemPowerStatus).",                           \
            \
            .returns = "I",                                                              \
            .result = answer " 0 when Windows cannot tell.",                             \
            .notes = "Under Wine there is no battery: 1, 128, 255, -1 and -1.",          \
            .example = shown, .output = printed),                                        \
        Fn<PowerField<&SYSTEM_POWER_STATUS::field>>)
// A field of GetVersionEx: name, what it is, the field, the example and
// what it prints.
#define VERSION_ROW(name, what, field, shown, printed)                                \
    ROW(name, "",                                                                     \
        DOC(.summary = "The " what " of Windows (GetVersionEx).",                     \
            \
            .returns = "I",                                                           \
            .result = "An integer; -1 when Windows does not tell.",                   \
            .notes = "Wine reports Windows 7 (6.1, build 7601) unless told otherwise.", \
            .example = shown, .output = printed),                                     \
        Fn<VersionField<&OSVERSIONINFOA::field>>)
// A bit field of the equipment word, which is zero: name, what it tells,
// the bits, the result type letter, the answer (as the example prints it),
// the handler.
#define EQUIPMENT_ROW(name, what, bits, letter, printed, ...)                             \
    ROW(name, "",                                                                         \
        DOC(.summary = "What the PC equipment list of DOS would tell of " what            \
                       " (bits " bits " of the equipment word).",                         \
            .returns = letter,                                                            \
            .result = "Always " printed ": the library's equipment word is 0.",           \
            .example = "? " name "()", .output = printed),                                \
        Fn<__VA_ARGS__>)
// An entry of SYSTEM.INI: name, section, key, and the constants naming them.
#define SYSTEM_INI_ROW(name, section, key, sectionName, keyName)                           \
    ROW(name, "",                                                                          \
        DOC(.summary = "The entry \"" key "\" of the section [" section "] of SYSTEM.INI.", \
            \
            .returns = "C",                                                                 \
            .result = "Its text, at most 132 characters; the empty text when it is "        \
                      "missing.",                                                          \
            .example = "? '[' + " name "() + ']'", .output = "[]"),                        \
        Fn<SystemIni<sectionName, keyName>>)

// Windows and its version.
ROW("SYS_OS", "I", DOC(
    .summary = "One item of Windows' version (GetVersionEx).",
    .params = "nItem: 1 the major version, 2 the minor version, 3 the build number, 4 the "
              "platform (1 Windows 95 and 98, 2 Windows NT), 5 the service pack",
    .returns = "I",
    .result = "An integer for items 1 to 4, the service pack's text for 5; .F. for any other "
              "item. No value at all (the host takes .T.) when Windows does not tell.",
    .notes = "Wine reports Windows 7 SP1 unless told otherwise.",
    .example = "? SYS_OS(1) >= 4, SYS_OS(4), SYS_OS(6)",
    .output = ".T.          2 .F."), Fn<SysOs>)
VERSION_ROW("SYS_WINMAJ", "major version", dwMajorVersion, "? SYS_WINMAJ() >= 4", ".T.")
ALIAS("SYS_WINDOWSMAJOR", "SYS_WINMAJ")
VERSION_ROW("SYS_WINMIN", "minor version", dwMinorVersion, "? SYS_WINMIN() = SYS_OS(2)", ".T.")
ALIAS("SYS_WINDOWSMINOR", "SYS_WINMIN")
VERSION_ROW("SYS_WINBUILD", "build number", dwBuildNumber, "? SYS_WINBUILD() = SYS_OS(3)", ".T.")
ROW("SYS_DOSMAJ", "", DOC(
    .summary = "The high byte of the version word read when the library was loaded "
               "(GetVersion, bits 24 to 31).",
    .returns = "I",
    .result = "An integer, 0 to 255: the build number's high byte on Windows NT, 0 on "
              "Windows 95 and 98 (which then report the DOS version there).",
    .example = "? SYS_DOSMAJ() >= 0",
    .output = ".T."), Fn<VersionWordByte<24>>)
ALIAS("DOSMAJ", "SYS_DOSMAJ")
ALIAS("DOSMAJOR", "SYS_DOSMAJ")
ROW("SYS_DOSMIN", "", DOC(
    .summary = "The second byte of the version word read when the library was loaded "
               "(GetVersion, bits 16 to 23).",
    .returns = "I",
    .result = "An integer, 0 to 255.",
    .example = "? SYS_DOSMIN() <= 255",
    .output = ".T."), Fn<VersionWordByte<16>>)
ALIAS("DOSMIN", "SYS_DOSMIN")
ALIAS("DOSMINOR", "SYS_DOSMIN")
ROW("SYS_ISNT", "", DOC(
    .summary = "Whether Windows is of the NT family (the top bit of GetVersion is clear).",
    .returns = "L",
    .result = ".T. on Windows NT, 2000 and later; .F. on Windows 95 and 98.",
    .example = "? SYS_ISNT()",
    .output = ".T."), Fn<SysIsNt>)
ALIAS("ISNT", "SYS_ISNT")
ROW("SYS_GETBINARYTYPE", "C", DOC(
    .summary = "The kind of program a file holds (GetBinaryType).",
    .params = "cFile: the file",
    .returns = "I",
    .result = "1 a 32-bit Windows program, 2 a DOS program, 3 a 16-bit OS/2 program, 4 a PIF "
              "file, 5 a POSIX program, 6 a 16-bit Windows program; 0 for any other file (a "
              "64-bit program too) and a file that cannot be read.",
    .example = "=STRTOFILE('text', 'a.txt')\n"
               "? SYS_GETBINARYTYPE('a.txt'), SYS_GETBINARYTYPE('missing.exe')",
    .output = "         0          0"), Fn<SysGetBinaryType>)
ROW("SYS_OSLASTERROR", "", DOC(
    .summary = "Windows' text for the calling thread's last error (GetLastError, "
               "FormatMessage).",
    .returns = "C",
    .result = "The message in the user's language on one line; the empty text for a code "
              "Windows has no text for.",
    .notes = "The code is the one the host's own work left when it called the library.",
    .example = "? VARTYPE(SYS_OSLASTERROR())",
    .output = "C"), Fn<SysOsLastError>)

// Processor and memory.
ROW("SYS_PROCESSORARCHITECTURE", "", DOC(
    .summary = "The processor's architecture (GetSystemInfo).",
    .returns = "C",
    .result = "\"Intel\", \"MIPS\", \"Alpha\", \"PowerPC\" or \"Unknown\" (the x64 of a "
              "64-bit process too).",
    .example = "? LEN(SYS_PROCESSORARCHITECTURE()) > 0",
    .output = ".T."), Fn<SysProcessorArchitecture>)
SYSTEM_INFO_ROW("SYS_OEMID", "whole first field of the system information (the architecture "
                "in its low word)", dwOemId, "? SYS_OEMID() >= 0", ".T.")
SYSTEM_INFO_ROW("SYS_PAGESIZE", "size of a memory page in bytes", dwPageSize,
                "? SYS_PAGESIZE()", "      4096")
SYSTEM_INFO_ROW("SYS_MINAPPLADDRESS", "lowest address programs may use",
                lpMinimumApplicationAddress, "? SYS_MINAPPLADDRESS()", "     65536")
ALIAS("MINAPPLADDRESS", "SYS_MINAPPLADDRESS")
SYSTEM_INFO_ROW("SYS_MAXAPPLADDRESS", "highest address programs may use",
                lpMaximumApplicationAddress, "? SYS_MAXAPPLADDRESS() > SYS_MINAPPLADDRESS()",
                ".T.")
ALIAS("MAXAPPLADDRESS", "SYS_MAXAPPLADDRESS")
SYSTEM_INFO_ROW("SYS_PROCESSORMASK", "mask of the processors in use, one bit each",
                dwActiveProcessorMask, "? SYS_PROCESSORMASK() > 0", ".T.")
SYSTEM_INFO_ROW("SYS_NUMBEROFPROCESSORS", "number of processors", dwNumberOfProcessors,
                "? SYS_NUMBEROFPROCESSORS() > 0", ".T.")
SYSTEM_INFO_ROW("SYS_PROCESSORTYPE", "processor type (386, 486, 586 ...)", dwProcessorType,
                "? SYS_PROCESSORTYPE() > 0", ".T.")
ROW("SYS_GLOBALMEMORYSTATUS", ".I", DOC(
    .summary = "One count of the machine's memory (GlobalMemoryStatus).",
    .params = "nItem: 2 total physical memory, 3 available physical memory, 4 total page "
              "file, 5 available page file, 6 total virtual memory, 7 available virtual "
              "memory; any other number, or none, the memory load",
    .returns = "I",
    .result = "Bytes (2147483647 for 2 GB and more); the memory load in percent, 0 to 100.",
    .example = "? SYS_GLOBALMEMORYSTATUS() <= 100, SYS_GLOBALMEMORYSTATUS(2) > 0",
    .output = ".T. .T."), Fn<SysGlobalMemoryStatus>)
ALIAS("GLOBALMEMORYSTATUS", "SYS_GLOBALMEMORYSTATUS")
ALIAS("MEMORYSTATUS", "SYS_GLOBALMEMORYSTATUS")

// Power.
POWER_ROW("SYS_ACLINESTATUS", "mains status", ACLineStatus,
          "0 on battery, 1 on mains, 255 unknown;", "? SYS_ACLINESTATUS() <= 255", ".T.")
ALIAS("ACLINESTATUS", "SYS_ACLINESTATUS")
POWER_ROW("SYS_BATTERYFLAG", "battery flags", BatteryFlag,
          "1 high, 2 low, 4 critical, 8 charging, 128 no battery, 255 unknown;",
          "? SYS_BATTERYFLAG() <= 255", ".T.")
ALIAS("BATTERYFLAG", "SYS_BATTERYFLAG")
POWER_ROW("SYS_BATTERYLIFEPERCENT", "battery's remaining charge", BatteryLifePercent,
          "Percent, 0 to 100; 255 unknown;", "? SYS_BATTERYLIFEPERCENT() <= 255", ".T.")
ALIAS("BATTERYLIFEPERCENT", "SYS_BATTERYLIFEPERCENT")
POWER_ROW("SYS_BATTERYLIFETIME", "battery's remaining time", BatteryLifeTime,
          "Seconds; -1 unknown;", "? SYS_BATTERYLIFETIME() >= -1", ".T.")
ALIAS("BATTERYLIFETIME", "SYS_BATTERYLIFETIME")
POWER_ROW("SYS_BATTERYFULLLIFETIME", "time a full battery lasts", BatteryFullLifeTime,
          "Seconds; -1 unknown;", "? SYS_BATTERYFULLLIFETIME() >= -1", ".T.")
ALIAS("BATTERYFULLLIFETIME", "SYS_BATTERYFULLLIFETIME")

// Screen, caret and input.
ROW("SYS_GETSYSTEMMETRICS", "I", DOC(
    .summary = "A system metric (GetSystemMetrics).",
    .params = "nMetric: the metric's number: 0 the screen's width, 1 its height ...",
    .returns = "I",
    .result = "The metric's value; 0 for a number Windows does not know.",
    .example = "? SYS_GETSYSTEMMETRICS(0) > 0, SYS_GETSYSTEMMETRICS(-5)",
    .output = ".T.          0"), Fn<&GetSystemMetrics>)
ROW("SYS_ISPEN", "", DOC(
    .summary = "Whether pen extensions are installed (GetSystemMetrics 41).",
    .returns = "L",
    .result = ".T. when they are.",
    .example = "? SYS_ISPEN()",
    .output = ".F."), Fn<SysIsPen>)
ROW("SYS_GETSYSCOLOR", "I", DOC(
    .summary = "The colour of a screen element (GetSysColor).",
    .params = "nElement: the element's number: 1 the desktop, 5 the window's background ...",
    .returns = "I",
    .result = "The colour with red in the low byte, then green and blue (RGB()'s value); 0 for "
              "a number Windows does not know.",
    .example = "? SYS_GETSYSCOLOR(5)",
    .output = "  16777215"), Fn<&GetSysColor>)
ALIAS("GETSYSCOLOR", "SYS_GETSYSCOLOR")
ROW("SYS_GETMENUCHECKMARKDIMENSIONS", "", DOC(
    .summary = "The size of a menu's check mark (GetMenuCheckMarkDimensions).",
    .returns = "I",
    .result = "The width in the low 16 bits, the height in the high 16 bits (pixels).",
    .example = "n = SYS_GETMENUCHECKMARKDIMENSIONS()\n"
               "? BITAND(n, 65535) > 0, BITRSHIFT(n, 16) > 0",
    .output = ".T. .T."), Fn<&GetMenuCheckMarkDimensions>)
ROW("SYS_GETCARETBLINKTIME", "", DOC(
    .summary = "The time the caret takes to blink (GetCaretBlinkTime).",
    .returns = "I",
    .result = "Milliseconds.",
    .example = "? SYS_GETCARETBLINKTIME() > 0",
    .output = ".T."), Fn<&GetCaretBlinkTime>)
ALIAS("GETCARETBLINKTIME", "SYS_GETCARETBLINKTIME")
ROW_NOFUZZ("SYS_SETCARETBLINKTIME", "I", "changes the caret of every program", DOC(
    .summary = "Sets the time the caret takes to blink (SetCaretBlinkTime), for every "
               "program.",
    .params = "nTime: milliseconds",
    .returns = "L",
    .result = ".T. when Windows set it.",
    .example = "n = SYS_GETCARETBLINKTIME()\n"
               "? SYS_SETCARETBLINKTIME(400), SYS_GETCARETBLINKTIME()\n"
               "= SYS_SETCARETBLINKTIME(n)",
    .output = ".T.        400"), Fn<Succeeded<&SetCaretBlinkTime>>)
ROW("SYS_GETCARETPOSX", "", DOC(
    .summary = "The x coordinate of the caret in its window (GetCaretPos).",
    .returns = "I",
    .result = "Pixels; -1 when Windows cannot tell.",
    .example = "= SYS_SETCARETPOS(12, 34)\n"
               "? SYS_GETCARETPOSX(), SYS_GETCARETPOSY()",
    .output = "        12         34"), Fn<CaretCoordinate<&POINT::x>>)
ALIAS("GETCARETPOSX", "SYS_GETCARETPOSX")
ROW("SYS_GETCARETPOSY", "", DOC(
    .summary = "The y coordinate of the caret in its window (GetCaretPos).",
    .returns = "I",
    .result = "Pixels; -1 when Windows cannot tell.",
    .example = "= SYS_SETCARETPOS(12, 34)\n"
               "? SYS_GETCARETPOSY()",
    .output = "        34"), Fn<CaretCoordinate<&POINT::y>>)
ALIAS("GETCARETPOSY", "SYS_GETCARETPOSY")
ROW("SYS_SETCARETPOS", "I,I", DOC(
    .summary = "Moves the caret of the calling thread (SetCaretPos).",
    .params = "nX: the x coordinate in its window, pixels\n"
              "nY: the y coordinate",
    .returns = "L",
    .result = ".T. when Windows moved it.",
    .example = "? SYS_SETCARETPOS(1, 2)",
    .output = ".T."), Fn<Succeeded<&SetCaretPos>>)
ROW("SYS_HIDECARET", "", DOC(
    .summary = "Hides the caret of the host's main window (HideCaret).",
    .returns = "L",
    .result = ".T. when Windows hid it; .F. when that window has no caret.",
    .example = "? VARTYPE(SYS_HIDECARET())",
    .output = "L"), Fn<OfMainWindow<&HideCaret>>)
ALIAS("HIDECARET", "SYS_HIDECARET")
ROW("SYS_SHOWCARET", "", DOC(
    .summary = "Shows the caret of the host's main window again (ShowCaret).",
    .returns = "L",
    .result = ".T. when Windows showed it; .F. when that window has no caret.",
    .example = "? VARTYPE(SYS_SHOWCARET())",
    .output = "L"), Fn<OfMainWindow<&ShowCaret>>)
ROW("SYS_JOYSTICKENUMDEVS", "", DOC(
    .summary = "How many joysticks the joystick driver supports (joyGetNumDevs).",
    .returns = "I",
    .result = "An integer; 0 without a driver.",
    .example = "? SYS_JOYSTICKENUMDEVS() >= 0",
    .output = ".T."), Fn<&joyGetNumDevs>)
ROW("SYS_JOYSTICKCAPS", "I", DOC(
    .summary = "Whether a joystick can be asked for its capabilities (joyGetDevCaps).",
    .params = "nJoystick: the joystick, from 0",
    .returns = "L",
    .result = ".T. when Windows answered without an error.",
    .notes = "Under Wine no joystick answers.",
    .example = "? SYS_JOYSTICKCAPS(0)",
    .output = ".F."), Fn<SysJoystickCaps>)

// Locale, time and time zone.
ROW("SYS_GETTHREADLOCALE", "", DOC(
    .summary = "The calling thread's locale (GetThreadLocale).",
    .returns = "I",
    .result = "The locale identifier, such as 1033 (0x409, English, United States).",
    .example = "? SYS_GETTHREADLOCALE() > 0",
    .output = ".T."), Fn<&GetThreadLocale>)
ALIAS("GETTHREADLOCALE", "SYS_GETTHREADLOCALE")
ROW("SYS_ISVALIDLOCALE", "I,I", DOC(
    .summary = "Whether a locale is valid (IsValidLocale).",
    .params = "nLocale: the locale identifier\n"
              "nFlags: 1 installed, 2 supported",
    .returns = "L",
    .result = ".T. when it is.",
    .example = "? SYS_ISVALIDLOCALE(1033, 2), SYS_ISVALIDLOCALE(39321, 2)",
    .output = ".T. .F."), Fn<Succeeded<&IsValidLocale>>)
ROW("SYS_GETCONSOLECP", "", DOC(
    .summary = "The input code page of the process's console (GetConsoleCP).",
    .returns = "I",
    .result = "The code page, such as 437; 0 when the process has no console.",
    .example = "? SYS_GETCONSOLECP() >= 0",
    .output = ".T."), Fn<&GetConsoleCP>)
ROW("SYS_GETLOCALTIME", "", DOC(
    .summary = "The local date and time as text (GetLocalTime).",
    .returns = "C",
    .result = "Year, month, day, day of the week (0 Sunday), hour, minute, second and "
              "millisecond, without leading zeros, joined by \"-\": 9:05:03.250 on Friday 4 "
              "December 2026 is \"2026-12-4-5-9-5-3-250\".",
    .example = "? GETWORDCOUNT(SYS_GETLOCALTIME(), '-')",
    .output = "         8"), Fn<SysGetLocalTime>)
ALIAS("GETLOCALTIME", "SYS_GETLOCALTIME")
ALIAS("LOCALTIME", "SYS_GETLOCALTIME")
ROW("SYS_SPLITTIME", "R,R,R,R,R,R,R", DOC(
    .summary = "Stores the local date and time into seven variables (GetLocalTime).",
    .params = "rYear: the year\n"
              "rMonth: the month, 1 to 12\n"
              "rDay: the day of the month\n"
              "rHour: the hour, 0 to 23\n"
              "rMinute: the minute\n"
              "rSecond: the second\n"
              "rMillisecond: the millisecond",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "The host's errors of a variable that cannot be read or written.",
    .notes = "A variable that holds a number takes the field and keeps its type; one of "
             "another type keeps its value.",
    .example = "STORE 0 TO y, mo, d, h, mi, s, ms\n"
               "= SYS_SPLITTIME(@y, @mo, @d, @h, @mi, @s, @ms)\n"
               "? y > 2000, BETWEEN(mo, 1, 12), BETWEEN(ms, 0, 999)",
    .output = ".T. .T. .T."), Fn<SysSplitTime>)
ROW("SYS_GETTIMEZONEINFORMATION", "I", DOC(
    .summary = "One item of the time zone (GetTimeZoneInformation).",
    .params = "nItem: 1 the bias (minutes to add to local time for UTC), 2 the standard time's "
              "name, 4 the standard bias, 5 the daylight time's name, 7 the daylight bias",
    .returns = "?",
    .result = "An integer or a name as the item asks; \"Not yet supported\" for 3 and 6 (the "
              "dates of the change-overs), \"Don't know what you want\" for any other item; "
              "the empty text when Windows has no valid zone.",
    .example = "? SYS_GETTIMEZONEINFORMATION(3)\n"
               "? SYS_GETTIMEZONEINFORMATION(8)\n"
               "? VARTYPE(SYS_GETTIMEZONEINFORMATION(1)), VARTYPE(SYS_GETTIMEZONEINFORMATION(2))",
    .output = "Not yet supported\n"
              "Don't know what you want\n"
              "N C"), Fn<SysGetTimeZoneInformation>)
ALIAS("GETTIMEZONEINFORMATION", "SYS_GETTIMEZONEINFORMATION")

// The host, modules and folders.
ROW("SYS_GETCOMMANDLINE", "", DOC(
    .summary = "The host's command line (GetCommandLine).",
    .returns = "C",
    .result = "The text as Windows gives it, the program's name first.",
    .example = "? 'tarvo-run' $ LOWER(SYS_GETCOMMANDLINE())",
    .output = ".T."), Fn<SysGetCommandLine>)
ALIAS("COMMANDLINE", "SYS_GETCOMMANDLINE")
ALIAS("GETCOMMANDLINE", "SYS_GETCOMMANDLINE")
ROW("SYS_GETHINSTANCE", "", DOC(
    .summary = "The instance handle of the host's main window (GetWindowLong, "
               "GWL_HINSTANCE).",
    .returns = "I",
    .result = "The handle of the module that made the window, as an integer; 0 without a "
              "main window.",
    .example = "? SYS_GETHINSTANCE() = SYS_MODULEHANDLE('')",
    .output = ".T."), Fn<SysGetHInstance>)
ALIAS("GETHINSTANCE", "SYS_GETHINSTANCE")
ROW("SYS_EXENAM", "", DOC(
    .summary = "The full path of the host's program file (GetModuleFileName).",
    .returns = "C",
    .result = "The path, of any length; the empty text when Windows cannot tell.",
    .example = "? LOWER(JUSTFNAME(SYS_EXENAME()))",
    .output = "tarvo-run.exe"), Fn<SysExeNam>)
// The table holds SYS_EXENAM twice.
ALIAS("SYS_EXENAM", "SYS_EXENAM")
ALIAS("SYS_EXENAME", "SYS_EXENAM")
ALIAS("SYS_REALEXECUTABLENAME", "SYS_EXENAM")
ALIAS("EXENAME", "SYS_EXENAM")
ALIAS("EXECUTABLENAME", "SYS_EXENAM")
ALIAS("REALEXECUTABLENAME", "SYS_EXENAM")
ROW("SYS_MODULENAME", "I", DOC(
    .summary = "The full path of a loaded module's file (GetModuleFileName).",
    .params = "nModule: the module's handle, as SYS_MODULEHANDLE or SYS_LOADLIBRARY answer "
              "it; 0 the host's program",
    .returns = "C",
    .result = "The path, of any length; the empty text for a handle of no module.",
    .example = "? SYS_MODULENAME(0) == SYS_EXENAM(), SYS_MODULENAME(1) == ''",
    .output = ".T. .T."), Fn<SysModuleName>)
ALIAS("MODULENAME", "SYS_MODULENAME")
ROW("SYS_MODULEHANDLE", "C", DOC(
    .summary = "The handle of a loaded module (GetModuleHandle).",
    .params = "cModule: the module's name, such as KERNEL32 or USER32.DLL; the empty text "
              "for the host's program",
    .returns = "I",
    .result = "The handle as an integer; -1 when no module of that name is loaded. In the "
              "64-bit test flavour a module loaded above 4 GB answers -1 too.",
    .example = "? SYS_MODULEHANDLE('') > 0, SYS_MODULEHANDLE('NOSUCH.DLL')",
    .output = ".T.         -1"), Fn<SysModuleHandle>)
ALIAS("MODULEHANDLE", "SYS_MODULEHANDLE")
ROW("SYS_WINDIR", "", DOC(
    .summary = "The Windows folder (GetWindowsDirectory).",
    .returns = "C",
    .result = "Its full path, of any length.",
    .example = "? LOWER(SYS_WINDIR())",
    .output = "c:\\windows"), Fn<SystemFolder<&GetWindowsDirectoryA>>)
ALIAS("SYS_WINDOWSDIR", "SYS_WINDIR")
ROW("SYS_SYSDIR", "", DOC(
    .summary = "The Windows system folder (GetSystemDirectory).",
    .returns = "C",
    .result = "Its full path, of any length.",
    .example = "? LOWER(SYS_SYSDIR())",
    .output = "c:\\windows\\system32"), Fn<SystemFolder<&GetSystemDirectoryA>>)
ROW("SYS_GETTEMPPATH", "", DOC(
    .summary = "The folder for temporary files (GetTempPath).",
    .returns = "C",
    .result = "Its full path with a final \"\\\", of any length.",
    .example = "? RIGHT(SYS_GETTEMPPATH(), 1)",
    .output = "\\"), Fn<SysGetTempPath>)
ALIAS("GETTEMPPATH", "SYS_GETTEMPPATH")
ALIAS("GETTMPPATH", "SYS_GETTEMPPATH")
ALIAS("SYS_GETTMPPATH", "SYS_GETTEMPPATH")
SYSTEM_INI_ROW("SYS_SWAP", "386Enh", "pagingfile", kSection386Enh, kKeyPagingFile)
SYSTEM_INI_ROW("SYS_NETWOR", "boot.description", "network.drv", kSectionBootDescription,
               kKeyNetworkDrv)
SYSTEM_INI_ROW("SYS_MOUSE", "boot.description", "mouse.drv", kSectionBootDescription,
               kKeyMouseDrv)
SYSTEM_INI_ROW("SYS_DISPLA", "boot.description", "display.drv", kSectionBootDescription,
               kKeyDisplayDrv)
ROW("SYS_LOOKUPDOMAIN", "C", DOC(
    .summary = "The domain of an account (LookupAccountName on the local machine).",
    .params = "cAccount: the account's name",
    .returns = "C",
    .result = "The domain's name, of any length; the empty text for an account Windows does "
              "not know, and for a name of 32767 characters or more, which is not asked (Wine "
              "overruns its own buffers on it).",
    .example = "? SYS_LOOKUPDOMAIN('Administrators'), '[' + SYS_LOOKUPDOMAIN('no such one') + ']'",
    .output = "BUILTIN []"), Fn<SysLookupDomain>)

// The equipment word.
EQUIPMENT_ROW("SYS_EQUIP", "the machine", "0 to 15", "I", "         0", EquipmentField<0, 0xFFFF>)
EQUIPMENT_ROW("SYS_ISDISK", "diskette drives being present", "0", "L", ".F.", EquipmentBitSet<0>)
// The table holds SYS_ISDISK twice.
ALIAS("SYS_ISDISK", "SYS_ISDISK")
EQUIPMENT_ROW("SYS_ISMATH", "a maths coprocessor", "1", "L", ".F.", EquipmentBitSet<1>)
EQUIPMENT_ROW("SYS_VIDEO", "the initial video mode", "4 and 5", "I", "         0",
              EquipmentField<4, 3>)
EQUIPMENT_ROW("SYS_NUMFLO", "the number of diskette drives (the bits plus 1)", "6 and 7",
              "I", "         1", EquipmentField<6, 3, 1>)
EQUIPMENT_ROW("SYS_ISDMA", "DMA being present (the bit clear)", "8", "L", ".T.",
              EquipmentBitClear<8>)
ALIAS("ISDMA", "SYS_ISDMA")
EQUIPMENT_ROW("SYS_RS232", "the number of serial ports", "9 and 10", "I", "         0",
              EquipmentField<9, 3>)
EQUIPMENT_ROW("SYS_ISGAME", "a game port", "12", "L", ".F.", EquipmentBitSet<12>)
EQUIPMENT_ROW("SYS_ISMODE", "an internal modem", "13", "L", ".F.", EquipmentBitSet<13>)
EQUIPMENT_ROW("SYS_NUMPRN", "the number of printers", "14 and 15", "I", "         0",
              EquipmentField<14, 3>)
#undef SYSTEM_INFO_ROW
#undef POWER_ROW
#undef VERSION_ROW
#undef EQUIPMENT_ROW
#undef SYSTEM_INI_ROW
