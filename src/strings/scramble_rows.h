// Rows of the scrambling and the checksums.
FAMILY(Scramble, "Strings: scrambling and checksums",
       "A keyed scrambling that is its own inverse (STR_ENCRYP and STR_DECRYP are one "
       "function), for a text, a variable passed by reference or a memo field; a "
       "character-code shift; and two checksums that count each character as a signed byte.")
ROW("STR_ENCRYP", "?,C", DOC(
    .summary = "Scrambles a text with a key; the same call with the same key unscrambles it.",
    .params = "eData: a text; or a variable by reference (@name), scrambled in place; or a memo "
              "field by reference, read and returned scrambled (the memo is not changed)\n"
              "cKey: the key; its first 1024 characters up to its first zero byte count",
    .returns = "C",
    .result = "The scrambled text, as long as the data. A key shorter than 3 characters gives "
              "the data unchanged, and so does a key whose sum (1 plus, for each character, "
              "its index from 0 plus its code as a signed byte) is 0 or minus a power of 2.",
    .errors = "Error 302 when the data, or the variable's value, is not a text; \"_FindMemo() "
              "failed\" when the memo field is not found; error 182 when memory runs out or "
              "the memo cannot be read whole; a variable that cannot be read or written "
              "raises the host's own error.",
    .notes = "Only the key's first character and a sum over all its characters decide the "
             "scrambling. A scrambled text has no zero byte the data did not have; a zero "
             "byte of the data, however, does not come back when it is unscrambled. A memo "
             "of 64 KB or more comes back with its full length.",
    .example = "x = STR_ENCRYP('hello', 'secret')\n"
               "? x == 'hello', STR_DECRYP(x, 'secret')\n"
               "p = 'open sesame'\n"
               "= STR_ENCRYP(@p, 'secret')\n"
               "= STR_DECRYP(@p, 'secret')\n"
               "? p",
    .output = ".F. hello\n"
              "open sesame"), Fn<StrEncryp>)
ALIAS("STR_DECRYP", "STR_ENCRYP")
ROW("STR_ADDCOD", "C,I", DOC(
    .summary = "Shifts every character code of a text by a number, modulo 256.",
    .params = "cText: the text\n"
              "nShift: the shift; its low 8 bits count, and a shift by -n undoes one by n",
    .returns = "C",
    .result = "The shifted text; it ends at the first character that became code 0.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ADDCOD('abc', 1), STR_ADDCOD('bcd', -1), STR_ADDCOD('abc', 256)",
    .output = "bcd abc abc"), Fn<StrAddCod>)
ROW("STR_ASCII", "C", DOC(
    .summary = "The sum of the character codes of a text.",
    .params = "cText: the text",
    .returns = "I",
    .result = "The sum, each code counted as a signed byte (128 to 255 count as -128 to -1); "
              "0 for the empty text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ASCII('abc'), STR_ASCII(CHR(200))",
    .output = "       294        -56"), Fn<StrAscii>)
ALIAS("STR_ASCIISUM", "STR_ASCII")
ROW("STR_ASCII2", "C", DOC(
    .summary = "The sum of position times character code over a text.",
    .params = "cText: the text",
    .returns = "I",
    .result = "The sum, positions counted from 1 and codes as signed bytes; 0 for the empty "
              "text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ASCII2('abc')",
    .output = "       590"), Fn<StrAscii2>)
ALIAS("STR_ASCIISUM2", "STR_ASCII2")
