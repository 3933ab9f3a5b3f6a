// Rows of the string searches and extraction.
FAMILY(Search, "Strings: searches and extraction",
       "Looking into a text without changing it: searches, counts, bracket balancing, the "
       "parameters of a call written as text, single characters and prefix and suffix tests. "
       "Positions count from 1, and 0 means \"not found\". A text answered ends at its first "
       "zero byte, as every text the library hands back does.")
ROW("STR_NAIVESEARCH", "C,C", DOC(
    .summary = "Where a text first occurs in another.",
    .params = "cPattern: the text to look for\n"
              "cText: the text to look in",
    .returns = "I",
    .result = "The position of the first occurrence, from 1; 0 when there is none; 1 for the "
              "empty pattern.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The pattern comes first, unlike AT().",
    .example = "? STR_NAIVESEARCH('cd', 'abcd')\n"
               "? STR_NAIVESEARCH('abcde', 'abc')",
    .output = "         3\n"
              "         0"), Fn<StrNaiveSearch>)
ROW("STR_CPBRK", "C,C", DOC(
    .summary = "The rest of a text from its first character that occurs in a set.",
    .params = "cText: the text\n"
              "cSet: the characters to look for",
    .returns = "C",
    .result = "The text from the first character found in cSet to its end; the empty text "
              "when there is none.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_CPBRK('name=value;x', '=;')\n"
               "? '[' + STR_CPBRK('abc', 'xyz') + ']'",
    .output = "=value;x\n"
              "[]"), Fn<StrCpbrk>)
ROW("STR_NPBRK", "C,C", DOC(
    .summary = "Where the first character of a text that occurs in a set stands.",
    .params = "cText: the text\n"
              "cSet: the characters to look for",
    .returns = "I",
    .result = "The position of the first character found in cSet, from 1; 0 when there is "
              "none.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_NPBRK('abc', 'cb')\n"
               "? STR_NPBRK('abc', 'xyz')",
    .output = "         2\n"
              "         0"), Fn<StrNpbrk>)
ROW("STR_CHRCNT", "C,C", DOC(
    .summary = "How many times a character occurs in a text.",
    .params = "cText: the text\n"
              "cChar: its first character is the one counted (CHR(0) when cChar is empty)",
    .returns = "I",
    .result = "The count; 0 for an empty text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_CHRCNT('banana', 'a')",
    .output = "         3"), Fn<StrChrCnt>)
ROW("STR_BALANC", "C,C,I", DOC(
    .summary = "Where the bracket that closes the n-th opening bracket stands.",
    .params = "cText: the text\n"
              "cPair: the opening character followed by the closing one, such as \"()\"\n"
              "nIndex: which opening character, counting from 1",
    .returns = "I",
    .result = "The position of the closing character that balances it, from 1; 0 when the "
              "text ends first, when there are fewer opening characters, for nIndex below 1, "
              "and when both characters of cPair are the same.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_BALANC('a(b(c)d)e', '()', 1)\n"
               "? STR_BALANC('a(b(c)d)e', '()', 2)\n"
               "? STR_BALANC('a(b(c)d)e', '()', 3)",
    .output = "         8\n"
              "         6\n"
              "         0"), Fn<StrBalanc>)
ROW("STR_NPARAM", "C,I", DOC(
    .summary = "The n-th parameter of a call written as text.",
    .params = "cCall: a call such as \"f(a, b)\"\n"
              "nIndex: which parameter, counting from 1",
    .returns = "C",
    .result = "The parameter as it stands, blanks kept. Commas count only at the call's own "
              "level, and quotes (\"...\" and '...') hide commas and brackets; an unclosed "
              "quote hides the rest of the text. A text without \"(\" comes back whole for any "
              "nIndex; otherwise nIndex below 1 gives the empty text, and nIndex beyond the "
              "parameters what follows the closing \")\".",
    .errors = "Error 182 when memory runs out.",
    .example = "c = [f(x, g(1,2), 'p,q')]\n"
               "? STR_NPARAM(c, 1)\n"
               "? '[' + STR_NPARAM(c, 2) + ']'\n"
               "? '[' + STR_NPARAM(c, 3) + ']'\n"
               "? '[' + STR_NPARAM(c, 4) + ']'",
    .output = "x\n"
              "[ g(1,2)]\n"
              "[ 'p,q']\n"
              "[]"), Fn<StrNParam>)
ROW("STR_FIRST", "C", DOC(
    .summary = "The first character of a text that is not a blank.",
    .params = "cText: the text",
    .returns = "C",
    .result = "That character as a one-character text; the empty text when the text is empty "
              "or all blanks.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_FIRST('   xyz')",
    .output = "x"), Fn<StrFirst>)
ROW("STR_LAST", "C", DOC(
    .summary = "The last character of a text that is not a blank.",
    .params = "cText: the text",
    .returns = "C",
    .result = "That character as a one-character text; the empty text when the text is empty "
              "or all blanks.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_LAST('xyz   ')\n"
               "? '[' + STR_LAST('   ') + ']'",
    .output = "z\n"
              "[]"), Fn<StrLast>)
ROW("STR_N", "C,I", DOC(
    .summary = "The character at a position of a text.",
    .params = "cText: the text\n"
              "nPosition: the position, from 1",
    .returns = "C",
    .result = "That character as a one-character text; the empty text for a position outside "
              "the text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_N('abc', 2)",
    .output = "b"), Fn<StrN>)
ROW("STR_CHAR", "C,I", DOC(
    .summary = "A text from a position to its end.",
    .params = "cText: the text\n"
              "nPosition: the position, from 1",
    .returns = "C",
    .result = "The characters from nPosition on; the empty text for a position outside the "
              "text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_CHAR('abcdef', 4)",
    .output = "def"), Fn<StrChar>)
ROW("STR_PEEK", "C,I", DOC(
    .summary = "The code of the character at a position, as a signed byte.",
    .params = "cText: the text\n"
              "nPosition: the position, from 1",
    .returns = "I",
    .result = "The code: 0 to 127 as they are, 128 to 255 as -128 to -1; 0 for a position "
              "outside the text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_PEEK('A' + CHR(200), 1), STR_PEEK('A' + CHR(200), 2)",
    .output = "        65        -56"), Fn<StrPeek>)
ROW("STR_START", "C,C", DOC(
    .summary = "Whether the shorter of two texts begins the longer.",
    .params = "cText1: a text\n"
              "cText2: another text",
    .returns = "L",
    .result = ".T. when the texts agree over the length of the shorter one, counted from the "
              "start; .T. when either is empty.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_START('abc', 'ab'), STR_START('abc', 'abd'), STR_START('abc', '')",
    .output = ".T. .F. .T."), Fn<StrStart>)
ROW("STR_END", "C,C", DOC(
    .summary = "Whether the shorter of two texts ends the longer.",
    .params = "cText1: a text\n"
              "cText2: another text",
    .returns = "L",
    .result = ".T. when the texts agree over the length of the shorter one, counted from the "
              "end; .T. when either is empty.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_END('report.txt', '.txt'), STR_END('report.txt', '.doc')",
    .output = ".T. .F."), Fn<StrEnd>)
