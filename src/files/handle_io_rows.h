// Rows of file handle I/O: the host's file channels, the C runtime's
// descriptors and one-shot opens.
FAMILY(FileIo, "Files: handle I/O",
       "Files opened, read and measured through the host's own file channels: FIL_OPEN "
       "answers the host's channel number, which the caller passes to the other functions and "
       "closes with FIL_CLOSE (the library keeps no list of open files). Besides, the C "
       "runtime's descriptors and streams of the library, and one-shot opens through Windows.")
ROW("FIL_OPEN", "C,I", DOC(
    .summary = "Opens a file through the host and answers its channel.",
    .params = "cFile: the file name (found as the host finds files)\n"
              "nMode: the open mode as the host knows it: 0 read, 2 read and write",
    .returns = "I",
    .result = "The host's channel for the file, -1 when it cannot be opened.",
    .notes = "The library keeps no list of open files: close the channel with FIL_CLOSE.",
    .example = "=STRTOFILE('hello', 'a.txt')\n"
               "h = FIL_OPEN('a.txt', 0)\n"
               "? h > 0, FIL_OPEN('missing.txt', 0)\n"
               "= FIL_CLOSE(h)",
    .output = ".T.         -1"), Fn<FilOpen>)
ALIAS("FILEOPEN", "FIL_OPEN")
ALIAS("OPENFILE", "FIL_OPEN")
ROW("FIL_CLOSE", "I", DOC(
    .summary = "Closes a channel that FIL_OPEN opened.",
    .params = "nChannel: the channel",
    .returns = "L",
    .result = ".T. when the host closed it; .F. for a channel that is not open.",
    .example = "=STRTOFILE('hello', 'a.txt')\n"
               "h = FIL_OPEN('a.txt', 0)\n"
               "? FIL_CLOSE(h), FIL_CLOSE(h)",
    .output = ".T. .F."), Fn<FilClose>)
ALIAS("CLOSEFILE", "FIL_CLOSE")
ALIAS("FILECLOSE", "FIL_CLOSE")
ROW("FIL_READ", "I,R,I", DOC(
    .summary = "Reads bytes from a channel into a character variable passed by reference.",
    .params = "nChannel: the channel\n"
              "rBuffer: a variable holding a text, passed with @; the bytes read overwrite it "
              "from its first character and it keeps its length\n"
              "nCount: the number of bytes wanted",
    .returns = "I",
    .result = "The number of bytes read. At most the variable's length is read; a count below "
              "0 reads nothing.",
    .errors = "Error 9 when the variable holds no character value; the host's error when the "
              "variable cannot be read or stored.",
    .notes = "Size the variable first, for instance with SPACE(n). The count is returned "
             "before the variable is stored.",
    .example = "=STRTOFILE('abcd', 'a.txt')\n"
               "h = FIL_OPEN('a.txt', 0)\n"
               "buf = SPACE(6)\n"
               "? FIL_READ(h, @buf, 10)\n"
               "? '[' + buf + ']'\n"
               "= FIL_CLOSE(h)",
    .output = "         4\n"
              "[abcd  ]"), Fn<FilRead>)
ROW("FIL_TELL", "I", DOC(
    .summary = "The position of a channel.",
    .params = "nChannel: the channel",
    .returns = "I",
    .result = "The position in bytes from the start of the file; -1 for a channel that is not "
              "open.",
    .example = "=STRTOFILE('abcd', 'a.txt')\n"
               "h = FIL_OPEN('a.txt', 0)\n"
               "buf = SPACE(3)\n"
               "= FIL_READ(h, @buf, 3)\n"
               "? FIL_TELL(h)\n"
               "= FIL_CLOSE(h)",
    .output = "         3"), Fn<FilTell>)
ROW("FIL_LEN", "I", DOC(
    .summary = "The length of the file behind a channel.",
    .params = "nChannel: the channel",
    .returns = "I",
    .result = "The length in bytes; the channel's position does not move.",
    .example = "=STRTOFILE('abcd', 'a.txt')\n"
               "h = FIL_OPEN('a.txt', 0)\n"
               "? FIL_LEN(h), FIL_TELL(h)\n"
               "= FIL_CLOSE(h)",
    .output = "         4          0"), Fn<FilLen>)
ROW("FIL_ISBOF", "I", DOC(
    .summary = "Whether a channel stands at the start of its file.",
    .params = "nChannel: the channel",
    .returns = "L",
    .result = ".T. at the start (an empty file's channel is at both ends); the position does "
              "not move.",
    .example = "=STRTOFILE('abcd', 'a.txt')\n"
               "h = FIL_OPEN('a.txt', 0)\n"
               "? FIL_ISBOF(h), FIL_ISEOF(h)\n"
               "= FIL_CLOSE(h)",
    .output = ".T. .F."), Fn<FilIsBof>)
ROW("FIL_ISEOF", "I", DOC(
    .summary = "Whether a channel stands at the end of its file.",
    .params = "nChannel: the channel",
    .returns = "L",
    .result = ".T. at the end; the position does not move.",
    .example = "=STRTOFILE('', 'empty.txt')\n"
               "h = FIL_OPEN('empty.txt', 0)\n"
               "? FIL_ISEOF(h)\n"
               "= FIL_CLOSE(h)",
    .output = ".T."), Fn<FilIsEof>)
ROW("FIL_COMMIT", "I", DOC(
    .summary = "Commits one of the library's C runtime file descriptors to disk.",
    .params = "nDescriptor: a descriptor of the C runtime (not a host channel)",
    .returns = "L",
    .result = ".T. when the runtime committed it; .F. for a descriptor that is not open.",
    .example = "? FIL_COMMIT(99)",
    .output = ".F."), Fn<FilCommit>)
ROW("FIL_FLUSHALL", "", DOC(
    .summary = "Flushes every C runtime stream of the library.",
    .returns = "I",
    .result = "The number of open streams, as the runtime answers.",
    .example = "? FIL_FLUSHALL() >= 0",
    .output = ".T."), Fn<FilFlushAll>)
ROW("FIL_SETHAN", "I", DOC(
    .summary = "Asks Windows for a number of file handles (SetHandleCount).",
    .params = "nCount: the number wanted",
    .returns = "I",
    .result = "What Windows answers: the number itself on Windows NT, where handles are not "
              "limited.",
    .example = "? FIL_SETHAN(50)",
    .output = "        50"), Fn<FilSetHan>)
ALIAS("FIL_SETHANDLECOUNT", "FIL_SETHAN")
ROW("FIL_READBYTE", "C,N", DOC(
    .summary = "One byte of a file, read through Windows.",
    .params = "cFile: the file name\n"
              "nPosition: the byte's position, 0 for the first byte",
    .returns = "C",
    .result = "The byte as a one-character text; the empty text past the end, for a negative "
              "position, for a zero byte and when the file cannot be opened.",
    .notes = "A file that cannot be opened also writes \"Problem\" and a line end to the host's "
             "output.",
    .example = "=STRTOFILE('abcdef', 'a.txt')\n"
               "? FIL_READBYTE('a.txt', 2), LEN(FIL_READBYTE('a.txt', 10))",
    .output = "c          0"), Fn<FilReadByte>)
ROW("FIL_OPENFILE", "C", DOC(
    .summary = "Whether a file can be opened for reading and writing.",
    .params = "cFile: the file name",
    .returns = "L",
    .result = ".T. when it opens (it is closed again at once); .F. for a missing file, a "
              "directory or a file another program holds.",
    .example = "=STRTOFILE('x', 'a.txt')\n"
               "? FIL_OPENFILE('a.txt'), FIL_OPENFILE('missing.txt')",
    .output = ".T. .F."), Fn<FilOpenFile>)
