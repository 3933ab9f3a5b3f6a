// Rows of the keyboard, mouse, screen and locale functions.
FAMILY(Input, "Keyboard, mouse, screen and locale",
       "The keyboard's state and toggle keys, the mouse pointer and buttons, screen metrics "
       "and colours, and language ids. Toggle keys are read and written in the host "
       "thread's keyboard state. The functions that reach the hardware directly (the "
       "keyboard controller's port, the DOS mouse driver) do so only where the system "
       "lets a program do it; elsewhere (Windows NT and later, Wine) the system's refusal "
       "is caught and the call answers as if it had run.")
// A key held down: name, the key, its virtual-key code.
#define KEY_DOWN_ROW(name, key, code)                                                           \
    ROW(name, "", DOC(.summary = "Whether the " key " key is down (GetKeyState " #code ").",    \
                      .returns = "L",                                                           \
                      .result = ".T. while the key is held down.",                              \
                      .example = "? " name "()", .output = ".F."),                              \
        Fn<KeyDown<code>>)
// A toggle key: its reader, its writer, the key, its virtual-key code.
#define TOGGLE_ROWS(isName, setName, key, code)                                                 \
    ROW(isName, "", DOC(.summary = "Whether " key " is on in the keyboard state.",              \
                        .returns = "L",                                                         \
                        .result = ".T. when the key's state byte is not 0.",                    \
                        .example = "=" setName "(.T.)\n? " isName "()", .output = ".T."),        \
        Fn<ToggleOn<code>>)                                                                     \
    ROW(setName, "L", DOC(.summary = "Switches " key " on or off in the keyboard state.",       \
                          .params = "lOn: .T. on, .F. off",                                     \
                          .returns = "L",                                                       \
                          .result = ".T. when Windows took the new state.",                     \
                          .notes = "The state byte (virtual key " #code ") becomes 1 or 0; "    \
                                   "the lamp on the keyboard may not follow.",                  \
                          .example = "? " setName "(.F.), " isName "()", .output = ".T. .F."),  \
        Fn<SetToggle<code>>)
// A system metric: name, what it is, its GetSystemMetrics index.
#define METRIC_ROW(name, what, index)                                                           \
    ROW(name, "", DOC(.summary = "The " what " (GetSystemMetrics " #index ").",                 \
                      .returns = "I",                                                           \
                      .result = "In pixels.",                                                   \
                      .example = "? " name "() > 0", .output = ".T."),                          \
        Fn<Metric<index>>)
// The keyboard controller's repeat rate: name, the rate's name, the byte.
#define TYPEMATIC_ROW(name, what, rate)                                                         \
    ROW(name, "", DOC(.summary = "Sets the keyboard's repeat to " what ", through the keyboard " \
                                 "controller.",                                                 \
                      .returns = "L",                                                           \
                      .result = ".T.",                                                          \
                      .notes = "Writes 243 and then " #rate " to port 96 where the system "     \
                               "allows it.",                                                    \
                      .example = "? " name "()", .output = ".T."),                              \
        Fn<Typematic<rate>>)
// A mouse button event: name, what it does, the mouse_event flag.
#define MOUSE_BUTTON_ROW(name, what, flag)                                                      \
    ROW_NOFUZZ(name, "", "injects mouse input into the session",                                \
               DOC(.summary = "Sends the system a " what " (mouse_event " #flag ").",           \
                   .returns = "",                                                               \
                   .result = "No value of its own (the host takes .T.).",                       \
                   .notes = "The event goes to whatever window is under the pointer.",          \
                   .example = "=" name "()"),                                                   \
               Fn<MouseButton<flag>>)

ROW("KEY_GETASYNCKEYSTATE", "I", DOC(
    .summary = "Whether a key is down at this moment (GetAsyncKeyState).",
    .params = "nKey: the virtual-key code (65 for A, 1 the left mouse button ...)",
    .returns = "L",
    .result = ".T. while the key is held down.",
    .example = "? KEY_GETASYNCKEYSTATE(65)",
    .output = ".F."), Fn<KeyGetAsyncKeyState>)
ROW("KEY_ISINS", "", DOC(
    .summary = "Whether Insert mode is on in the keyboard state.",
    .returns = "L",
    .result = ".T. when the Insert key's state byte is 0 (the byte is read the other way "
              "round).",
    .example = "=KEY_SETINS(.T.)\n"
               "? KEY_ISINS()",
    .output = ".T."), Fn<KeyIsIns>)
ROW("KEY_SETINS", "L", DOC(
    .summary = "Switches Insert mode on or off in the keyboard state.",
    .params = "lOn: .T. on (the state byte becomes 0), .F. off (1)",
    .returns = "L",
    .result = ".T. when Windows took the new state.",
    .example = "? KEY_SETINS(.F.), KEY_ISINS()",
    .output = ".T. .F."), Fn<KeySetIns>)
TOGGLE_ROWS("KEY_ISSCRL", "KEY_SETSCR", "Scroll Lock", 145)
TOGGLE_ROWS("KEY_ISNUM", "KEY_SETNUM", "Num Lock", 144)
TOGGLE_ROWS("KEY_ISCAPS", "KEY_SETCAP", "Caps Lock", 20)
KEY_DOWN_ROW("KEY_ISSHIFT", "Shift", 16)
ALIAS("KBD_ISSHIFT", "KEY_ISSHIFT")
ALIAS("ISSHIFT", "KEY_ISSHIFT")
KEY_DOWN_ROW("KEY_ISLSHIFT", "left Shift", 160)
ALIAS("KBD_ISLSHIFT", "KEY_ISLSHIFT")
ALIAS("ISLSHIFT", "KEY_ISLSHIFT")
KEY_DOWN_ROW("KEY_ISRSHIFT", "right Shift", 161)
ALIAS("KBD_ISRSHIFT", "KEY_ISRSHIFT")
ALIAS("ISRSHIFT", "KEY_ISRSHIFT")
KEY_DOWN_ROW("KEY_ISCTRL", "Ctrl", 17)
ALIAS("KBD_ISCTRL", "KEY_ISCTRL")
ALIAS("ISCTRL", "KEY_ISCTRL")
KEY_DOWN_ROW("KEY_ISLCTRL", "left Ctrl", 162)
ALIAS("KBD_ISLCTRL", "KEY_ISLCTRL")
ALIAS("ISLCTRL", "KEY_ISLCTRL")
KEY_DOWN_ROW("KEY_ISRCTRL", "right Ctrl", 163)
ALIAS("KBD_ISRCTRL", "KEY_ISRCTRL")
ALIAS("ISRCTRL", "KEY_ISRCTRL")
KEY_DOWN_ROW("KEY_ISALT", "Alt", 18)
ALIAS("KBD_ISALT", "KEY_ISALT")
ALIAS("ISALT", "KEY_ISALT")
KEY_DOWN_ROW("KEY_ISLALT", "left Alt", 164)
ALIAS("KBD_ISLALT", "KEY_ISLALT")
ALIAS("ISLALT", "KEY_ISLALT")
KEY_DOWN_ROW("KEY_ISRALT", "right Alt", 165)
ALIAS("KBD_ISRALT", "KEY_ISRALT")
ALIAS("ISRALT", "KEY_ISRALT")
TYPEMATIC_ROW("KEY_FAST", "its fastest", 0)
TYPEMATIC_ROW("KEY_SLOW", "its slowest", 127)
TYPEMATIC_ROW("KEY_NORM", "normal", 44)
ROW("KEY_FMAX", "", DOC(
    .summary = "The number of function keys on the keyboard (GetKeyboardType 2).",
    .returns = "I",
    .result = "The count, such as 12.",
    .example = "? KEY_FMAX() > 0",
    .output = ".T."), Fn<KeyFmax>)
ROW("KEY_TYPE", "I", DOC(
    .summary = "What Windows knows of the keyboard (GetKeyboardType).",
    .params = "nWhich: 0 the type, 1 the subtype, 2 the number of function keys",
    .returns = "I",
    .result = "Windows' answer; 0 for another number.",
    .example = "? KEY_TYPE(2) = KEY_FMAX()",
    .output = ".T."), Fn<KeyType>)
ROW("KEY_GETLAYOUTNAME", "", DOC(
    .summary = "The name of the keyboard layout in use (GetKeyboardLayoutNameA).",
    .returns = "C",
    .result = "Eight hexadecimal digits, such as 00000409 for US English.",
    .example = "? LEN(KEY_GETLAYOUTNAME())",
    .output = "         8"), Fn<KeyGetLayoutName>)
ROW("KEY_CODEPAGE", "", DOC(
    .summary = "The system's OEM code page (GetOEMCP).",
    .returns = "I",
    .result = "The code page, such as 437 or 850.",
    .example = "? KEY_CODEPAGE() > 0",
    .output = ".T."), Fn<KeyCodePage>)
ROW("MOU_X", "", DOC(
    .summary = "The mouse pointer's horizontal position, as the host gives it.",
    .returns = "I",
    .result = "In screen pixels.",
    .example = "? VARTYPE(MOU_X())",
    .output = "N"), Fn<MouX>)
ROW("MOU_Y", "", DOC(
    .summary = "The mouse pointer's vertical position, as the host gives it.",
    .returns = "I",
    .result = "In screen pixels.",
    .example = "? VARTYPE(MOU_Y())",
    .output = "N"), Fn<MouY>)
ROW("MOU_ISDOWN", "", DOC(
    .summary = "Whether a mouse button is down, as the host tells it.",
    .returns = "L",
    .result = ".T. while a button is held down.",
    .example = "? MOU_ISDOWN()",
    .output = ".F."), Fn<MouIsDown>)
ROW_NOFUZZ("MOU_CLIPCURSOR", "I,I,I,I", "confines the session's mouse pointer", DOC(
    .summary = "Confines the mouse pointer to a rectangle of the screen (ClipCursor).",
    .params = "nTop: top, in screen pixels\n"
              "nLeft: left\n"
              "nBottom: bottom\n"
              "nRight: right",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "MOU_FREECLIPCURSOR frees the pointer again.",
    .example = "=MOU_CLIPCURSOR(0, 0, 200, 300)\n"
               "=MOU_FREECLIPCURSOR()"), Fn<MouClipCursor>)
ROW("MOU_FREECLIPCURSOR", "", DOC(
    .summary = "Lets the mouse pointer move over the whole screen again.",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=MOU_FREECLIPCURSOR()\n"
               "? 'free'",
    .output = "free"), Fn<MouFreeClipCursor>)
MOUSE_BUTTON_ROW("MOU_LEFTDOWN", "left button press", 2)
MOUSE_BUTTON_ROW("MOU_LEFTUP", "left button release", 4)
MOUSE_BUTTON_ROW("MOU_RIGHTDOWN", "right button press", 8)
MOUSE_BUTTON_ROW("MOU_RIGHTUP", "right button release", 16)
MOUSE_BUTTON_ROW("MOU_MIDDLEDOWN", "middle button press", 32)
MOUSE_BUTTON_ROW("MOU_MIDDLEUP", "middle button release", 64)
ROW_NOFUZZ("MOU_MOVE", "I,I", "moves the session's mouse pointer", DOC(
    .summary = "Moves the mouse pointer to a point of the screen.",
    .params = "nX: the column, in screen pixels\n"
              "nY: the row, in screen pixels",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Sent as an absolute move of mouse_event, so windows see the move as if the "
             "mouse had made it.",
    .example = "=MOU_MOVE(100, 50)"), Fn<MouMove>)
ROW("MOU_SETHOR", "I,I", DOC(
    .summary = "Sets the DOS mouse driver's horizontal limits (function 7 of interrupt 51).",
    .params = "nMinimum: the leftmost column\n"
              "nMaximum: the rightmost column",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Only where the system lets a program call the DOS driver; elsewhere nothing "
             "happens.",
    .example = "=MOU_SETHOR(0, 639)\n"
               "? 'done'",
    .output = "done"), Fn<MouseLimits<7>>)
ROW("MOU_SETVER", "I,I", DOC(
    .summary = "Sets the DOS mouse driver's vertical limits (function 8 of interrupt 51).",
    .params = "nMinimum: the top row\n"
              "nMaximum: the bottom row",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Only where the system lets a program call the DOS driver; elsewhere nothing "
             "happens.",
    .example = "=MOU_SETVER(0, 479)\n"
               "? 'done'",
    .output = "done"), Fn<MouseLimits<8>>)
ROW("CUR_LOAD", "C", DOC(
    .summary = "Loads a cursor file (.cur or .ani) and makes it the mouse pointer.",
    .params = "cFile: the cursor file",
    .returns = "L",
    .result = ".T.; .F. when the file gives no cursor.",
    .errors = "Error 182 when memory runs out.",
    .example = "? CUR_LOAD('missing.cur')",
    .output = ".F."), Fn<CurLoad>)
METRIC_ROW("SCR_COLS", "width of the screen", 0)
METRIC_ROW("SCR_ROWS", "height of the screen", 1)
METRIC_ROW("SCR_MINIMUMDRAGWIDTH", "narrowest a window can be dragged to", 34)
ALIAS("SYS_MINIMUMDRAGWIDTH", "SCR_MINIMUMDRAGWIDTH")
METRIC_ROW("SCR_MINIMUMDRAGHEIGHT", "lowest a window can be dragged to", 35)
ALIAS("SYS_MINIMUMDRAGHEIGHT", "SCR_MINIMUMDRAGHEIGHT")
METRIC_ROW("SCR_BITMAPWIDTH", "width of a title-bar bitmap", 30)
ALIAS("SYS_BITMAPWIDTH", "SCR_BITMAPWIDTH")
METRIC_ROW("SCR_BITMAPHEIGHT", "height of a title-bar bitmap", 31)
ALIAS("SYS_BITMAPHEIGHT", "SCR_BITMAPHEIGHT")
ROW("SCR_COLORS", "", DOC(
    .summary = "The number of colours of the screen's device (GetDeviceCaps NUMCOLORS).",
    .returns = "I",
    .result = "The count; -1 for a display of more than 256 colours.",
    .example = "? VARTYPE(SCR_COLORS())",
    .output = "N"), Fn<ScrColors>)
ROW("SCR_COLORDEPTH", "", DOC(
    .summary = "The number of colours the display shows: 2 to its colour depth.",
    .returns = "I",
    .result = "65536 or 32768 for 16 bits a pixel (32768 when each channel keeps 32 levels), "
              "16777216 for 24 bits; 0 for 32 bits, whose count does not fit an integer; 1 "
              "when the display cannot be asked.",
    .example = "? VARTYPE(SCR_COLORDEPTH())",
    .output = "N"), Fn<ScrColorDepth>)
ROW("SCR_ROLOC", "I", DOC(
    .summary = "The low byte of a number with its two 4-bit halves swapped.",
    .params = "nValue: the number",
    .returns = "I",
    .result = "0 to 255.",
    .example = "? SCR_ROLOC(18), SCR_ROLOC(0x1F2)",
    .output = "        33         47"), Fn<ScrRoloc>)
ROW("LNG_SET", ".I", DOC(
    .summary = "Keeps a language setting for the program: answers it and, given one, keeps the "
               "new one.",
    .params = "nLanguage: the new setting",
    .returns = "I",
    .result = "The setting before the call; 0 at load.",
    .notes = "Nothing else in the library reads it.",
    .example = "? LNG_SET(1036), LNG_SET()",
    .output = "         0       1036"), Fn<LngSet>)
ROW("LNG_MAKELANGID", "I,I", DOC(
    .summary = "A language id from a primary language and a sublanguage.",
    .params = "nPrimary: the primary language (its low 16 bits)\n"
              "nSub: the sublanguage (its low 16 bits, shifted left by 10)",
    .returns = "I",
    .result = "The language id.",
    .example = "? LNG_MAKELANGID(12, 1)",
    .output = "      1036"), Fn<LngMakeLangId>)
ROW("LOC_GETUSERDEFAULTLANGUAGE", "", DOC(
    .summary = "The user's default language id (GetUserDefaultLangID).",
    .returns = "I",
    .result = "The id, such as 1033 for US English.",
    .example = "? LOC_GETUSERDEFAULTLANGUAGE() > 0",
    .output = ".T."), Fn<LocGetUserDefaultLanguage>)
ALIAS("GETUSERDEFAULTLANGID", "LOC_GETUSERDEFAULTLANGUAGE")
ROW("LOC_GETSYSTEMDEFAULTLANGUAGE", "", DOC(
    .summary = "The system's default language id (GetSystemDefaultLangID).",
    .returns = "I",
    .result = "The id, such as 1033 for US English.",
    .example = "? LOC_GETSYSTEMDEFAULTLANGUAGE() > 0",
    .output = ".T."), Fn<LocGetSystemDefaultLanguage>)
ALIAS("GETSYSTEMDEFAULTLANGID", "LOC_GETSYSTEMDEFAULTLANGUAGE")
ROW("LOC_GETUSERPRIMARYLANGUAGE", ".I", DOC(
    .summary = "The primary language of a language id: its low 10 bits.",
    .params = "nLanguage: the language id; the user's default when left out",
    .returns = "I",
    .result = "The primary language, such as 12 for French.",
    .example = "? LOC_GETUSERPRIMARYLANGUAGE(1036)",
    .output = "        12"), Fn<LocGetUserPrimaryLanguage>)
ROW("LOC_GETUSERSUBLANGUAGE", ".I", DOC(
    .summary = "The sublanguage of a language id: the id shifted right by 10.",
    .params = "nLanguage: the language id; the user's default when left out",
    .returns = "I",
    .result = "The sublanguage, such as 1 for French of France.",
    .example = "? LOC_GETUSERSUBLANGUAGE(1036)",
    .output = "         1"), Fn<LocGetUserSubLanguage>)
ROW("LOC_GETLOCALESETTING", "I,.I", DOC(
    .summary = "One setting of a locale (GetLocaleInfoA).",
    .params = "nItem: the item (14 the decimal sign, 31 the short date format, 2 the language's "
              "name ...)\n"
              "nLocale: the locale id; 1024, the user's default, when left out",
    .returns = "C",
    .result = "The setting's text; empty when Windows has none for that item or locale.",
    .errors = "Error 182 when memory runs out.",
    .example = "? LOC_GETLOCALESETTING(14, 1033), LEN(LOC_GETLOCALESETTING(99999))",
    .output = ".          0"), Fn<LocGetLocaleSetting>)
#undef KEY_DOWN_ROW
#undef TOGGLE_ROWS
#undef METRIC_ROW
#undef MOUSE_BUTTON_ROW
#undef TYPEMATIC_ROW
