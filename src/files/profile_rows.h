// Rows of profile files. Writing rows are kept away from random arguments: a
// file name without a path names a file in the Windows folder, and the system's
// own file is the user's WIN.INI.
FAMILY(Profile, "Files: profile files",
       "Initialisation files of sections in square brackets and key=value lines: a private "
       "file named by the caller (a name without a path is a file of the Windows folder), or "
       "the system's own WIN.INI. Values come back as text, the empty text for anything "
       "missing; lists of names as one text joined by \";\" (FIL_READALLSECTIONS, which reads "
       "the file itself through the host, joins by \",\"). The functions that go through "
       "Windows refuse a file name of 260 characters or more and a section, key or value of "
       "32767 characters or more: a read answers the empty text, a write .F..")
ROW_NOFUZZ("FIL_WRIINI", "C,C,C,C", "a file name without a path writes into the Windows folder",
           DOC(
    .summary = "Writes a key's value into a profile file (WritePrivateProfileString).",
    .params = "cSection: the section\n"
              "cKey: the key\n"
              "cValue: the value\n"
              "cFile: the file; a name without a path is a file of the Windows folder",
    .returns = "L",
    .result = ".T. when Windows wrote it; .F. when it refused (for instance a missing folder).",
    .example = "f = FULLPATH('app.ini')\n"
               "? FIL_WRIINI('Window', 'Top', '120', f)\n"
               "? FIL_REAINI('Window', 'Top', f)",
    .output = ".T.\n"
              "120"), Fn<FilWriIni>)
ALIAS("FIL_WRITEINI", "FIL_WRIINI")
ALIAS("WRITEPRIVATEPROFILESTRING", "FIL_WRIINI")
ROW("FIL_REAINI", "C,C,C", DOC(
    .summary = "Reads a key's value from a profile file, an INI file (GetPrivateProfileString).",
    .params = "cSection: the section\n"
              "cKey: the key (in any case)\n"
              "cFile: the file; a name without a path is a file of the Windows folder",
    .returns = "C",
    .result = "The value, at most 1023 characters; the empty text for a missing key, section "
              "or file.",
    .notes = "FIL_WREAIN reads the system's own WIN.INI.",
    .example = "f = FULLPATH('app.ini')\n"
               "= FIL_WRIINI('Window', 'Top', '120', f)\n"
               "? FIL_REAINI('Window', 'top', f)\n"
               "? LEN(FIL_REAINI('Window', 'Left', f))",
    .output = "120\n"
              "         0"), Fn<FilReaIni>)
ALIAS("FIL_READINI", "FIL_REAINI")
ALIAS("GETPRIVATEPROFILESTRING", "FIL_REAINI")
ROW_NOFUZZ("FIL_WWRIIN", "C,C,C", "writes into the user's WIN.INI", DOC(
    .summary = "Writes a key's value into the system's profile file WIN.INI (WriteProfileString).",
    .params = "cSection: the section\n"
              "cKey: the key\n"
              "cValue: the value",
    .returns = "L",
    .result = ".T. when Windows wrote it.",
    .example = "? FIL_WWRIIN('MyApplication', 'Colour', 'blue')\n"
               "? FIL_WREAIN('MyApplication', 'Colour')"), Fn<FilWWriIn>)
ALIAS("FIL_WRITEWININI", "FIL_WWRIIN")
ALIAS("WRITEPROFILESTRING", "FIL_WWRIIN")
ROW("FIL_WREAIN", "C,C", DOC(
    .summary = "Reads a key's value from the system's profile file WIN.INI (GetProfileString).",
    .params = "cSection: the section\n"
              "cKey: the key (in any case)",
    .returns = "C",
    .result = "The value, at most 132 characters; the empty text for a missing key or section.",
    .example = "? LEN(FIL_WREAIN('NoSuchSection', 'Key'))",
    .output = "         0"), Fn<FilWReaIn>)
ALIAS("FIL_READWININI", "FIL_WREAIN")
ALIAS("GETPROFILESTRING", "FIL_WREAIN")
ROW("FIL_READWININIALLSECTIONS", "", DOC(
    .summary = "The names of all sections of WIN.INI.",
    .returns = "C",
    .result = "The section names joined by \";\", at most 2046 characters: a longer list is "
              "cut there, perhaps in the middle of a name.",
    .example = "? VARTYPE(FIL_READWININIALLSECTIONS())",
    .output = "C"), Fn<FilReadWinIniAllSections>)
ROW("FIL_WSECTI", "C", DOC(
    .summary = "The key names of one section of WIN.INI.",
    .params = "cSection: the section",
    .returns = "C",
    .result = "The key names joined by \";\" (no separator after the last), at most 2046 "
              "characters: a longer list is cut there, perhaps in the middle of a name; the "
              "empty text for a missing section.",
    .example = "? LEN(FIL_WSECTI('NoSuchSection'))",
    .output = "         0"), Fn<FilWSecti>)
ALIAS("FIL_WINSECTION", "FIL_WSECTI")
ALIAS("GETPROFILESECTION", "FIL_WSECTI")
ROW("FIL_SECTIO", "C,C", DOC(
    .summary = "The key names of one section of a profile file.",
    .params = "cSection: the section\n"
              "cFile: the file; a name without a path is a file of the Windows folder",
    .returns = "C",
    .result = "The key names joined by \";\" (no separator after the last), at most 2046 "
              "characters: a longer list is cut there, perhaps in the middle of a name; the "
              "empty text for a missing section or file.",
    .example = "f = FULLPATH('app.ini')\n"
               "= FIL_WRIINI('Window', 'Top', '1', f)\n"
               "= FIL_WRIINI('Window', 'Left', '2', f)\n"
               "? FIL_SECTIO('Window', f)",
    .output = "Top;Left"), Fn<FilSectio>)
ALIAS("FIL_SECTION", "FIL_SECTIO")
ALIAS("GETPRIVATEPROFILESECTION", "FIL_SECTIO")
ROW("FIL_READALLSECTIONS", "C", DOC(
    .summary = "The section names of a profile file, read line by line through the host.",
    .params = "cFile: the file, found as the host finds files (a name without a path is in "
              "the current folder)",
    .returns = "C",
    .result = "The names joined by \",\", at most 8191 characters: a longer list is cut there, "
              "perhaps in the middle of a name; the empty text when the file cannot be opened "
              "or has no section.",
    .notes = "A line that starts with \"[\" after any blanks (not tabs) gives what follows up to "
             "\"]\" or the end of the line, blanks included; every other line is skipped. Lines "
             "are read 512 characters at most.",
    .example = "t = '[A]' + CHR(13) + CHR(10) + '  [B C]' + CHR(13) + CHR(10) + 'x=1'\n"
               "=STRTOFILE(t, 'app.ini')\n"
               "? FIL_READALLSECTIONS('app.ini')",
    .output = "A,B C"), Fn<FilReadAllSections>)
ALIAS("GETPRIVATEPROFILESECTIONS", "FIL_READALLSECTIONS")
