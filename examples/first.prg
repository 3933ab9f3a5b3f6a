* A first program with TARVO.fll: texts, dates, a profile file, files.
SET LIBRARY TO TARVO.fll ADDITIVE

? STR_MIRROR("stressed"), STR_PROPER("hello big world", " ")
=STR_SETSEP(",")
? STR_NUMTOK("red,green,blue"), STR_NTOKEN(2, "red,green,blue")

SET DATE TO ANSI
SET CENTURY ON
? DAT_EOM({^2024-02-10}), DAT_ISLEAP({^2024-02-10}), DAT_EASTER({^2025-01-01})

ini = FULLPATH("first.ini")
=FIL_WRIINI("Window", "Width", "800", ini)
? "Width from the profile file:", FIL_REAINI("Window", "Width", ini)

=STRTOFILE(REPLICATE("All work and no play. ", 50), "first.txt")
? FIL_FNAME("C:\Data\first.txt"), FIL_EXT("first.txt"), FIL_SIZE("first.txt")
RELEASE LIBRARY TARVO.fll
