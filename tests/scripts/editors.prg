* A letter edited through the host's editor window, as a program drives it.
=STRTOFILE("Dear customer," + CHR(13) + CHR(10) + "thank you." + CHR(13) + CHR(10), "letter.txt")
n = EDI_OPEN("letter.txt")
? n, EDI_DIRTY(n), JUSTFNAME(EDI_FILENAME(n)), EDI_FULLFILENAME(n)
nLine = EDI_GETLINEPOS(n, 1)
=EDI_SETPOS(n, nLine)
=EDI_INSERT(n, "We ")
=EDI_SELECT(n, nLine + 3, nLine + 4)
=EDI_SENDKEY(n, "Thanks")
? EDI_DIRTY(n), EDI_GETLINENUM(n), EDI_POSINVIEW(n), EDI_SAVE(n), EDI_DIRTY(n)
? FILETOSTR("letter.txt")
=EDI_UNDO(n)
=EDI_SAVE(n)
? FILETOSTR("letter.txt")
? EDI_FONTNAME(n, "Lucida Console"), EDI_FONTNAME(n)
? EDI_CLOSE(n), EDI_GETPOS(n), EDI_SAVE(n), EDI_FULLFILENAME(n) == ""
MODIFY FILE letter.txt NOWAIT
? EDI_OPEN("missing.txt"), EDI_GETPOS(0)
