// Rows of the string transforms: a text in, a new text out.
FAMILY(Transform, "Strings: transforms",
       "A text in, a new text out: cutting, padding, filtering, swapping, reversing, case by "
       "delimiters, digit grouping, bit rotation, run-length packing, hexadecimal, any value "
       "as text, and three text slots. Texts are single bytes; positions count from 1. Most "
       "results end at their first zero byte, as every text the library hands back does; "
       "STR_SHL and STR_SHR keep theirs.")
ROW("STR_LEFT", "C,I", DOC(
    .summary = "The first n characters of a text.",
    .params = "cText: the text\n"
              "nCount: how many characters",
    .returns = "C",
    .result = "The first nCount characters; the whole text when nCount exceeds its length, the "
              "empty text for 0 or below.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_LEFT('abcdef', 3)\n"
               "? STR_LEFT('abc', 10)",
    .output = "abc\n"
              "abc"), Fn<StrLeft>)
ROW("STR_RIGHT", "C,I", DOC(
    .summary = "The last n characters of a text.",
    .params = "cText: the text\n"
              "nCount: how many characters",
    .returns = "C",
    .result = "The last nCount characters; the whole text when nCount exceeds its length, the "
              "empty text for 0 or below.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_RIGHT('abcdef', 2)",
    .output = "ef"), Fn<StrRight>)
ROW("STR_TILLNULL", "C", DOC(
    .summary = "A text up to its first zero byte.",
    .params = "cText: the text",
    .returns = "C",
    .result = "The characters before the first CHR(0); the whole text when it has none.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_TILLNULL('abc' + CHR(0) + 'def')",
    .output = "abc"), Fn<StrTillNull>)
ROW("STR_PADL", "C,I,C", DOC(
    .summary = "A text padded on the left to a width.",
    .params = "cText: the text\n"
              "nWidth: the width of the result\n"
              "cPad: its first character fills the left; an empty text pads with blanks",
    .returns = "C",
    .result = "The text right-aligned in nWidth characters. A text at least as long as nWidth, "
              "and a width of 0 or below, come back unchanged.",
    .errors = "Error 182 when memory runs out, and at once when the result would be longer "
              "than the host's longest text (16,777,184 characters).",
    .notes = "The length is counted up to the text's first zero byte. The padding is done by "
             "KERNEL.DLL.",
    .example = "? STR_PADL('42', 5, '0')\n"
               "? STR_PADL('toolong', 3, '*')",
    .output = "00042\n"
              "toolong"), Fn<StrPadlIn>)
ROW("STR_HEXA", "C", DOC(
    .summary = "A text in hexadecimal, two digits per byte.",
    .params = "cText: the text; zero bytes count too",
    .returns = "C",
    .result = "Two upper-case hexadecimal digits for every byte of the text.",
    .errors = "Error 182 when memory runs out, and at once when the result would be longer "
              "than the host's longest text (16,777,184 characters).",
    .notes = "Done by KERNEL.DLL.",
    .example = "? STR_HEXA('AB' + CHR(0) + CHR(255))",
    .output = "414200FF"), Fn<StrHexaIn>)
ROW("STR_HTOS", "C", DOC(
    .summary = "The bytes that pairs of hexadecimal digits spell.",
    .params = "cHex: hexadecimal digits, in either case",
    .returns = "C",
    .result = "One byte for each pair of digits. Reading stops at the first pair that is not "
              "two digits; a last unpaired digit is ignored; the result ends at a pair 00.",
    .errors = "Error 182 when memory runs out, and at once when the result would be longer "
              "than the host's longest text (16,777,184 characters).",
    .notes = "Done by KERNEL.DLL.",
    .example = "? STR_HTOS('414243')\n"
               "? STR_HTOS('41zz42')",
    .output = "ABC\n"
              "A"), Fn<StrHtosIn>)
ROW("STR_MAKE", "?", DOC(
    .summary = "Any value as a text.",
    .params = "eValue: a value of any type",
    .returns = "C",
    .result = "By the value's type: a text itself (up to its first zero byte); an integer in "
              "decimal; a number as the digits of its decimals without point or sign (3.14 "
              "gives 314); a logical 1 or 0; a currency \"$\" and its amount in "
              "ten-thousandths (the low 32 bits, signed); .NULL. \".NULL.\"; a date \"Should "
              "return a date\"; a datetime \"Should return a datetime\"; a general field "
              "\"<Gen>\"; a memo \"<Memo>\"; anything else \"Unknown data type\".",
    .errors = "Error 182 when memory runs out.",
    .notes = "A number's digits are those of the number rounded half up to the decimals the "
             "host keeps for it, without the zeros before its first significant digit (so a "
             "number below 0.5 with no decimals gives the empty text), at most 348 of them. "
             "An infinite number gives \"1#INF\", not-a-number \"1#QNAN\" or \"1#IND\".",
    .example = "? STR_MAKE(3.14), STR_MAKE(-2.5), STR_MAKE(.T.)\n"
               "? STR_MAKE($12), STR_MAKE(.NULL.)\n"
               "? STR_MAKE(DATE())",
    .output = "314 25 1\n"
              "$120000 .NULL.\n"
              "Should return a date"), Fn<StrMake>)
ROW("STR_REDUCE", "C,.C", DOC(
    .summary = "Every run of one character in a text reduced to a single one.",
    .params = "cText: the text\n"
              "cChar: its first character is the one reduced; without it, the first "
              "character of cText",
    .returns = "C",
    .result = "The text with each run of that character written once.",
    .errors = "Error 182 when memory runs out.",
    .example = "? '[' + STR_REDUCE('  a  b') + ']'\n"
               "? STR_REDUCE('x--y---z', '-')",
    .output = "[ a b]\n"
              "x-y-z"), Fn<StrReduce>)
ROW("STR_LTRIM", "C,C", DOC(
    .summary = "A text without its leading run of one character.",
    .params = "cText: the text\n"
              "cChar: its first character is the one removed",
    .returns = "C",
    .result = "The text from its first character that is not cChar; the empty text when it "
              "holds nothing else.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_LTRIM('000120', '0')",
    .output = "120"), Fn<StrLTrim>)
ROW("STR_CHRSWA", "C,C,C", DOC(
    .summary = "Every occurrence of one character replaced by another.",
    .params = "cText: the text\n"
              "cFrom: its first character is the one replaced\n"
              "cTo: its first character replaces it; an empty text replaces with CHR(0)",
    .returns = "C",
    .result = "The text with every cFrom changed to cTo. With an empty cTo the result ends "
              "before the first replaced character.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_CHRSWA('a-b-c', '-', '+')\n"
               "? STR_CHRSWA('key=value', '=', '')",
    .output = "a+b+c\n"
              "key"), Fn<StrChrSwa>)
ROW("STR_KEEP", "C,C", DOC(
    .summary = "Only the characters of a text that occur in a set.",
    .params = "cText: the text\n"
              "cSet: the characters to keep",
    .returns = "C",
    .result = "The characters of the text found in cSet, in their order.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_KEEP('(01) 23-45', '0123456789')",
    .output = "012345"), Fn<StrKeep>)
ROW("STR_EXCLUDE", "C,C", DOC(
    .summary = "A text without the characters that occur in a set.",
    .params = "cText: the text\n"
              "cSet: the characters to remove",
    .returns = "C",
    .result = "The characters of the text not found in cSet, in their order.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_EXCLUDE('(01) 23-45', '() -')",
    .output = "012345"), Fn<StrExclude>)
ALIAS("STR_EXCLUD", "STR_EXCLUDE")
ROW("STR_DIONLY", "C,.C", DOC(
    .summary = "Only the digits and points of a text.",
    .params = "cText: the text\n"
              "cIgnored: accepted and never read",
    .returns = "C",
    .result = "The characters 0 to 9 and \".\" of the text, in their order.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_DIONLY('Total: 1,234.50 EUR')",
    .output = "1234.50"), Fn<StrDiOnly>)
ROW("STR_MIRROR", "C", DOC(
    .summary = "A text in reverse order.",
    .params = "cText: the text; zero bytes count too",
    .returns = "C",
    .result = "The characters of the text from the last to the first.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_MIRROR('stressed')",
    .output = "desserts"), Fn<StrMirror>)
ALIAS("STR_REVERS", "STR_MIRROR")
ROW("STR_POKE", "C,I,I", DOC(
    .summary = "A text with the character at one position replaced by a code.",
    .params = "cText: the text\n"
              "nPosition: the position, from 1\n"
              "nCode: the new character's code (its low byte); 0 cuts the text there",
    .returns = "C",
    .result = "The changed text; with a code of 0, its first nPosition - 1 characters. A "
              "position outside the text gives the text unchanged.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_POKE('cat', 1, ASC('b'))\n"
               "? STR_POKE('cat', 3, 0)",
    .output = "bat\n"
              "ca"), Fn<StrPoke>)
ROW("STR_NULL", "", DOC(
    .summary = "The empty text.",
    .returns = "C",
    .result = "The empty text.",
    .example = "? LEN(STR_NULL())",
    .output = "         0"), Fn<StrNull>)
ROW("STR_MIXUP", "C,I", DOC(
    .summary = "The empty text, whatever its parameters.",
    .params = "cIgnored: never read\n"
              "nIgnored: never read",
    .returns = "C",
    .result = "The empty text.",
    .example = "? LEN(STR_MIXUP('abc', 3))",
    .output = "         0"), Fn<StrMixup>)
ROW("STR_FSTDIG", "C", DOC(
    .summary = "Does nothing with its text.",
    .params = "cText: any text",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_FSTDIG('a1')",
    .output = ".T."), Fn<StrFstDig>)
ROW("STR_SHL", "C,I", DOC(
    .summary = "A text as one string of bits, rotated left.",
    .params = "cText: the text; its first byte holds the most significant bits\n"
              "nBits: by how many bits, 0 to 8",
    .returns = "C",
    .result = "A text of the same length whose bits are rotated left: the bits that leave the "
              "first byte enter the last. Zero bytes are kept. 0, and a count outside 0 to 8, "
              "give the text unchanged; 8 moves the first byte to the end.",
    .errors = "Error 182 when memory runs out. When the result's memory cannot be had, the "
              "answer is \"TARVO : Memory Allocation Failed\".",
    .example = "? STR_HEXA(STR_SHL(CHR(129) + CHR(1), 1))",
    .output = "0203"), Fn<Rotated<StrShl>>)
ROW("STR_SHR", "C,I", DOC(
    .summary = "A text as one string of bits, rotated right.",
    .params = "cText: the text; its first byte holds the most significant bits\n"
              "nBits: by how many bits, 0 to 8",
    .returns = "C",
    .result = "A text of the same length whose bits are rotated right: the bits that leave the "
              "last byte enter the first. Zero bytes are kept. 0, and a count outside 0 to 8, "
              "give the text unchanged; 8 moves the last byte to the front.",
    .errors = "Error 182 when memory runs out. When the result's memory cannot be had, the "
              "answer is \"TARVO : Memory Allocation Failed\".",
    .example = "? STR_HEXA(STR_SHR(CHR(129) + CHR(1), 1))",
    .output = "C080"), Fn<Rotated<StrShr>>)
ROW("STR_RELIN", "C", DOC(
    .summary = "A text packed by runs of equal characters.",
    .params = "cText: the text",
    .returns = "C",
    .result = "The text with each run of 4 to 226 equal characters written as three bytes: "
              "CHR(1), CHR(length + 28) and the character. Shorter runs stay as they are; "
              "longer ones continue as further runs.",
    .errors = "Error 182 when memory runs out.",
    .notes = "CHR(1) itself is not escaped, and the packed text ends at a zero byte, so texts "
             "holding CHR(1) or CHR(0) do not unpack to themselves.",
    .example = "x = REPLICATE('x', 10) + 'yz'\n"
               "? STR_HEXA(STR_RELIN(x))\n"
               "? STR_RELOUT(STR_RELIN(x)) == x",
    .output = "012678797A\n"
              ".T."), Fn<StrRelIn>)
ROW("STR_RELOUT", "C", DOC(
    .summary = "A text packed by STR_RELIN, unpacked.",
    .params = "cPacked: the packed text",
    .returns = "C",
    .result = "The text with each triple CHR(1), count, character written as count - 28 copies "
              "of the character (none below 1). Every other byte is copied, and so is a "
              "CHR(1) with fewer than two characters after it.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_RELOUT(CHR(1) + CHR(33) + '-' + '>')",
    .output = "----->"), Fn<StrRelOut>)
ROW("STR_COMMA", "C,C", DOC(
    .summary = "The digits of a number written as text, grouped in threes.",
    .params = "cNumber: the number as text, with \".\" as its decimal point\n"
              "cStyle: \",\" writes a decimal comma and groups with points; anything else a "
              "decimal point and groups with commas",
    .returns = "C",
    .result = "The text with a group mark before every three characters of its whole part, "
              "counted from the point; the fraction comes unchanged after the decimal mark. "
              "Every character before the point counts, a sign too: \"-123456\" gives "
              "\"-,123,456\". The empty text gives the empty text. With several points, the "
              "last one starts the fraction and every one is written as the decimal mark.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_COMMA('1234567.891', '.')\n"
               "? STR_COMMA('1234567.891', ',')\n"
               "? STR_COMMA('12', '.')",
    .output = "1,234,567.891\n"
              "1.234.567,891\n"
              "12"), OnlyWithText<StrComma>)
ROW("STR_PROPER", "C,C", DOC(
    .summary = "A text in upper case after delimiters and lower case elsewhere.",
    .params = "cText: the text\n"
              "cDelimiters: the characters after which a letter is upper-cased",
    .returns = "C",
    .result = "The text with each letter a to z upper-cased when the character before it is a "
              "delimiter, and lower-cased otherwise; the first character is upper-cased. A "
              "backslash is dropped and the character after it keeps its case.",
    .errors = "Error 182 when memory runs out.",
    .notes = "cDelimiters ends at its first zero byte, and CHR(0) always counts as a "
             "delimiter. The first character is judged as if the first delimiter stood "
             "before it: when that is a backslash, it keeps its case.",
    .example = "? STR_PROPER('hello wORLD', ' ')\n"
               "? STR_PROPER('jean-luc mcDONALD', ' -')\n"
               "? STR_PROPER('a \\big deal', ' ')",
    .output = "Hello World\n"
              "Jean-Luc Mcdonald\n"
              "A big Deal"), Fn<StrProper>)
ROW("STR_INTSTR", "I,.C", DOC(
    .summary = "Reads one of three text slots, and stores a new text in it.",
    .params = "nSlot: 1, 2 or 3\n"
              "cText: when given, stored in the slot after its content is read (up to 255 "
              "characters)",
    .returns = "C",
    .result = "The slot's content before the call; the slots are empty at load. Another slot "
              "number answers no value (the host takes .T.) and stores nothing.",
    .errors = "Error 182 when memory runs out.",
    .example = "? '[' + STR_INTSTR(2, 'first') + ']'\n"
               "? STR_INTSTR(2, 'second')\n"
               "? STR_INTSTR(2)",
    .output = "[]\n"
              "first\n"
              "second"), Fn<StrIntStr>)
