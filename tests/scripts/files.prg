* Files: the program runs in a scratch folder of its own.
f = "notes.txt"
? FILE(f)
? STRTOFILE("first line" + CHR(13) + CHR(10), f)
? STRTOFILE("second line", f, .T.)
? FILE(f), LEN(FILETOSTR(f))
text = FILETOSTR(f)
? AT(CHR(10), text), SUBSTR(text, AT(CHR(10), text) + 1)
MKDIR sub
? STRTOFILE("x", "sub\inner.txt"), FILE("sub\inner.txt")
ERASE sub\inner.txt
RMDIR sub
? FILE("sub\inner.txt")
ERASE (f)
? FILE(f)
TRY
  ? FILETOSTR(f)
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
