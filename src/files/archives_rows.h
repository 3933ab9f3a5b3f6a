// Rows of archives.
FAMILY(Archives, "Files: archives",
       "One file into a standard ZIP archive of one entry and back, through the companion "
       "library KERNEL.DLL, with a last-error text that tells why a call failed. A failed "
       "call never leaves a half-written target.")
#define ARCHIVE_ERRORS                                                                     \
    "FIL_ZIPLASTERROR tells why: \"Input file not found.\", \"Cannot open input file.\" "  \
    "(it cannot be read, or is not an archive of one intact entry: damaged, a wrong CRC, " \
    "several entries or none), \"Cannot open output file.\", \"Not enough memory.\"; "     \
    "without KERNEL.DLL the answer is .F. and the text \"The function completed "          \
    "successfully.\""
ROW("FIL_ZIP", "C,C", DOC(
    .summary = "Compresses a file into a ZIP archive of one entry (the file's name, deflated).",
    .params = "cSource: the file to compress\n"
              "cTarget: the archive to write (replaced when it exists)",
    .returns = "L",
    .result = ".T. when the archive was written.",
    .notes = ARCHIVE_ERRORS ". Any ZIP tool opens the archive.",
    .example = "=STRTOFILE(REPLICATE('abc', 100), 'a.txt')\n"
               "? FIL_ZIP('a.txt', 'a.zip'), FIL_ZIPLASTERROR()\n"
               "? FIL_ZIP('missing.txt', 'b.zip'), FIL_ZIPLASTERROR()",
    .output = ".T. The function completed successfully.\n"
              ".F. Input file not found."), Fn<FilZip>)
ROW("FIL_UNZIP", "C,C", DOC(
    .summary = "Restores the one file of a ZIP archive (stored or deflated, made by this "
               "library or another tool).",
    .params = "cSource: the archive\n"
              "cTarget: the file to write (replaced when it exists)",
    .returns = "L",
    .result = ".T. when the file was restored and its CRC and size checked.",
    .notes = ARCHIVE_ERRORS ". On failure the target is left as it was.",
    .example = "=STRTOFILE(REPLICATE('abc', 100), 'a.txt')\n"
               "= FIL_ZIP('a.txt', 'a.zip')\n"
               "? FIL_UNZIP('a.zip', 'b.txt'), LEN(FILETOSTR('b.txt'))\n"
               "? FIL_UNZIP('a.txt', 'c.txt'), FIL_ZIPLASTERROR(), FILE('c.txt')",
    .output = ".T.        300\n"
              ".F. Cannot open input file. .F."), Fn<FilUnzip>)
ROW("FIL_ZIPLASTERROR", "", DOC(
    .summary = "Why the last FIL_ZIP or FIL_UNZIP failed.",
    .returns = "C",
    .result = "The text the last FIL_ZIP or FIL_UNZIP left (\"The function completed "
              "successfully.\" after a success); empty before any.",
    .example = "? '[' + FIL_ZIPLASTERROR() + ']'",
    .output = "[]"), Fn<FilZipLastError>)
#undef ARCHIVE_ERRORS
