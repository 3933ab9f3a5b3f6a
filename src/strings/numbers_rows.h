// Rows of the number conversions and the random numbers.
FAMILY(Number, "Numbers: conversions and random numbers",
       "Integers to and from bytes and binary, octal and hexadecimal texts, single bits and "
       "bytes of integers, and the library's one random generator (the R250 shift register), "
       "seeded from the clock when the library loads.")
ROW("NUM_BINTOC", "I", DOC(
    .summary = "The four bytes of an integer, least significant first.",
    .params = "nValue: the integer",
    .returns = "C",
    .result = "The bytes up to the first zero byte, so 0 and every multiple of 256 give shorter "
              "texts. A negative number gives the bytes of its truncating divisions by 2^24, "
              "2^16 and 2^8.",
    .example = "? NUM_BINTOC(1145258561)",
    .output = "ABCD"), Fn<NumBinToC>)
ROW("NUM_BITTEST", "I,I", DOC(
    .summary = "Whether one bit of an integer is set.",
    .params = "nValue: the integer\n"
              "nBit: the bit number, 0 to 31; larger numbers are taken modulo 32",
    .returns = "L",
    .result = ".T. when the bit is set.",
    .example = "? NUM_BITTEST(5, 1), NUM_BITTEST(5, 34)",
    .output = ".F. .T."), Fn<NumBitTest>)
ROW("NUM_CTOBIN", "C", DOC(
    .summary = "The integer whose bytes, least significant first, begin a text.",
    .params = "cBytes: its first four bytes count, each as a signed byte; missing ones count 0",
    .returns = "I",
    .result = "The integer.",
    .errors = "Error 182 when memory runs out.",
    .example = "? NUM_CTOBIN('ABCD'), NUM_CTOBIN(CHR(255))",
    .output = "1145258561         -1"), Fn<NumCToBin>)
ROW("NUM_HEXA", "I", DOC(
    .summary = "An integer in hexadecimal.",
    .params = "nValue: the integer",
    .returns = "C",
    .result = "The hexadecimal digits of the integer, upper case.",
    .notes = "Written by KERNEL.DLL; the empty text when it is missing.",
    .example = "? NUM_HEXA(255)",
    .output = "FF"), Fn<NumHexa>)
ROW("NUM_HTOI", "C", DOC(
    .summary = "Reads a hexadecimal number.",
    .params = "cHex: leading white space, a sign and a 0x prefix are accepted; reading stops at "
              "the first other character",
    .returns = "I",
    .result = "The number; 0 when there is no digit; 2147483647 or -2147483648 when it is out "
              "of range (as the C runtime's strtol with base 16).",
    .errors = "Error 182 when memory runs out.",
    .example = "? NUM_HTOI('ff'), NUM_HTOI('0x1A'), NUM_HTOI('zz')",
    .output = "       255         26          0"), Fn<NumHtoi>)
ROW("NUM_INITRANDOM", ".I", DOC(
    .summary = "Reseeds the library's random generator.",
    .params = "nSeed: the same seed gives the same numbers afterwards; without it the "
              "generator is seeded from the clock",
    .returns = "",
    .result = "Nothing (the host sees .T.).",
    .example = "= NUM_INITRANDOM(7)\n"
               "a = NUM_RANDOMINT()\n"
               "= NUM_INITRANDOM(7)\n"
               "? a == NUM_RANDOMINT()",
    .output = ".T."), Fn<NumInitRandom>)
ROW("NUM_OCTAL", "I", DOC(
    .summary = "An integer in octal.",
    .params = "nValue: the integer; a negative one as its 32-bit two's complement",
    .returns = "C",
    .result = "The octal digits.",
    .example = "? NUM_OCTAL(8), NUM_OCTAL(-1)",
    .output = "10 37777777777"), Fn<NumOctal>)
ROW("NUM_RANDOMDOUBLE", "", DOC(
    .summary = "The next number of the library's random generator as a fraction.",
    .returns = "N",
    .result = "0 to 1, both included: the generator's next number (0 to 65535) divided by "
              "65535, with 4 decimals.",
    .notes = "The generator is the R250 shift register, seeded from the clock when the library "
             "loads; NUM_INITRANDOM reseeds it.",
    .example = "= NUM_INITRANDOM(7)\n"
               "? BETWEEN(NUM_RANDOMDOUBLE(), 0, 1)",
    .output = ".T."), Fn<NumRandomDouble, 4>)
ROW("NUM_RANDOMINT", "", DOC(
    .summary = "The next number of the library's random generator.",
    .returns = "I",
    .result = "0 to 65535.",
    .notes = "The generator is the R250 shift register, seeded from the clock when the library "
             "loads; NUM_INITRANDOM reseeds it.",
    .example = "= NUM_INITRANDOM(7)\n"
               "n = NUM_RANDOMINT()\n"
               "? n >= 0 AND n <= 65535",
    .output = ".T."), Fn<NumRandomInt>)
ROW("NUM_BINHI", "I", DOC(
    .summary = "Bits 8 to 15 of an integer.",
    .params = "nValue: the integer",
    .returns = "I",
    .result = "0 to 255.",
    .example = "? NUM_BINHI(4660)",
    .output = "        18"), Fn<NumBinHi>)
ROW("NUM_BINLOW", "I", DOC(
    .summary = "Bits 0 to 7 of an integer.",
    .params = "nValue: the integer",
    .returns = "I",
    .result = "0 to 255.",
    .example = "? NUM_BINLOW(4660)",
    .output = "        52"), Fn<NumBinLow>)
ROW("NUM_BINTONUM", "C", DOC(
    .summary = "Reads a binary number of up to 16 digits.",
    .params = "cBinary: its last 16 characters, right-aligned, up to its first zero byte; each "
              "\"1\" counts, any other character counts as 0",
    .returns = "N",
    .result = "0 to 65535, with 4 decimals.",
    .errors = "Error 182 when memory runs out.",
    .example = "? NUM_BINTONUM('101')",
    .output = "         5.0000"), Fn<NumBinToNum, 4>)
