// Rows of file information.
FAMILY(FileInfo, "Files: file information",
       "Questions about a file named by the caller: attributes, its status as the C runtime "
       "sees it, its times and dates (read, set, compared), sizes and type, the parts of its "
       "name and the names Windows finds for it. Failures answer -1, .F. or the empty text.")
// An attribute test: its name, what the bit says of the file, the bit,
// the example and what it prints, and the bit's position among the tests.
#define ATTRIBUTE_ROW(name, what, bit, shown, printed, position)                 \
    ROW(name, "C",                                                               \
        DOC(.summary = "Whether " what " (attribute bit " bit ").",              \
            .params = "cFile: the file",                                         \
            .returns = "L",                                                      \
            .result = ".T. when the bit is set; .F. when the attributes cannot "  \
                      "be read.",                                                \
            .example = shown, .output = printed),                                \
        Fn<TestAttribute<position>>)
ROW("FIL_GETATT", "C", DOC(
    .summary = "The attribute bits of a file or directory (GetFileAttributes).",
    .params = "cFile: the file or directory",
    .returns = "I",
    .result = "The sum of the bits: read-only 1, hidden 2, system 4, directory 16, archive 32, "
              "normal 128, temporary 256, compressed 2048; -1 when they cannot be read.",
    .notes = "Under Wine a file reports archive (32), hidden (2) when its name starts with a "
             "period, and never normal, temporary or compressed.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_GETATT('a.txt'), FIL_GETATT('missing.txt')",
    .output = "        32         -1"), Fn<FilGetAtt>)
ALIAS("FIL_GETFILEATTRIBUTE", "FIL_GETATT")
ALIAS("GETFILEATTRIBUTE", "FIL_GETATT")
ROW_NOFUZZ("FIL_SETATT", "C,I", "a name such as '..' changes the folder above the current one",
           DOC(
    .summary = "Sets the attribute bits of a file or directory (SetFileAttributes).",
    .params = "cFile: the file or directory\n"
              "nBits: the bits, as FIL_GETATT answers them",
    .returns = "L",
    .result = ".T. when Windows set them.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_SETATT('a.txt', 1), FIL_ISREADONLY('a.txt')\n"
               "= FIL_SETATT('a.txt', 32)",
    .output = ".T. .T."), Fn<FilSetAtt>)
ATTRIBUTE_ROW("FIL_ISREADONLY", "a file is read-only", "1",
              "? FIL_ISREADONLY('missing.txt')", ".F.", 1)
ATTRIBUTE_ROW("FIL_ISHIDDEN", "a file is hidden", "2",
              "=STRTOFILE('x', 'a.txt')\n= FIL_SETATT('a.txt', 2)\n? FIL_ISHIDDEN('a.txt')", ".T.", 2)
ATTRIBUTE_ROW("FIL_ISSYSTEM", "a file is a system file", "4",
              "=STRTOFILE('x', 'a.txt')\n? FIL_ISSYSTEM('a.txt')", ".F.", 3)
ROW("FIL_ISDIRECTORY", "C", DOC(
    .summary = "Whether a name is a directory (attribute bit 16).",
    .params = "cName: the file or directory",
    .returns = "L",
    .result = ".T. for a directory; .F. for a file or when the attributes cannot be read.",
    .example = "MKDIR sub\n"
               "? FIL_ISDIRECTORY('sub'), FIL_ISDIRECTORY('missing')",
    .output = ".T. .F."), Fn<TestAttribute<4>>)
ALIAS("FIL_ISDIR", "FIL_ISDIRECTORY")
ATTRIBUTE_ROW("FIL_ISARCHIVED", "a file is marked for archiving", "32",
              "=STRTOFILE('x', 'a.txt')\n? FIL_ISARCHIVED('a.txt')", ".T.", 5)
ROW("FIL_ISNORMAL", "C", DOC(
    .summary = "Whether a file has the normal attribute (bit 128).",
    .params = "cFile: the file",
    .returns = "L",
    .result = ".T. when the bit is set (Windows reports it only for a file without any other "
              "attribute); .F. when the attributes cannot be read.",
    .example = "? FIL_ISNORMAL('missing.txt')",
    .output = ".F."), Fn<TestAttribute<6>>)
ATTRIBUTE_ROW("FIL_ISTMP", "a file is temporary", "256",
              "=STRTOFILE('x', 'a.txt')\n? FIL_ISTMP('a.txt')", ".F.", 7)
ATTRIBUTE_ROW("FIL_ISCOMPRESSED", "the file system compresses a file", "2048",
              "=STRTOFILE('x', 'a.txt')\n? FIL_ISCOMPRESSED('a.txt')", ".F.", 8)
ROW("FIL_INFO", "C", DOC(
    .summary = "Takes a file's status (the C runtime's _stat) for FIL_ISIZE, FIL_IMTIME, "
               "FIL_IATIME and FIL_ICTIME.",
    .params = "cFile: the file or directory",
    .returns = "L",
    .result = ".T. when the status could be read. The status kept is replaced either way, so "
              "after a failure the four functions answer -1.",
    .example = "=STRTOFILE('hello', 'a.txt')\n"
               "? FIL_INFO('a.txt'), FIL_ISIZE()\n"
               "? FIL_INFO('missing.txt'), FIL_ISIZE()",
    .output = ".T.          5\n"
              ".F.         -1"), Fn<FilInfo>)
ROW("FIL_ISIZE", "", DOC(
    .summary = "The size of the file of the last FIL_INFO.",
    .returns = "I",
    .result = "The size in bytes (2147483647 for larger files); -1 when the last FIL_INFO "
              "failed or none ran.",
    .example = "? FIL_ISIZE()",
    .output = "        -1"), Fn<SnapshotValue<&StatusSnapshot::size>>)
ROW("FIL_IMTIME", "", DOC(
    .summary = "The last modification time of the file of the last FIL_INFO.",
    .returns = "I",
    .result = "Seconds since 1 January 1970 UTC (2147483647 from 19 January 2038 on); -1 "
              "when the last FIL_INFO failed or none ran.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "= FIL_INFO('a.txt')\n"
               "? FIL_IMTIME() > 946684800",
    .output = ".T."), Fn<SnapshotValue<&StatusSnapshot::modified>>)
ROW("FIL_IATIME", "", DOC(
    .summary = "The last access time of the file of the last FIL_INFO.",
    .returns = "I",
    .result = "Seconds since 1 January 1970 UTC (2147483647 from 19 January 2038 on); -1 "
              "when the last FIL_INFO failed or none ran.",
    .example = "? FIL_IATIME()",
    .output = "        -1"), Fn<SnapshotValue<&StatusSnapshot::accessed>>)
ROW("FIL_ICTIME", "", DOC(
    .summary = "The creation time of the file of the last FIL_INFO.",
    .returns = "I",
    .result = "Seconds since 1 January 1970 UTC (2147483647 from 19 January 2038 on); -1 "
              "when the last FIL_INFO failed or none ran.",
    .notes = "Under Wine the creation time is the last modification time.",
    .example = "? FIL_ICTIME()",
    .output = "        -1"), Fn<SnapshotValue<&StatusSnapshot::created>>)
ROW("FIL_GTIME", "C,.I", DOC(
    .summary = "The time of day of one of a file's times, in local time.",
    .params = "cFile: the file\n"
              "nWhich: 1 the last write (when left out), 2 the last access, any other number "
              "the creation",
    .returns = "C",
    .result = "\"HH:MM:SS\" with even seconds (the two-second steps of MS-DOS times); the empty "
              "text when the file cannot be opened.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "= FIL_SETFILETIME('a.txt', '09:07:33')\n"
               "? FIL_GTIME('a.txt'), FIL_GTIME('a.txt', 1)",
    .output = "09:07:32 09:07:32"), Fn<FilGTime>)
ALIAS("FIL_GETFILETIME", "FIL_GTIME")
ALIAS("GETFILETIME", "FIL_GTIME")
ROW("FIL_GDATE", "C,.I", DOC(
    .summary = "The date of one of a file's times, in local time.",
    .params = "cFile: the file\n"
              "nWhich: 1 the last write (when left out), 2 the last access, any other number "
              "the creation",
    .returns = "C",
    .result = "\"YYYYMMDD\"; the empty text when the file cannot be opened.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "= FIL_SETFILETIME('a.txt', '12:00:00')\n"
               "= FIL_SDATE('a.txt', '19990305')\n"
               "? FIL_GDATE('a.txt')",
    .output = "19990305"), Fn<FilGDate>)
ALIAS("FIL_GETFILEDATE", "FIL_GDATE")
ALIAS("GETFILEDATE", "FIL_GDATE")
ROW("FIL_SETFILETIME", "C,C,.I", DOC(
    .summary = "Sets the time of day of one of a file's times.",
    .params = "cFile: the file\n"
              "cTime: \"HH:MM:SS\", 24-hour clock, local time\n"
              "nWhich: 1 the last write (when left out), 2 the last access, any other number "
              "the creation",
    .returns = "L",
    .result = ".T. when the time was written; .F. when the file cannot be opened for writing "
              "or the text is not of that form (nothing is written then).",
    .notes = "The date stays the one the file holds in UTC: near midnight the local date can "
             "change. Seconds are kept to the even second below. Under Wine a creation time "
             "answers .T. but does not change.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_SETFILETIME('a.txt', '23:59:59'), FIL_SETFILETIME('a.txt', '24:00:00')\n"
               "? FIL_GTIME('a.txt')",
    .output = ".T. .F.\n"
              "23:59:58"), Fn<FilSetFileTime>)
ALIAS("FIL_STIME", "FIL_SETFILETIME")
ALIAS("SETFILETIME", "FIL_SETFILETIME")
ROW("FIL_SDATE", "C,C,.I", DOC(
    .summary = "Sets the date of one of a file's times.",
    .params = "cFile: the file\n"
              "cDate: \"YYYYMMDD\", a day of 1980 to 2107, taken as the UTC date\n"
              "nWhich: 1 the last write (when left out), 2 the last access, any other number "
              "the creation",
    .returns = "L",
    .result = ".T. when the date was written; .F. when the file cannot be opened for writing "
              "or the text names no such day (nothing is written then).",
    .notes = "The time of day stays as the file holds it in UTC.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_SDATE('a.txt', '20011231'), FIL_SDATE('a.txt', '20010229')",
    .output = ".T. .F."), Fn<FilSDate>)
ALIAS("FIL_SETFILEDATE", "FIL_SDATE")
ALIAS("SETFILEDATE", "FIL_SDATE")
ROW("FIL_COMPARETIME", "C,C,I", DOC(
    .summary = "Compares one of the times of two files.",
    .params = "cFile1: the first file\n"
              "cFile2: the second file\n"
              "nWhich: 1 the last write, 2 the last access, any other number the creation",
    .returns = "I",
    .result = "-1 when the first file's time is earlier, 0 equal, 1 later. A file that cannot "
              "be opened counts as the earliest time there is.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "=STRTOFILE('y', 'b.txt')\n"
               "= FIL_SDATE('a.txt', '19990305')\n"
               "? FIL_COMPARETIME('a.txt', 'b.txt', 1), FIL_COMPARETIME('a.txt', 'no.txt', 1)",
    .output = "        -1          1"), Fn<FilCompareTime>)
ROW("FIL_SIZE", "C", DOC(
    .summary = "The length of a file, measured through a host file channel.",
    .params = "cFile: the file",
    .returns = "I",
    .result = "The length in bytes; -1 when the file cannot be opened.",
    .example = "=STRTOFILE('hello', 'a.txt')\n"
               "? FIL_SIZE('a.txt'), FIL_SIZE('missing.txt')",
    .output = "         5         -1"), Fn<FilSize>)
ROW("FIL_LENCOMPRESSED", "C", DOC(
    .summary = "The space a file takes on disk (GetCompressedFileSize).",
    .params = "cFile: the file",
    .returns = "I",
    .result = "Bytes (the low 32 bits); -1 on failure.",
    .example = "=STRTOFILE('hello', 'a.txt')\n"
               "? FIL_LENCOMPRESSED('a.txt'), FIL_LENCOMPRESSED('missing.txt')",
    .output = "         5         -1"), Fn<FilLenCompressed>)
ROW("FIL_FILETYPE", "C", DOC(
    .summary = "The kind of a file or device (GetFileType).",
    .params = "cFile: the file or device",
    .returns = "I",
    .result = "0 unknown, 1 a disk file, 2 a character device, 3 a pipe; -1 when it cannot be "
              "opened.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_FILETYPE('a.txt'), FIL_FILETYPE('NUL'), FIL_FILETYPE('missing.txt')",
    .output = "         1          2         -1"), Fn<FilFileType>)
ALIAS("FIL_TYPE", "FIL_FILETYPE")
ALIAS("FILETYPE", "FIL_FILETYPE")
ROW("FIL_AREFILEAPISANSI", "", DOC(
    .summary = "Whether the Windows file functions use the ANSI code page.",
    .returns = "L",
    .result = ".T. for the ANSI code page, .F. for the OEM one.",
    .example = "? FIL_AREFILEAPISANSI()",
    .output = ".T."), Fn<FilAreFileApisAnsi>)
ROW("FIL_OWNER", "C", DOC(
    .summary = "Whether a file can be opened for reading, on Windows NT.",
    .params = "cFile: the file",
    .returns = "C",
    .result = "\"OK\" when it opens, \"KO\" when it does not, \"No NT\" on the Windows 95 family.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_OWNER('a.txt'), FIL_OWNER('missing.txt')",
    .output = "OK KO"), Fn<FilOwner>)
ROW("FIL_SPLIT", "C,I", DOC(
    .summary = "One part of a path, cut as the C runtime's _splitpath cuts it.",
    .params = "cPath: the path\n"
              "nPart: 1 the drive, 2 the directory, 3 the file name, any other number the "
              "extension",
    .returns = "C",
    .result = "The part: the drive with its colon, the directory with its separators, the name "
              "without its extension, the extension with its period; the empty text when the "
              "path has no such part.",
    .notes = "The drive is the first two characters when the second is \":\"; the directory "
             "ends at the last \"\\\" or \"/\"; the extension starts at the last period "
             "after it.",
    .example = "p = 'C:\\dir\\sub\\file.txt'\n"
               "? FIL_SPLIT(p, 1), FIL_SPLIT(p, 2), FIL_SPLIT(p, 3), FIL_SPLIT(p, 4)",
    .output = "C: \\dir\\sub\\ file .txt"), Fn<FilSplit>)
ALIAS("SPLITPATH", "FIL_SPLIT")
ROW("FIL_DRIVE", "C", DOC(
    .summary = "The drive of a path, as FIL_SPLIT part 1.",
    .params = "cPath: the path",
    .returns = "C",
    .result = "The drive letter and its colon; the empty text when the path names none.",
    .example = "? FIL_DRIVE('C:\\dir\\file.txt')",
    .output = "C:"), Fn<FilDrive>)
ROW("FIL_PATH", "C", DOC(
    .summary = "The directory of a path without its drive, as FIL_SPLIT part 2.",
    .params = "cPath: the path",
    .returns = "C",
    .result = "The directory with its leading and trailing separators.",
    .example = "? FIL_PATH('C:\\dir\\file.txt')",
    .output = "\\dir\\"), Fn<FilPath>)
ROW("FIL_NAME", "C", DOC(
    .summary = "The file name of a path without its extension, as FIL_SPLIT part 3.",
    .params = "cPath: the path",
    .returns = "C",
    .result = "The name up to its last period.",
    .example = "? FIL_NAME('C:\\dir\\file.tar.gz')",
    .output = "file.tar"), Fn<FilName>)
ROW("FIL_EXT", "C", DOC(
    .summary = "The extension of a path, as FIL_SPLIT part 4.",
    .params = "cPath: the path",
    .returns = "C",
    .result = "The extension with its period; the empty text when there is none.",
    .example = "? FIL_EXT('C:\\dir\\file.txt')",
    .output = ".txt"), Fn<FilExt>)
ROW("FIL_FNAME", "C", DOC(
    .summary = "The last component of a path, extension included.",
    .params = "cPath: the path",
    .returns = "C",
    .result = "What follows the last \"\\\", and of that what follows the last \":\"; trailing "
              "blanks, tabs and line ends are left out. \"/\" does not separate.",
    .example = "? FIL_FNAME('C:\\dir\\file.txt   '), FIL_FNAME('A:name')",
    .output = "file.txt name"), Fn<FilFName>)
ROW("FIL_SHORTNAME", "C", DOC(
    .summary = "The short (8.3) form of an existing file's path (GetShortPathName).",
    .params = "cPath: the path",
    .returns = "C",
    .result = "The short path, however long; the empty text when the file does not exist.",
    .notes = "Wine makes short names by hashing (LONG~UHB.TEX rather than LONGFI~1.TEX).",
    .example = "=STRTOFILE('x', 'a long name.txt')\n"
               "? FILE(FIL_SHORTNAME('a long name.txt')), LEN(FIL_SHORTNAME('missing.txt'))",
    .output = ".T.          0"), Fn<FilShortName>)
ROW("FIL_FULLNAME", "C", DOC(
    .summary = "The full path of a name, from the current directory (GetFullPathName).",
    .params = "cPath: the path",
    .returns = "C",
    .result = "The full path, however long; the empty text when Windows cannot make one.",
    .example = "? FIL_FULLNAME('a.txt') == FULLPATH('a.txt')",
    .output = ".T."), Fn<FilFullName>)
ROW("FIL_GETUNIVERSALNAME", "C", DOC(
    .summary = "The network name of the drive of a path.",
    .params = "cPath: a path that starts with a drive letter, \":\" and \"\\\"",
    .returns = "C",
    .result = "The remote name of the connected network drive with that letter (the rest of "
              "the path is not added); the empty text for a drive that is no network "
              "connection and for any other path.",
    .example = "? LEN(FIL_GETUNIVERSALNAME('C:\\dir\\file.txt'))",
    .output = "         0"), Fn<FilGetUniversalName>)
ROW_NOFUZZ("FIL_GETTEMPFILENAME", "C,C,I", "creates a file in the folder it is given, '..' too",
           DOC(
    .summary = "A name for a temporary file (GetTempFileName).",
    .params = "cFolder: the folder\n"
              "cPrefix: its first three characters start the name\n"
              "nUnique: the number in the name; 0 lets Windows pick one and create the file",
    .returns = "C",
    .result = "The full name; the empty text for a missing folder and for a folder name of "
              "246 characters or more.",
    .example = "? JUSTFNAME(FIL_GETTEMPFILENAME(FULLPATH('.'), 'tmp', 4660))",
    .output = "tmp1234.tmp"), Fn<FilGetTempFileName>)
ROW("FIL_WHERE", "C,C", DOC(
    .summary = "Where a file is: the current directory, then the folders an environment "
               "variable lists.",
    .params = "cFile: the file name\n"
              "cVariable: the environment variable that lists folders, such as PATH",
    .returns = "C",
    .result = "The full path when the file is in the current directory, else the first listed "
              "folder that holds it with the file's name added; the empty text when none "
              "does and for an empty file name.",
    .notes = "The listed folders are separated by \";\" (empty ones are skipped); a \"\\\" "
             "joins folder and name unless the folder ends in \"\\\" or \"/\".",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_WHERE('a.txt', 'PATH') == FULLPATH('a.txt')\n"
               "? LEN(FIL_WHERE('missing.txt', 'PATH'))",
    .output = ".T.\n"
              "         0"), Fn<FilWhere>)
ROW("FIL_FNDEXE", "C,C", DOC(
    .summary = "The program associated with a file (FindExecutable).",
    .params = "cFile: the file\n"
              "cFolder: the default folder",
    .returns = "C",
    .result = "The program's path; the empty text when there is none, when the file is "
              "missing and when either name has 260 characters or more.",
    .example = "=STRTOFILE('x', 'a.unknownextension')\n"
               "? LEN(FIL_FNDEXE('a.unknownextension', ''))",
    .output = "         0"), Fn<FilFndExe>)
ALIAS("FIL_FINDEXE", "FIL_FNDEXE")
ROW_NOFUZZ("FIL_GETFOLDERLOCATION", "I",
           "a folder number with the create flag creates the user's folders", DOC(
    .summary = "The path of one of the shell's special folders.",
    .params = "nFolder: the shell's folder number: 36 the Windows folder, 37 the system "
              "folder, 5 the documents, ...",
    .returns = "C",
    .result = "The folder's path; the empty text for a virtual folder or an unknown number.",
    .example = "? FIL_GETFOLDERLOCATION(36)",
    .output = "C:\\windows"), Fn<FilGetFolderLocation>)
#undef ATTRIBUTE_ROW
