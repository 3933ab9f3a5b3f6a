* The low-level file functions, FSIZE, DIRECTORY and ADIR.
? "Writing"
h = FCREATE("data.txt")
? h > 0, FERROR(), FPUTS(h, "first"), FPUTS(h, "second line", 6), FWRITE(h, "abc" + CHR(13) + "def" + CHR(10)), FWRITE(h, "tail", 2), FWRITE(h, "")
? FSEEK(h, 0, 1), FSEEK(h, 0), FSEEK(h, -3, 2), FSEEK(h, -100, 1), FCHSIZE(h, 30), FSEEK(h, 0, 2)
SET COMPATIBLE ON
? FCLOSE(h), FCLOSE(h), FERROR(), FSIZE("data.txt"), SET("COMPATIBLE")
SET COMPATIBLE OFF

? "Reading"
h = FOPEN("data.txt")
? FGETS(h), FGETS(h), FGETS(h), FGETS(h, 2), FGETS(h), FEOF(h)
? LEN(FREAD(h, 100)), FEOF(h), "[" + FGETS(h) + "]", "[" + FREAD(h, 5) + "]"
? FSEEK(h, 3), FREAD(h, 4), FWRITE(h, "no"), FERROR(), FFLUSH(h)
= FCLOSE(h)

? "Read and write"
h = FOPEN("data.txt", 2)
? FREAD(h, 5), FWRITE(h, "X"), FSEEK(h, 0), FREAD(h, 7)
= FCLOSE(h)
h = FOPEN("data.txt", 1)
? FWRITE(h, "W"), FREAD(h, 1), FERROR()
= FCLOSE(h)
h = FOPEN("data.txt", 12)
? FGETS(h, 8192)
= FCLOSE(h)

? "Errors"
? FOPEN("missing.txt"), FERROR(), FCREATE("no\such\folder.txt"), FERROR()
? FREAD(999, 1), FERROR(), FGETS(999), FPUTS(999, "x"), FSEEK(999, 0), FEOF(999), FCLOSE(999), FERROR()
TRY
  = FOPEN("data.txt", 3)
CATCH TO e
  ? "FOPEN mode 3:", e.ErrorNo
ENDTRY
TRY
  = FGETS(h, 0)
CATCH TO e
  ? "FGETS(h, 0):", e.ErrorNo
ENDTRY
SET COMPATIBLE DB4
TRY
  = FSIZE("missing.txt")
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
SET COMPATIBLE FOXPLUS

? "FSIZE of fields"
TRY
  = FSIZE("name")
CATCH TO e
  ? "no cursor:", e.ErrorNo
ENDTRY
CREATE CURSOR people (name C(20), age N(3), id I, ok L, notes M, amount N(10, 2))
? FSIZE("name"), FSIZE("AGE"), FSIZE("id"), FSIZE("ok"), FSIZE("notes"), FSIZE("amount"), FSIZE("name", "people"), FSIZE("name", 1)
TRY
  = FSIZE("nothing")
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  = FSIZE("name", "nobody")
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  = FSIZE("name", 2)
CATCH TO e
  ? "empty work area:", e.ErrorNo
ENDTRY
USE

? "Folders"
MD sub
MD sub\deeper
= STRTOFILE("12345", "sub\b.txt")
= STRTOFILE("1", "sub\A.prg")
h = FCREATE("sub\hidden.txt", 2)
= FCLOSE(h)
? DIRECTORY("sub"), DIRECTORY("sub\deeper"), DIRECTORY("sub\b.txt"), DIRECTORY("nowhere"), FILE("sub\hidden.txt")
? ADIR(f, "sub\*.*"), f(1, 1), f(1, 2), f(2, 1), f(2, 2), f(2, 5), VARTYPE(f(1, 3)), LEN(f(1, 4))
? ADIR(f, "sub\*.*", "H"), f(3, 1), f(3, 5), ADIR(f, "sub\*.*", "", 1), f(1, 1)
? ADIR(f, "sub\*.*", "D"), ASCAN(f, "DEEPER"), f(ASCAN(f, "DEEPER") + 4)
? ADIR(none, "sub\*.zzz"), TYPE("none")
TRY
  = ADIR(f, "*.*", "V")
CATCH TO e
  ? "ADIR volume:", e.ErrorNo
ENDTRY
