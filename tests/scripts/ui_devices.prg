* The clipboard, the serial-port names and drawing, as a host program uses them.
DECLARE INTEGER OpenClipboard IN user32 INTEGER
DECLARE INTEGER CloseClipboard IN user32
DECLARE INTEGER SetClipboardData IN user32 INTEGER, INTEGER
DECLARE INTEGER GlobalAlloc IN kernel32 INTEGER, INTEGER
DECLARE INTEGER GlobalLock IN kernel32 INTEGER
DECLARE INTEGER GlobalUnlock IN kernel32 INTEGER
DECLARE INTEGER lstrcpy IN kernel32 INTEGER, STRING
=CLP_EMPTY()
hText = GlobalAlloc(2, 32)
=lstrcpy(GlobalLock(hText), "copied text")
=GlobalUnlock(hText)
=OpenClipboard(0)
=SetClipboardData(1, hText)
=CloseClipboard()
? CLP_GETTEXT(), CLP_ISFORMATAVAILABLE(1), CLP_ISFORMATAVAILABLE(2)
? CLP_EMPTY(), LEN(CLP_GETTEXT())
? COM_DCB("baud=9600 parity=N data=8 stop=1"), COM_OPEN("COM1", 9600, 0)
cBuffer = "xyz"
? COM_READ(1, @cBuffer, 2), LEN(cBuffer), COM_WRITE(1, REPLICATE("x", 200), 0)
TRY
  nNumber = 5
  =COM_READ(1, @nNumber, 1)
CATCH TO oErr
  ? oErr.ErrorNo
ENDTRY
DEFINE WINDOW Canvas FROM 0, 0 TO 10, 40
ACTIVATE WINDOW Canvas
? GRA_CARVE(10, 10, 40, 100)
=GRA_LINE(60, 10, 60, 100, 0, 2, 0, 0, 255)
=GRA_RECTAN(120, 10, 200, 50)
RELEASE WINDOWS
? "drawn"
