* Profile files (INI files) with TARVO.fll: write keys, read them back,
* list the sections and the keys of one.
SET LIBRARY TO TARVO.fll ADDITIVE

* A profile file named without a path lies in the Windows folder: give the
* full path for a file of your own.
ini = FULLPATH("settings.ini")
=FIL_WRIINI("Window", "Width", "800", ini)
=FIL_WRIINI("Window", "Height", "600", ini)
=FIL_WRIINI("Files", "Last", "C:\Data\report.txt", ini)

? "Width: ", FIL_REAINI("Window", "Width", ini)
? "Last:  ", FIL_REAINI("Files", "Last", ini)
? "Absent:", "[" + FIL_REAINI("Window", "Colour", ini) + "]"
? "Sections:", FIL_READALLSECTIONS(ini)
? "Keys of Window:", FIL_SECTION("Window", ini)
ERASE (ini)
RELEASE LIBRARY TARVO.fll
