// Rows of the window functions.
FAMILY(Window, "Windows",
       "Windows window handles and the host's own windows. Windows handles travel as "
       "integers; the host numbers its windows itself (WIN_MAIN, WIN_HANDLE) and WIN_HWND or "
       "WIN_WHANDLETOHWND translate. Rectangles are given top, left, bottom, right. Device "
       "contexts (the N parameters) are read from the integer field of their values. In "
       "tarvo-run the main window is SCREEN, and DEFINE WINDOW and forms made with "
       "CREATEOBJECT('Form') are host windows known by their names.")
// GetWindowLongA of a window: its name, what it answers, the index.
#define WINDOW_LONG_ROW(name, what, index)                                                      \
    ROW(name, "I",                                                                              \
        DOC(.summary = "The " what " of a window (GetWindowLongA, index " #index ").",          \
            .params = "nHwnd: the Windows handle of the window",                                \
            .returns = "I",                                                                     \
            .result = "The " what "; 0 for a handle that names no window.",                     \
            .example = "? " name "(WIN_HWND('SCREEN')) <> 0, " name "(0)",                      \
            .output = ".T.          0"),                                                        \
        Fn<WindowLong<index>>)
// GetWindowMetric of a host window: its name, what it answers, the selector.
#define HOST_METRIC_ROW(name, what, which)                                                      \
    ROW(name, "I",                                                                              \
        DOC(.summary = "The " what " of a host window, in screen pixels.",                      \
            .params = "nWindow: the host's number of the window (WIN_MAIN, WIN_HANDLE)",        \
            .returns = "I",                                                                     \
            .result = "What the host answers (GetWindowMetric " #which "); 0 for a number "    \
                      "that names no window.",                                                  \
            .example = "? " name "(WIN_HANDLE('NoSuchWindow'))", .output = "         0"),       \
        Fn<HostMetric<which>>)
// DrawEdge with a fixed edge: name, its look, the edge.
#define EDGE_ROW(name, look, edge)                                                              \
    ROW(name, "I,I,I,I,N",                                                                      \
        DOC(.summary = "Draws a " look " 3-D frame and fills its middle (DrawEdge, edge " #edge \
                       ", all sides).",                                                         \
            .params = "nTop: top of the rectangle\n"                                            \
                      "nLeft: its left\n"                                                       \
                      "nBottom: its bottom\n"                                                   \
                      "nRight: its right\n"                                                     \
                      "nHdc: the device context to draw on",                                    \
            .returns = "L",                                                                     \
            .result = ".T. when Windows drew it.",                                              \
            .example = "DECLARE INTEGER CreateCompatibleDC IN gdi32 INTEGER\n"                  \
                       "DECLARE INTEGER DeleteDC IN gdi32 INTEGER\n"                            \
                       "hDC = CreateCompatibleDC(0)\n"                                          \
                       "? " name "(10, 20, 30, 40, hDC)\n"                                      \
                       "=DeleteDC(hDC)",                                                        \
            .output = ".T."),                                                                   \
        Fn<Edge3D<edge>>)

ROW_NOFUZZ("WIN_MSGBOX", "C,I,C,I", "shows a modal message box that waits for a button", DOC(
    .summary = "Shows a Windows message box and answers the button pressed.",
    .params = "cText: the message\n"
              "nStyle: MessageBox's style (buttons, icon, default button)\n"
              "cCaption: the title\n"
              "nLanguage: the language of the buttons (its low 16 bits)",
    .returns = "I",
    .result = "The button pressed: 1 OK, 2 Cancel, 6 Yes, 7 No ...; 0 when the box cannot be "
              "shown.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The box is owned by the active window.",
    .example = "nButton = WIN_MSGBOX('Save the changes?', 4, 'Report', 0)\n"
               "? IIF(nButton = 6, 'saving', 'not saving')"), Fn<WinMsgBox>)
ROW("WIN_DIALOG", "I,.C,.C,.C,.C", DOC(
    .summary = "Shows one of the host's own dialogs and answers the button chosen.",
    .params = "nScheme: the host's dialog scheme\n"
              "cText: the message (empty when left out)\n"
              "cButton1: the first button's caption\n"
              "cButton2: the second's\n"
              "cButton3: the third's",
    .returns = "I",
    .result = "The number of the button chosen; button 1 is both the default and the escape "
              "button.",
    .errors = "Error 182 when memory runs out.",
    .notes = "tarvo-run has nobody to answer, so the default button is chosen.",
    .example = "? WIN_DIALOG(0, 'Continue?', 'Yes', 'No')",
    .output = "         1"), Fn<WinDialog>)
ROW("WIN_ENUMCHILDREN", "", DOC(
    .summary = "Lists the child windows of the active window for WIN_GETCHILDREN.",
    .returns = "L",
    .result = ".T.; .F. when no window is active, and the list is then kept.",
    .notes = "The list is made afresh each time: each child's handle in decimal followed by "
             "\"^\", in the order Windows enumerates them, however many there are.",
    .example = "? VARTYPE(WIN_ENUMCHILDREN())",
    .output = "L"), Fn<WinEnumChildren>)
ROW("WIN_GETCHILDREN", "", DOC(
    .summary = "The list of child windows the last WIN_ENUMCHILDREN made.",
    .returns = "C",
    .result = "Handles in decimal, each followed by \"^\" (\"100^200^\"); empty before any "
              "enumeration.",
    .example = "? LEN(WIN_GETCHILDREN())",
    .output = "         0"), Fn<WinGetChildren>)
ROW("WIN_LOCK", "I", DOC(
    .summary = "Stops or allows the drawing of a window (LockWindowUpdate).",
    .params = "nHwnd: the window to lock; 0 unlocks the locked one",
    .returns = "L",
    .result = ".T. when Windows did it; .F. when another window is locked already.",
    .example = "? WIN_LOCK(0)",
    .output = ".T."), Fn<WinLock>)
WINDOW_LONG_ROW("WIN_GETHINSTANCE", "module instance", -6)
WINDOW_LONG_ROW("WIN_GETEXSTYLE", "extended style bits", -20)
WINDOW_LONG_ROW("WIN_GETSTYLE", "style bits", -16)
WINDOW_LONG_ROW("WIN_GETWNDPROC", "window procedure address", -4)
ALIAS("WIN_GETHWNDPARENT", "WIN_GETWNDPROC")
ROW("WIN_CLEARRECT", "I,I,I,I", DOC(
    .summary = "Makes a rectangle of the four edges empty (SetRectEmpty); nothing on screen "
               "changes.",
    .params = "nTop: top\n"
              "nLeft: left\n"
              "nBottom: bottom\n"
              "nRight: right",
    .returns = "L",
    .result = ".T.",
    .example = "? WIN_CLEARRECT(10, 20, 30, 40)",
    .output = ".T."), Fn<WinClearRect>)
ROW("WIN_DRAWEDGE", "I,I,I,I,N,I,I", DOC(
    .summary = "Draws a 3-D edge around a rectangle (DrawEdge).",
    .params = "nTop: top of the rectangle\n"
              "nLeft: its left\n"
              "nBottom: its bottom\n"
              "nRight: its right\n"
              "nHdc: the device context to draw on\n"
              "nEdge: DrawEdge's edge (5 raised, 10 sunken ...)\n"
              "nFlags: DrawEdge's flags (15 all sides, 2048 fill the middle ...)",
    .returns = "L",
    .result = ".T. when Windows drew it.",
    .example = "DECLARE INTEGER CreateCompatibleDC IN gdi32 INTEGER\n"
               "DECLARE INTEGER DeleteDC IN gdi32 INTEGER\n"
               "hDC = CreateCompatibleDC(0)\n"
               "? WIN_DRAWEDGE(10, 20, 30, 40, hDC, 5, 15)\n"
               "=DeleteDC(hDC)",
    .output = ".T."), Fn<WinDrawEdge>)
ALIAS("DRAWEDGE", "WIN_DRAWEDGE")
EDGE_ROW("WIN_SUNKEN", "sunken", 10)
EDGE_ROW("WIN_RAISED", "raised", 5)
ROW("WIN_GETWINDOWDC", "I", DOC(
    .summary = "The device context of a whole window, frame included (GetWindowDC).",
    .params = "nHwnd: the window; 0 for the whole screen",
    .returns = "I",
    .result = "The device context's handle; -1 when Windows gives none. Give it back with "
              "WIN_RELEASEDC.",
    .example = "hDC = WIN_GETWINDOWDC(0)\n"
               "? hDC <> -1, WIN_RELEASEDC(0, hDC)",
    .output = ".T. .T."), Fn<WinGetWindowDc>)
ALIAS("GETWINDOWDC", "WIN_GETWINDOWDC")
ROW("WIN_RELEASEDC", "I,N", DOC(
    .summary = "Gives back a window's device context (ReleaseDC).",
    .params = "nHwnd: the window\n"
              "nHdc: its device context",
    .returns = "L",
    .result = ".T. when Windows released it; .F. for one not released, or released already.",
    .example = "? WIN_RELEASEDC(0, 0)",
    .output = ".F."), Fn<WinReleaseDc>)
ALIAS("RELEASEDC", "WIN_RELEASEDC")
ROW("WIN_GETACTIVEWINDOW", "", DOC(
    .summary = "The active window of the host's thread (GetActiveWindow).",
    .returns = "I",
    .result = "Its Windows handle; 0 when none is active.",
    .example = "? VARTYPE(WIN_GETACTIVEWINDOW())",
    .output = "N"), Fn<WinGetActiveWindow>)
ALIAS("GETACTIVEWINDOW", "WIN_GETACTIVEWINDOW")
ROW("WIN_SETACTIVEWINDOW", "I", DOC(
    .summary = "Activates a window of the host's thread (SetActiveWindow).",
    .params = "nHwnd: the window",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=WIN_SETACTIVEWINDOW(WIN_GETACTIVEWINDOW())\n"
               "? 'done'",
    .output = "done"), Fn<WinSetActiveWindow>)
ALIAS("SETACTIVEWINDOW", "WIN_SETACTIVEWINDOW")
ROW("WIN_SETFOREGROUNDWINDOW", "I", DOC(
    .summary = "Brings a window to the foreground (SetForegroundWindow).",
    .params = "nHwnd: the window",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=WIN_SETFOREGROUNDWINDOW(WIN_HWND('SCREEN'))\n"
               "? 'done'",
    .output = "done"), Fn<WinSetForegroundWindow>)
ALIAS("SETFOREGROUNDWINDOW", "WIN_SETFOREGROUNDWINDOW")
ROW("WIN_SETFOCUS", "I", DOC(
    .summary = "Gives the keyboard focus to a window (SetFocus).",
    .params = "nHwnd: the window",
    .returns = "I",
    .result = "4, whether or not the focus could be given.",
    .example = "? WIN_SETFOCUS(0)",
    .output = "         4"), Fn<WinSetFocus>)
ROW("WIN_SETFOCUSS", "C", DOC(
    .summary = "Finds a top-level window by its title, shows it and brings it to the top.",
    .params = "cTitle: the exact title",
    .returns = "I",
    .result = "The window's handle; 0 when there is none.",
    .errors = "Error 182 when memory runs out.",
    .example = "? WIN_SETFOCUSS('No window has this title')",
    .output = "         0"), Fn<WinSetFocuss>)
ROW("WIN_GETHANDLE", "C", DOC(
    .summary = "Finds a top-level window by its title (FindWindowA).",
    .params = "cTitle: the exact title",
    .returns = "I",
    .result = "The window's handle; 0 when there is none.",
    .errors = "Error 182 when memory runs out.",
    .example = "? WIN_GETHANDLE('TARVO host') = WIN_HWND('SCREEN')",
    .output = ".T."), Fn<WinGetHandle>)
ROW("WIN_GETCLIENTAREA", "I,R,R,R,R", DOC(
    .summary = "The rectangle of a whole window, frame included, into four variables "
               "(GetWindowRect).",
    .params = "nHwnd: the window\n"
              "rTop: gets the top, in screen pixels\n"
              "rLeft: gets the left\n"
              "rBottom: gets the bottom\n"
              "rRight: gets the right",
    .returns = "L",
    .result = ".T.; .F. for a handle that names no window, and the variables keep their "
              "values.",
    .errors = "A variable's load or store the host refuses raises that error.",
    .notes = "Each variable keeps its own type: a numeric one takes the number, any other "
             "keeps its value.",
    .example = "STORE 0 TO nTop, nLeft, nBottom, nRight\n"
               "? WIN_GETCLIENTAREA(WIN_HWND('SCREEN'), @nTop, @nLeft, @nBottom, @nRight), "
               "nRight - nLeft > 0\n"
               "? WIN_GETCLIENTAREA(0, @nTop, @nLeft, @nBottom, @nRight)",
    .output = ".T. .T.\n"
              ".F."), Fn<WinGetClientArea>)
ROW("WIN_HANDLE", "C", DOC(
    .summary = "The host's number of the host window with that name.",
    .params = "cName: the window's name (a form's Name, a DEFINE WINDOW name, SCREEN)",
    .returns = "I",
    .result = "The host window's number; 0 when the host knows no window of that name.",
    .errors = "Error 182 when memory runs out.",
    .example = "? WIN_HANDLE('SCREEN') = WIN_MAIN(), WIN_HANDLE('nosuch')",
    .output = ".T.          0"), Fn<WinHandle>)
ROW("WIN_HWND", "C", DOC(
    .summary = "The Windows handle of the host window with that name.",
    .params = "cName: the window's name (a form's Name, a DEFINE WINDOW name, SCREEN)",
    .returns = "I",
    .result = "Its Windows handle; 0 when the host knows no window of that name.",
    .errors = "Error 182 when memory runs out.",
    .example = "oForm = CREATEOBJECT('Form')\n"
               "oForm.Name = 'Orders'\n"
               "? WIN_HWND('orders') = oForm.HWnd, WIN_HWND('nosuch')",
    .output = ".T.          0"), Fn<WinHwnd>)
ALIAS("FINDFORM", "WIN_HWND")
ALIAS("WIN_FINDFORM", "WIN_HWND")
ROW("WIN_WHANDLETOHWND", "I", DOC(
    .summary = "The Windows handle of a host window given by the host's number.",
    .params = "nWindow: the host's number of the window",
    .returns = "I",
    .result = "Its Windows handle; 0 for a number that names no window.",
    .example = "? WIN_WHANDLETOHWND(WIN_MAIN()) = WIN_HWND('SCREEN')",
    .output = ".T."), Fn<WinWhandleToHwnd>)
ROW("WIN_MAIN", "", DOC(
    .summary = "The host's number of its main window.",
    .returns = "I",
    .result = "The number, for WIN_WHANDLETOHWND and the metric functions.",
    .example = "? WIN_MAIN() > 0",
    .output = ".T."), Fn<WinMain>)
HOST_METRIC_ROW("WIN_TOP", "top edge", 0)
HOST_METRIC_ROW("WIN_BOTTOM", "bottom edge", 1)
HOST_METRIC_ROW("WIN_LEFT", "left edge", 2)
HOST_METRIC_ROW("WIN_RIGHT", "right edge", 3)
HOST_METRIC_ROW("WIN_HEIGHT", "height", 4)
HOST_METRIC_ROW("WIN_WIDTH", "width", 5)
ROW("WIN_ARRANGEICONICWINDOWS", "", DOC(
    .summary = "Arranges the minimized child windows of the host's main window.",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=WIN_ARRANGEICONICWINDOWS()\n"
               "? 'arranged'",
    .output = "arranged"), Fn<WinArrangeIconicWindows>)
ROW("WIN_TILE", "", DOC(
    .summary = "Tiles the child windows of the host's main window horizontally (TileWindows).",
    .returns = "I",
    .result = "The number of windows arranged.",
    .notes = "Under Wine TileWindows does nothing and answers 0.",
    .example = "? VARTYPE(WIN_TILE())",
    .output = "N"), Fn<WinTile>)
ROW("WIN_CASCADE", "", DOC(
    .summary = "Cascades the child windows of the host's main window (CascadeWindows).",
    .returns = "I",
    .result = "The number of windows arranged.",
    .notes = "Under Wine CascadeWindows does nothing and answers 0.",
    .example = "? VARTYPE(WIN_CASCADE())",
    .output = "N"), Fn<WinCascade>)
#undef WINDOW_LONG_ROW
#undef HOST_METRIC_ROW
#undef EDGE_ROW
