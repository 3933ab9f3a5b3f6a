// Rows of the system parameters.
FAMILY(Parameter, "System parameters",
       "Windows' user-interface settings through SystemParametersInfoA, one name per setting. "
       "The setters write the new value to the user's profile and tell every window, so the "
       "change stays after the program ends. Two settings exist only on Windows 95: there "
       "they are read and written, elsewhere their functions answer .F. or the empty text.")
// A setting read: name, what it is, the action, its kind (SpiNumber or SpiFlag),
// what the result is.
#define SPI_GET_ROW(name, what, action, kind, answer)                                           \
    ROW(name, "", DOC(.summary = "The " what " (SystemParametersInfoA action " #action ").",    \
                      .returns = #kind[3] == 'F' ? "L" : "I",                                   \
                      .result = answer,                                                         \
                      .example = "? VARTYPE(" name "())",                                       \
                      .output = #kind[3] == 'F' ? "L" : "N"),                                   \
        Fn<kind<action>>)
// A setting written, with its reader: name, reader, what it is, the action,
// the setter (SpiSetNumber or SpiSetFlag), the parameter line.
#define SPI_SET_ROW(name, reader, what, action, setter, param)                                  \
    ROW_NOFUZZ(name, #setter[6] == 'F' ? "L" : "I", "changes the user's settings",               \
               DOC(.summary = "Sets the " what " (SystemParametersInfoA action " #action ").",  \
                   .params = param, .returns = "L",                                             \
                   .result = ".T. when Windows took the setting.",                              \
                   .example = "? " name "(" reader "())", .output = ".T."),                     \
               Fn<setter<action>>)
// A setting written that has no reader.
#define SPI_SET_ONLY_ROW(name, what, action, setter, param, shown)                              \
    ROW_NOFUZZ(name, #setter[6] == 'F' ? "L" : "I", "changes the user's settings",               \
               DOC(.summary = "Sets the " what " (SystemParametersInfoA action " #action ").",  \
                   .params = param, .returns = "L",                                             \
                   .result = ".T. when Windows took the setting.",                              \
                   .example = "=" name "(" shown ")"),                                          \
               Fn<setter<action>>)

SPI_GET_ROW("SPI_GETBEEP", "warning beeper's state", 1, SpiFlag, ".T. when the beeper is on.")
SPI_SET_ROW("SPI_SETBEEP", "SPI_GETBEEP", "warning beeper on or off", 2, SpiSetFlag, "lOn: .T. on")
SPI_GET_ROW("SPI_GETBORDER", "sizing border's width multiplier", 5, SpiNumber, "The multiplier.")
SPI_SET_ROW("SPI_SETBORDER", "SPI_GETBORDER", "sizing border's width multiplier", 6, SpiSetNumber,
            "nWidth: the multiplier")
SPI_GET_ROW("SPI_GETKBDSPEED", "keyboard's repeat speed", 10, SpiNumber, "0 (slowest) to 31 (fastest).")
SPI_SET_ROW("SPI_SETKBDSPEED", "SPI_GETKBDSPEED", "keyboard's repeat speed", 11, SpiSetNumber,
            "nSpeed: 0 (slowest) to 31 (fastest)")
ROW("SPI_GETLANGUAGEDRIVER", "", DOC(
    .summary = "The file name of the keyboard language driver (SystemParametersInfoA action 12).",
    .returns = "C",
    .result = "The name, at most 127 characters; empty when Windows names none.",
    .example = "? VARTYPE(SPI_GETLANGUAGEDRIVER())",
    .output = "C"), Fn<SpiGetLanguageDriver>)
SPI_SET_ONLY_ROW("SPI_SETICONHSPACING", "width of an icon cell", 13, SpiSetNumber,
                 "nWidth: in pixels", "75")
SPI_GET_ROW("SPI_GETSCREENSAVETIMEOUT", "screen saver's time-out", 14, SpiNumber, "In seconds.")
SPI_SET_ROW("SPI_SETSCREENSAVETIMEOUT", "SPI_GETSCREENSAVETIMEOUT", "screen saver's time-out", 15,
            SpiSetNumber, "nSeconds: the time-out")
SPI_GET_ROW("SPI_GETSCREENSAVEACTIVE", "screen saver's state", 16, SpiFlag, ".T. when it is on.")
SPI_SET_ROW("SPI_SETSCREENSAVEACTIVE", "SPI_GETSCREENSAVEACTIVE", "screen saver on or off", 17,
            SpiSetFlag, "lOn: .T. on")
SPI_GET_ROW("SPI_GETGRID", "desktop's sizing grid", 18, SpiNumber, "The grid's step.")
SPI_SET_ROW("SPI_SETGRID", "SPI_GETGRID", "desktop's sizing grid", 19, SpiSetNumber,
            "nGrid: the grid's step")
ROW_NOFUZZ("SPI_SETWALLPAPER", "C", "changes the user's settings", DOC(
    .summary = "Sets the desktop's wallpaper (SystemParametersInfoA action 20).",
    .params = "cFile: the bitmap file; empty for no wallpaper",
    .returns = "L",
    .result = ".T.; .F. when Windows refused it, and SPI_GETLASTERROR then answers why.",
    .errors = "Error 182 when memory runs out.",
    .notes = "Wine takes any name, an existing file or not.",
    .example = "IF !SPI_SETWALLPAPER('c:\\pictures\\sea.bmp')\n"
               "  ? 'refused:', SPI_GETLASTERROR()\n"
               "ENDIF"), Fn<SpiSetWallpaper>)
SPI_GET_ROW("SPI_GETKBDDELAY", "keyboard's repeat delay", 22, SpiNumber, "0 (shortest) to 3 (longest).")
SPI_SET_ROW("SPI_SETKBDDELAY", "SPI_GETKBDDELAY", "keyboard's repeat delay", 23, SpiSetNumber,
            "nDelay: 0 (shortest) to 3 (longest)")
SPI_SET_ONLY_ROW("SPI_SETICONVSPACING", "height of an icon cell", 24, SpiSetNumber,
                 "nHeight: in pixels", "75")
SPI_GET_ROW("SPI_GETICONTITLEWRAP", "wrapping of icon titles", 25, SpiFlag, ".T. when titles wrap.")
SPI_SET_ROW("SPI_SETICONTITLEWRAP", "SPI_GETICONTITLEWRAP", "wrapping of icon titles", 26, SpiSetFlag,
            "lOn: .T. to wrap")
SPI_GET_ROW("SPI_GETMENUDROPALIGNMENT", "alignment of drop-down menus", 27, SpiFlag,
            ".T. when menus open right-aligned to their titles.")
SPI_SET_ROW("SPI_SETMENUDROPALIGNMENT", "SPI_GETMENUDROPALIGNMENT", "alignment of drop-down menus", 28,
            SpiSetFlag, "lRight: .T. for right-aligned")
SPI_SET_ONLY_ROW("SPI_SETDOUBLECLICKWIDTH", "width of the double-click rectangle", 29, SpiSetNumber,
                 "nWidth: in pixels", "4")
SPI_SET_ONLY_ROW("SPI_SETDOUBLECLICKHEIGHT", "height of the double-click rectangle", 30, SpiSetNumber,
                 "nHeight: in pixels", "4")
SPI_SET_ONLY_ROW("SPI_SETDOUBLECLICKTIME", "double-click time", 32, SpiSetNumber,
                 "nMilliseconds: the most time between the two clicks", "500")
SPI_SET_ONLY_ROW("SPI_SETMOUSEBUTTONSWAP", "swap of the mouse buttons", 33, SpiSetFlag,
                 "lSwap: .T. to swap left and right", ".F.")
SPI_GET_ROW("SPI_GETFASTTASKSWITCH", "fast task switching's state", 35, SpiFlag,
            ".T. when it is on.")
SPI_SET_ONLY_ROW("SPI_SETFASTTASKSWITCH", "fast task switching on or off (Wine refuses it)", 36,
                 SpiSetFlag, "lOn: .T. on", ".T.")
ROW_NOFUZZ("SPI_SETWORKAREA", "I,I,I,I", "changes the user's settings", DOC(
    .summary = "Sets the desktop's work area, on Windows 95 only (SystemParametersInfoA action 47).",
    .params = "nTop: top, in screen pixels\n"
              "nLeft: left\n"
              "nBottom: bottom\n"
              "nRight: right",
    .returns = "L",
    .result = ".T. when Windows took it; .F. on other systems.",
    .notes = "The change is not written to the profile.",
    .example = "? SPI_SETWORKAREA(0, 0, 740, 1024)"), Fn<SpiSetWorkArea>)
ROW("SPI_GETWORKAREA", "", DOC(
    .summary = "The desktop's work area, on Windows 95 only (SystemParametersInfoA action 48).",
    .returns = "C",
    .result = "Top, left, bottom and right joined by \",\", such as \"0,0,740,1024\"; empty on "
              "other systems.",
    .example = "? VARTYPE(SPI_GETWORKAREA())",
    .output = "C"), Fn<SpiGetWorkArea>)
SPI_SET_ROW("SPI_SETSHOWSOUNDS", "SPI_GETSHOWSOUNDS", "show-sounds option", 57, SpiSetFlag,
            "lOn: .T. to show sounds as pictures")
ROW("SPI_GETSCREENREADER", "", DOC(
    .summary = "Whether a screen reader runs, on Windows 95 only (SystemParametersInfoA action 70).",
    .returns = "L",
    .result = ".T. when one runs; .F. when none does, and on other systems.",
    .example = "? VARTYPE(SPI_GETSCREENREADER())",
    .output = "L"), Fn<SpiGetScreenReader>)
ROW("SPI_GETSHOWSOUNDS", "", DOC(
    .summary = "The show-sounds option (GetSystemMetrics 70).",
    .returns = "L",
    .result = ".T. when programs show their sounds as pictures.",
    .example = "? VARTYPE(SPI_GETSHOWSOUNDS())",
    .output = "L"), Fn<SpiGetShowSounds>)
ROW("SPI_GETLASTERROR", "", DOC(
    .summary = "Why the last refused SPI_SETWALLPAPER was refused.",
    .returns = "I",
    .result = "The Windows error number; 0 when none was refused since the library loaded. A "
              "later success keeps it.",
    .example = "? SPI_GETLASTERROR()",
    .output = "         0"), Fn<SpiGetLastError>)
#undef SPI_GET_ROW
#undef SPI_SET_ROW
#undef SPI_SET_ONLY_ROW
