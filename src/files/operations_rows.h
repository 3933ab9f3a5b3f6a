// Rows of file and directory operations. Rows that change the current
// directory, run a host command, walk from any directory (a whole drive from
// "") or can change the folder above the current one are kept away from random
// arguments; the others touch only the files their parameters name (slices go
// into the current directory).
FAMILY(FileOperation, "Files: file and directory operations",
       "Copying (through the host's file channels with progress commands, through Windows, or "
       "with expansion of compressed files), cutting a file into slices, writing a watermark, "
       "deleting and renaming, directories, a directory search one name at a time, the list of "
       "a whole directory tree and the compression state. Copies and slices answer small "
       "negative codes for their failures.")
ROW_NOFUZZ("FIL_COPY", "C,C,.C,.L", "runs its third parameter as a host command", DOC(
    .summary = "Copies a file through the host's file channels, reporting progress to a host "
               "procedure, or through Windows.",
    .params = "cSource: the file to copy\n"
              "cTarget: the copy; an existing file is replaced\n"
              "cProgress: the name of a procedure or function the host runs as "
              "name(percent) while the copy goes on, the last time with 100\n"
              "lSystem: any fourth parameter makes Windows copy instead (no progress, and an "
              "existing target is left as it was)",
    .returns = "I",
    .result = "0 copied; -3 the source does not exist, -2 it cannot be opened or read, -1 the "
              "target cannot be created or written, or is the source itself. With four "
              "parameters 1 copied, 0 not.",
    .notes = "Progress counts 4096-byte blocks (FIL_COPYTIMES): the procedure runs once for "
             "every block, the last time with 100 (10000 bytes: 33, 66, 100; a large file "
             "repeats a percentage for several blocks). The procedure must not use the "
             "copy's files.",
    .example = "=STRTOFILE(REPLICATE('x', 10000), 'a.txt')\n"
               "? FIL_COPY('a.txt', 'b.txt', 'Shown')\n"
               "? FIL_COPY('a.txt', 'b.txt', '', .T.), FIL_COPY('missing.txt', 'c.txt')\n"
               "PROCEDURE Shown(n)\n"
               "  ?? n\n"
               "ENDPROC",
    .output = "        33        66       100\n"
              "         0\n"
              "         0         -3"), Fn<FilCopy>)
ROW("FIL_COPYTIMES", "C", DOC(
    .summary = "How many 4096-byte blocks FIL_COPY counts for a file.",
    .params = "cFile: the file",
    .returns = "I",
    .result = "Its length / 4096 + 1 (an empty file counts 1, a file of 4096 bytes 2); -3 "
              "when it does not exist, -2 when it cannot be opened.",
    .example = "=STRTOFILE(REPLICATE('x', 4096), 'a.txt')\n"
               "? FIL_COPYTIMES('a.txt'), FIL_COPYTIMES('missing.txt')",
    .output = "         2         -3"), Fn<FilCopyTimes>)
ROW("FIL_IMMEDIATECOPY", "C,C,L", DOC(
    .summary = "Copies a file through Windows (CopyFile).",
    .params = "cSource: the file to copy\n"
              "cTarget: the copy\n"
              "lFailIfExists: .T. to leave an existing target alone and fail",
    .returns = "L",
    .result = ".T. when Windows copied it.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_IMMEDIATECOPY('a.txt', 'b.txt', .T.)\n"
               "? FIL_IMMEDIATECOPY('a.txt', 'b.txt', .T.)",
    .output = ".T.\n"
              ".F."), Fn<FilImmediateCopy>)
ROW("FIL_EXPAND", "C,C", DOC(
    .summary = "Expands a file compressed by the Windows COMPRESS tool into another.",
    .params = "cSource: the compressed file\n"
              "cTarget: the expanded file",
    .returns = "",
    .result = "No value. A file that is not compressed is copied as it is.",
    .notes = "Through the Windows LZ functions, which take names of at most 127 characters. "
             "Nothing happens when the source cannot be opened or is the target itself; a "
             "target the expansion could not fill is removed.",
    .example = "=STRTOFILE('plain', 'a.txt')\n"
               "= FIL_EXPAND('a.txt', 'b.txt')\n"
               "? FILETOSTR('b.txt')",
    .output = "plain"), Fn<FilExpand>)
ROW("FIL_DEL", "C", DOC(
    .summary = "Deletes a file.",
    .params = "cFile: the file",
    .returns = "L",
    .result = ".T. when it was deleted; .F. for a directory, a read-only file or a file in use.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_DEL('a.txt'), FIL_DEL('a.txt')",
    .output = ".T. .F."), Fn<FilDel>)
ALIAS("KILLDIR", "FIL_DEL")
ALIAS("KILLFILE", "FIL_DEL")
ROW("FIL_RENAME", "C,C", DOC(
    .summary = "Renames or moves a file or directory.",
    .params = "cOld: the present name\n"
              "cNew: the new name, which must not exist",
    .returns = "L",
    .result = ".T. when it was renamed.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_RENAME('a.txt', 'b.txt'), FILE('b.txt')",
    .output = ".T. .T."), Fn<FilRename>)
ALIAS("FIL_RENDIR", "FIL_RENAME")
ROW("FIL_MKDIR", "C", DOC(
    .summary = "Creates a directory.",
    .params = "cFolder: the directory",
    .returns = "L",
    .result = ".T. when it was created.",
    .example = "? FIL_MKDIR('sub'), FIL_MKDIR('sub')",
    .output = ".T. .F."), Fn<FilMkDir>)
ROW("FIL_RMDIR", "C", DOC(
    .summary = "Removes an empty directory.",
    .params = "cFolder: the directory",
    .returns = "L",
    .result = ".T. when it was removed; .F. for a directory that is not empty.",
    .example = "= FIL_MKDIR('sub')\n"
               "? FIL_RMDIR('sub'), FIL_RMDIR('sub')",
    .output = ".T. .F."), Fn<FilRmDir>)
ROW_NOFUZZ("FIL_CD", "C", "changes the current directory of the host process", DOC(
    .summary = "Changes the current directory.",
    .params = "cFolder: the directory",
    .returns = "L",
    .result = ".T. when it was changed.",
    .example = "= FIL_MKDIR('sub')\n"
               "? FIL_CD('sub'), FIL_CD('..'), FIL_CD('missing')",
    .output = ".T. .T. .F."), Fn<FilCd>)
ALIAS("CD", "FIL_CD")
ALIAS("CDIR", "FIL_CD")
ALIAS("CHDIR", "FIL_CD")
ALIAS("CHANGEDIRECTORY", "FIL_CD")
ALIAS("FIL_CHDIR", "FIL_CD")
ROW("FIL_FIRST", "C", DOC(
    .summary = "Starts a search for files and answers the first name found.",
    .params = "cPattern: a file pattern with * and ?, a directory may lead it",
    .returns = "C",
    .result = "The first matching name, without its directory; the empty text when none "
              "matches. FIL_NEXT gives the others.",
    .notes = "One search serves the whole library: a new FIL_FIRST ends the one before.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "=STRTOFILE('x', 'b.txt')\n"
               "? FIL_FIRST('*.txt'), FIL_NEXT(), LEN(FIL_NEXT())",
    .output = "a.txt b.txt          0"), Fn<FilFirst>)
ROW("FIL_NEXT", "", DOC(
    .summary = "The next name of the search FIL_FIRST started.",
    .returns = "C",
    .result = "The next matching name; the empty text at the end (the search is then closed) "
              "and when no search is open.",
    .example = "? LEN(FIL_NEXT())",
    .output = "         0"), Fn<FilNext>)
ROW_NOFUZZ("FIL_TREE", "C,I", "walks every directory below the one given (a whole drive from '')",
           DOC(
    .summary = "Every subdirectory below a directory, depth first.",
    .params = "cFolder: the directory\n"
              "nCapacity: the longest list wanted, in characters",
    .returns = "C",
    .result = "The path of each subdirectory (cFolder + \"\\\" + name, even when cFolder ends "
              "in \"\\\") followed by \";\", the last one too, each directory before its own "
              "subdirectories; the empty text when there is none, the directory cannot be read "
              "or its first level does not fit.",
    .notes = "When a path does not fit, the rest of its directory is left out and the walk "
             "goes on with the next one up. The order is the file system's: alphabetical on "
             "NTFS and under Wine.",
    .example = "= FIL_MKDIR('top')\n"
               "= FIL_MKDIR('top\\b')\n"
               "= FIL_MKDIR('top\\b\\c')\n"
               "= FIL_MKDIR('top\\d')\n"
               "? FIL_TREE('top', 100)",
    .output = "top\\b;top\\b\\c;top\\d;"), Fn<FilTree>)
ROW("FIL_SLICES", "C,I", DOC(
    .summary = "Cuts a file into slices OUTPUT.1, OUTPUT.2, ... in the current directory.",
    .params = "cFile: the file\n"
              "nSize: the size of a slice in bytes (the last may be shorter)",
    .returns = "I",
    .result = "The number of slices; -3 the file does not exist, -2 it cannot be opened, -1 "
              "the size is below 1 or not smaller than the file, minus the number of slices "
              "when one of them cannot be written (the slices before it stay).",
    .notes = "The names go on past OUTPUT.9999 (OUTPUT.10000 ...).",
    .example = "=STRTOFILE(REPLICATE('x', 10000), 'a.txt')\n"
               "? FIL_SLICES('a.txt', 4096), LEN(FILETOSTR('OUTPUT.3'))\n"
               "? FIL_SLICES('a.txt', 10000)",
    .output = "         3       1808\n"
              "        -1"), Fn<FilSlices>)
ROW("FIL_WATERMARK", "C,C", DOC(
    .summary = "Writes a mark into a file, each character over the byte at a random position "
               "of 100 or more.",
    .params = "cFile: the file\n"
              "cMark: the mark: at most 250 characters, and no more than the file's length",
    .returns = "C",
    .result = "The positions (0 is the first byte) in the order of the mark's characters, "
              "joined by \",\"; the empty text for an empty mark, when the file cannot be "
              "opened, the mark does not fit, a character cannot be written, or 31 of the "
              "positions drawn were below 100 or taken already (the characters written until "
              "then stay).",
    .notes = "The positions are all different. A position equal to the file's length "
             "lengthens it by one byte. The library's random generator is reseeded from the "
             "clock first. The marking stops after 1000 positions in a row that the file "
             "pointer cannot reach.",
    .example = "=STRTOFILE(REPLICATE('.', 1000), 'a.txt')\n"
               "p = FIL_WATERMARK('a.txt', 'ab')\n"
               "? SUBSTR(FILETOSTR('a.txt'), VAL(p) + 1, 1)",
    .output = "a"), Fn<FilWatermark>)
ROW_NOFUZZ("FIL_SETCOMPRESSION", "C,L",
           "a name such as '..' changes the folder above the current one", DOC(
    .summary = "Switches the file system's compression of a file or directory on or off.",
    .params = "cName: the file or directory\n"
              "lOn: .T. compresses (LZNT1), .F. stops compressing",
    .returns = "L",
    .result = ".T. when the state was set; .F. on file systems without compression (so always "
              "under Wine) and when the name cannot be opened.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_SETCOMPRESSION('missing.txt', .T.)",
    .output = ".F."), Fn<FilSetCompression>)
