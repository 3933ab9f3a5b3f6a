* Windows as a host program uses them: a window of its own, found, measured
* and listed by the library, and 3-D edges drawn into a bitmap.
DEFINE WINDOW Orders FROM 1, 2 TO 11, 42 TITLE "Orders"
nWindow = WIN_HANDLE("orders")
? nWindow > 1, WIN_TOP(nWindow), WIN_LEFT(nWindow), WIN_HEIGHT(nWindow), WIN_WIDTH(nWindow)
ACTIVATE WINDOW Orders
hWnd = WIN_HWND("Orders")
? hWnd = WIN_GETACTIVEWINDOW(), hWnd = WIN_WHANDLETOHWND(nWindow)
STORE 0 TO nTop, nLeft, nBottom, nRight
? WIN_GETCLIENTAREA(hWnd, @nTop, @nLeft, @nBottom, @nRight), nBottom - nTop, nRight - nLeft
? WIN_ENUMCHILDREN(), WIN_GETCHILDREN() == ""
DECLARE INTEGER CreateCompatibleDC IN gdi32 INTEGER
DECLARE INTEGER CreateCompatibleBitmap IN gdi32 INTEGER, INTEGER, INTEGER
DECLARE INTEGER SelectObject IN gdi32 INTEGER, INTEGER
DECLARE INTEGER GetPixel IN gdi32 INTEGER, INTEGER, INTEGER
DECLARE INTEGER DeleteDC IN gdi32 INTEGER
hScreen = WIN_GETWINDOWDC(0)
hDC = CreateCompatibleDC(hScreen)
=SelectObject(hDC, CreateCompatibleBitmap(hScreen, 50, 50))
=WIN_RELEASEDC(0, hScreen)
? WIN_SUNKEN(10, 20, 30, 40, hDC), GetPixel(hDC, 20, 10) <> GetPixel(hDC, 19, 10)
=DeleteDC(hDC)
HIDE WINDOW Orders
RELEASE WINDOWS Orders
? WIN_HANDLE("orders"), WIN_HWND("orders")
