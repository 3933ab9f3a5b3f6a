* A picture viewer looks at the files it is given before it sizes its
* window: bitmaps of three header kinds (one drawn top-down), one that
* announces more than it holds, and a text. Each is written here.
? 'before any', BMP_WIDTH(), BMP_HEIGHT(), BMP_BITS(), BMP_COLORS()
DO Bitmap WITH 'logo.bmp', 40, 320, 200, 8, 65078, 65078
DO Bitmap WITH 'icon.bmp', 12, 32, 32, 4, 586, 586
DO Bitmap WITH 'photo.bmp', 124, 640, 4294966816, 32, 238, 238
DO Bitmap WITH 'liar.bmp', 40, 16, 16, 24, 5000, 100
=STRTOFILE('Hello', 'notes.bmp')
DO Show WITH 'logo.bmp'
DO Show WITH 'icon.bmp'
DO Show WITH 'photo.bmp'
DO Show WITH 'liar.bmp'
DO Show WITH 'notes.bmp'
DO Show WITH 'gone.bmp'

FUNCTION Le(n, nBytes)
  LOCAL s, i
  s = ''
  FOR i = 1 TO nBytes
    s = s + CHR(n % 256)
    n = INT(n / 256)
  ENDFOR
  RETURN s
ENDFUNC

* A bitmap whose size field says nSize and which holds nHeld bytes.
PROCEDURE Bitmap(cFile, nInfo, nWidth, nHeight, nBits, nSize, nHeld)
  LOCAL cInfo
  IF nInfo = 12
    cInfo = Le(12, 4) + Le(nWidth, 2) + Le(nHeight, 2) + Le(1, 2) + Le(nBits, 2)
  ELSE
    cInfo = Le(nInfo, 4) + Le(nWidth, 4) + Le(nHeight, 4) + Le(1, 2) + Le(nBits, 2) + ;
            REPLICATE(CHR(0), nInfo - 16)
  ENDIF
  =STRTOFILE(LEFT('BM' + Le(nSize, 4) + Le(0, 4) + Le(14 + nInfo, 4) + cInfo + ;
             REPLICATE(CHR(0), nHeld), nHeld), cFile)
ENDPROC

PROCEDURE Show(cFile)
  LOCAL nCode
  nCode = BMP_HEADER(cFile)
  ? PADR(cFile, 10), BMP_ISBMP(cFile), nCode, BMP_WIDTH(), BMP_HEIGHT(), BMP_BITS(), BMP_COLORS()
ENDPROC
