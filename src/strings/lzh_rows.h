// Rows of LZH compression.
FAMILY(Lzh, "LZH compression",
       "One file compressed into another and back, in the LZHUF format (the -lh1- method of "
       "LHA archives behind a 4-byte size header). Progress and statistics go to the process's "
       "standard output: tarvo-run shows them, a windowed host has no console.")
ROW("LZH_ENCODE", "C,C", DOC(
    .summary = "Compresses a file into another.",
    .params = "cSource: the file to compress\n"
              "cTarget: the compressed file to write; an existing file is replaced",
    .returns = "",
    .result = "No value of its own (the host takes .T.). The target holds the source's size "
              "in 4 bytes, least significant first, then the -lh1- bit stream.",
    .errors = "None: when either file cannot be opened nothing is compressed (a missing "
              "source still leaves an empty target).",
    .notes = "Writes the running byte count (\"%12ld\" and a carriage return) at the start "
             "and every 1024 bytes, then \"In : n bytes\", \"Out: n bytes\" (header not "
             "counted) and \"Out/In: ratio\" to standard output. An empty source gives "
             "exactly 4 zero bytes and prints nothing.",
    .example = "=STRTOFILE(REPLICATE('tarvo ', 50), 'plain.txt')\n"
               "=LZH_ENCODE('plain.txt', 'packed.lzh')\n"
               "? LEN(FILETOSTR('packed.lzh'))",
    .output = "          61\rIn : 300 bytes\n"
              "Out: 16 bytes\n"
              "Out/In: 0.053\n"
              "\n"
              "        20"), Fn<LzhEncode>)
ROW("LZH_DECODE", "C,C", DOC(
    .summary = "Restores a file compressed by LZH_ENCODE.",
    .params = "cSource: the compressed file\n"
              "cTarget: the file to write; an existing file is replaced",
    .returns = "",
    .result = "No value of its own (the host takes .T.). The target gets exactly the size "
              "the source's header states, even from a damaged source.",
    .errors = "None: when either file cannot be opened nothing is restored (a missing source "
              "still leaves an empty target). A source shorter than 4 bytes gives an empty "
              "target.",
    .notes = "Writes the running byte count (\"%12ld\" and a carriage return) at the start "
             "and every 1024 bytes, then the final count on a line of its own, to standard "
             "output.",
    .example = "=STRTOFILE(REPLICATE('tarvo ', 50), 'plain.txt')\n"
               "=LZH_ENCODE('plain.txt', 'packed.lzh')\n"
               "=LZH_DECODE('packed.lzh', 'back.txt')\n"
               "? FILETOSTR('back.txt') == FILETOSTR('plain.txt')",
    .output = "          61\rIn : 300 bytes\n"
              "Out: 16 bytes\n"
              "Out/In: 0.053\n"
              "           1\r         300\n"
              "\n"
              ".T."), Fn<LzhDecode>)
