// Rows of the clipboard, serial ports, dialogs and drawing.
FAMILY(Device, "Clipboard, serial ports, dialogs and drawing",
       "The clipboard's text and formats; the serial-port functions, which check what they "
       "are given and answer fixed results without opening a port; the Windows open-file, "
       "colour, font and find dialogs, owned by the host's main window; and lines and shapes "
       "drawn on the active window. The colour dialog's 16 custom colours start white and "
       "stay until the library is released.")
// A shape drawn with the current pen and brush: name, the shape, the
// Windows call, the function.
#define SHAPE_ROW(name, shape, api, call)                                                       \
    ROW(name, "I,I,I,I",                                                                        \
        DOC(.summary = "Draws " shape " on the active window (" api ").",                       \
            .params = "nLeft: left, in the window's client pixels\n"                            \
                      "nTop: top\n"                                                             \
                      "nRight: right\n"                                                         \
                      "nBottom: bottom",                                                        \
            .returns = "",                                                                      \
            .result = "No value of its own (the host takes .T.).",                              \
            .notes = "With no active window it draws on the screen. What is drawn stays "       \
                     "until the window is painted again.",                                      \
            .example = "=" name "(10, 10, 60, 40)\n? 'drawn'", .output = "drawn"),              \
        Fn<call>)

ROW("CLP_COUNTFORMATS", "", DOC(
    .summary = "The number of formats on the clipboard (CountClipboardFormats).",
    .returns = "I",
    .result = "The count; a text is also offered in the formats Windows makes from it.",
    .example = "? VARTYPE(CLP_COUNTFORMATS())",
    .output = "N"), Fn<ClpCountFormats>)
ROW("CLP_ISFORMATAVAILABLE", "I", DOC(
    .summary = "Whether the clipboard holds a format.",
    .params = "nFormat: the format (1 text, 2 bitmap, 7 OEM text, 13 Unicode text ...)",
    .returns = "L",
    .result = ".T. when it does; .F. also when the clipboard cannot be opened (another "
              "program holds it).",
    .example = "? VARTYPE(CLP_ISFORMATAVAILABLE(1))",
    .output = "L"), Fn<ClpIsFormatAvailable>)
ROW("CLP_GETTEXT", "", DOC(
    .summary = "The clipboard's text.",
    .returns = "C",
    .result = "The text up to its first zero byte; empty when the clipboard holds no text, "
              "cannot be opened, or holds a text longer than the host's longest (16,777,184 "
              "characters).",
    .errors = "Error 182 when memory runs out.",
    .example = "=CLP_EMPTY()\n"
               "? LEN(CLP_GETTEXT())",
    .output = "         0"), Fn<ClpGetText>)
ROW_NOFUZZ("CLP_EMPTY", "", "empties the session's clipboard", DOC(
    .summary = "Empties the clipboard, for the host's main window (KERNEL.DLL).",
    .returns = "L",
    .result = ".T. when the clipboard was emptied; .F. without KERNEL.DLL or when another "
              "program holds it.",
    .example = "? CLP_EMPTY(), CLP_COUNTFORMATS()",
    .output = ".T.          0"), Fn<ClpEmpty>)
ROW("COM_DCB", "C", DOC(
    .summary = "Reads serial-port settings from a mode text into the library's settings record "
               "(BuildCommDCBA).",
    .params = "cSettings: a mode text such as \"baud=9600 parity=N data=8 stop=1\" or "
              "\"COM1:9600,n,8,1\"",
    .returns = "I",
    .result = "1 when Windows read it; 0 when it did not (an unknown word, a bad value).",
    .errors = "Error 182 when memory runs out.",
    .notes = "Nothing else in the library reads the record.",
    .example = "? COM_DCB('baud=9600 parity=N data=8 stop=1'), COM_DCB('baud=fast')",
    .output = "         1          0"), Fn<ComDcb>)
ROW("COM_OPEN", "C,I,I", DOC(
    .summary = "Kept for older programs: opens no port.",
    .params = "cPort: not read\n"
              "nSpeed: not read\n"
              "nMode: not read",
    .returns = "I",
    .result = "0.",
    .example = "? COM_OPEN('COM1', 9600, 0)",
    .output = "         0"), Fn<ComOpen>)
ROW("COM_WRITE", "I,C,I", DOC(
    .summary = "Kept for older programs: writes to no port, after checking the text's length.",
    .params = "nPort: not read\n"
              "cText: the text; its length is counted up to its first zero byte\n"
              "nCount: not read",
    .returns = "?",
    .result = "-1 for a text of 129 characters or more; otherwise no value of its own (the host "
              "takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .example = "? COM_WRITE(1, 'hello', 5), COM_WRITE(1, REPLICATE('x', 129), 0)",
    .output = ".T.         -1"), Fn<ComWrite>)
ROW("COM_READ", "I,R,I", DOC(
    .summary = "Kept for older programs: reads from no port, and clears the variable.",
    .params = "nPort: not read\n"
              "rBuffer: a character variable (not a field)\n"
              "nCount: how many characters would be read; at most the variable's length",
    .returns = "I",
    .result = "0; the variable keeps its length, every character a zero byte.",
    .errors = "Error 129 for a field; 302 when the variable holds no text; 903 when nCount "
              "is longer than it; a load or store the host refuses raises that error.",
    .example = "cBuffer = 'abc'\n"
               "? COM_READ(1, @cBuffer, 3), LEN(cBuffer), ASC(cBuffer)",
    .output = "         0          3          0"), Fn<ComRead>)
ROW_NOFUZZ("DLG_OPEN", "C,C,C,N", "shows a modal dialog that waits for the user", DOC(
    .summary = "Shows the Windows open-file dialog and answers the file chosen.",
    .params = "cFilter: pairs of a description and a pattern, each ended by CHR(0), such as "
              "\"Texts\" + CHR(0) + \"*.txt\" + CHR(0)\n"
              "cTitle: the dialog's title\n"
              "cFolder: the folder it starts in\n"
              "nFlags: GetOpenFileNameA's flags (4096 the file must exist ...)",
    .returns = "C",
    .result = "The full name of the file chosen (at most 8191 characters); empty when the "
              "dialog is cancelled.",
    .errors = "Error 182 when memory runs out.",
    .example = "cFile = DLG_OPEN('Texts' + CHR(0) + '*.txt' + CHR(0), 'Open a text', 'c:\\', 4096)\n"
               "? IIF(EMPTY(cFile), 'cancelled', cFile)"), Fn<DlgOpen>)
ALIAS("FIL_GET", "DLG_OPEN")
ROW_NOFUZZ("DLG_COLOR", "N,N", "shows a modal dialog that waits for the user", DOC(
    .summary = "Shows the Windows colour dialog and answers the colour chosen.",
    .params = "nColor: the colour it starts with (RGB())\n"
              "nFlags: ChooseColorA's flags (1 start with nColor, 2 open the custom colours ...)",
    .returns = "I",
    .result = "The colour chosen; -1 when the dialog is cancelled.",
    .notes = "Custom colours defined in the dialog stay for the next call, cancelled or not.",
    .example = "nColor = DLG_COLOR(RGB(255, 0, 0), 1)\n"
               "? IIF(nColor = -1, 'cancelled', TRANSFORM(nColor))"), Fn<DlgColor>)
ROW_NOFUZZ("DLG_FONT", "N,I,I,N", "shows a modal dialog that waits for the user", DOC(
    .summary = "Shows the Windows font dialog and answers the font chosen.",
    .params = "nColor: the text colour it starts with\n"
              "nSmallest: the smallest size offered, in points (0 for no limit)\n"
              "nLargest: the largest size offered (0 for no limit)\n"
              "nFlags: ChooseFontA's flags (screen fonts 1, effects 256, sizes limited 8192 ...)",
    .returns = "C",
    .result = "The face name, the size in whole points and the style, joined by \",\" "
              "(\"Arial,12,Bold\"); empty when the dialog is cancelled.",
    .notes = "The style is given only when the flags ask for it, and Wine never gives it.",
    .example = "cFont = DLG_FONT(0, 0, 0, 1)\n"
               "? IIF(EMPTY(cFont), 'cancelled', cFont)"), Fn<DlgFont>)
ROW_NOFUZZ("DLG_FIND", "C", "opens a dialog window that stays open", DOC(
    .summary = "Opens the Windows find dialog, without waiting for it.",
    .params = "cText: what to find, shown in the dialog",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .notes = "One find dialog is open at a time: a new call closes the one before. An empty "
             "text opens nothing. The dialog tells the host's main window what the user "
             "asks for.",
    .example = "=DLG_FIND('needle')"), Fn<DlgFind>)
SHAPE_ROW("GRA_RECTAN", "a rectangle", "Rectangle", GraRectan)
SHAPE_ROW("GRA_CIRCLE", "an ellipse", "Ellipse", GraCircle)
ROW("GRA_LINE", "I,I,I,I,I,I,I,I,I", DOC(
    .summary = "Draws a line on the active window with a pen of its own.",
    .params = "nTop: the row it starts on\n"
              "nLeft: the column it starts on\n"
              "nBottom: the row it ends on\n"
              "nRight: the column it ends on\n"
              "nStyle: the pen's style (0 solid, 1 dashed, 2 dotted ...)\n"
              "nWidth: the pen's width\n"
              "nRed: red, 0 to 255\n"
              "nGreen: green\n"
              "nBlue: blue",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "With no active window it draws on the screen.",
    .example = "=GRA_LINE(10, 10, 10, 100, 0, 1, 255, 0, 0)\n"
               "? 'drawn'",
    .output = "drawn"), Fn<GraLine>)
ROW("GRA_CARVE", "I,I,I,I", DOC(
    .summary = "Draws an etched frame on the active window: grey, then white one pixel lower "
               "and to the right.",
    .params = "nTop: top\n"
              "nLeft: left\n"
              "nBottom: bottom\n"
              "nRight: right",
    .returns = "I",
    .result = "0; -1 without a device context, -2 when a pen cannot be made, -5 when it cannot "
              "be selected, -4 when a move fails and -3 when a line fails (the first failure "
              "ends the drawing).",
    .example = "? GRA_CARVE(10, 10, 40, 80)",
    .output = "         0"), Fn<GraCarve>)
#undef SHAPE_ROW
