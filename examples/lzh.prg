* LZH compression with TARVO.fll, file to file. The coder writes its
* progress and statistics on standard output (inside the host, nowhere).
SET LIBRARY TO TARVO.fll ADDITIVE

=STRTOFILE(REPLICATE("All work and no play makes Jack a dull boy. ", 200), "text.txt")
=LZH_ENCODE("text.txt", "text.lzh")
?
=LZH_DECODE("text.lzh", "text.out")
?
? "Sizes:", FILE_SIZE_OF("text.txt"), FILE_SIZE_OF("text.lzh")
? "Restored intact:", FILETOSTR("text.out") == FILETOSTR("text.txt")
RELEASE LIBRARY TARVO.fll

FUNCTION FILE_SIZE_OF(name)
  RETURN LEN(FILETOSTR(name))
ENDFUNC
