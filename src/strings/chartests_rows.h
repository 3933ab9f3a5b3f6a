// Rows of the character tests and validation.
FAMILY(CharTest, "Strings: character tests",
       "Logical tests on characters and texts: vowels and consonants by fixed tables of "
       "Windows-1252, one character of a text classified (four classes by the thread's locale, "
       "four of the C runtime's \"C\" locale), case over a range, the card-number check digit, "
       "and a locale comparison through Windows. Positions count from 1.")
ROW("STR_ISVOWEL", "C", DOC(
    .summary = "Whether the first character of a text is a vowel.",
    .params = "cText: its first character is tested",
    .returns = "L",
    .result = ".T. for A, E, I, O, U, Y in either case and the accented vowels of "
              "Windows-1252 (ý, ÿ and ð among them); .T. for the empty text and for a text "
              "that starts with CHR(0).",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISVOWEL('yes'), STR_ISVOWEL(CHR(201)), STR_ISVOWEL('b')",
    .output = ".T. .T. .F."), Fn<StrIsVowel>)
ROW("STR_ISCONSONANT", "C", DOC(
    .summary = "Whether the first character of a text is a consonant.",
    .params = "cText: its first character is tested",
    .returns = "L",
    .result = ".T. for the consonants B to Z in either case and Ç, Ð, Ñ, ç, ñ; .T. for the "
              "empty text and for a text that starts with CHR(0).",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISCONSONANT(CHR(241)), STR_ISCONSONANT('1')",
    .output = ".T. .F."), Fn<StrIsConsonant>)
ROW("STR_ISCHARALPHA", "C,I", DOC(
    .summary = "Whether one character of a text is a letter, by the thread's locale.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = "Windows' IsCharAlphaA of the character; .F. for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISCHARALPHA('a1', 1), STR_ISCHARALPHA('a1', 2)",
    .output = ".T. .F."), Fn<StrIsChar<LocaleAlpha>>)
ROW("STR_ISCHARALPHANUMERIC", "C,I", DOC(
    .summary = "Whether one character of a text is a letter or a digit, by the thread's locale.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = "Windows' IsCharAlphaNumericA of the character; .F. for a position outside the "
              "text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISCHARALPHANUMERIC('a1-', 2), STR_ISCHARALPHANUMERIC('a1-', 3)",
    .output = ".T. .F."), Fn<StrIsChar<LocaleAlphaNumeric>>)
ROW("STR_ISCHARLOWER", "C,I", DOC(
    .summary = "Whether one character of a text is a lower-case letter, by the thread's locale.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = "Windows' IsCharLowerA of the character; .F. for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISCHARLOWER('aB', 1), STR_ISCHARLOWER('aB', 2)",
    .output = ".T. .F."), Fn<StrIsChar<LocaleLower>>)
ROW("STR_ISCHARUPPER", "C,I", DOC(
    .summary = "Whether one character of a text is an upper-case letter, by the thread's locale.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = "Windows' IsCharUpperA of the character; .F. for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISCHARUPPER('aB', 1), STR_ISCHARUPPER('aB', 2)",
    .output = ".F. .T."), Fn<StrIsChar<LocaleUpper>>)
ROW("STR_ISCHARPUNCT", "C,I", DOC(
    .summary = "Whether one character of a text is punctuation.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = ".T. for the visible characters 33 to 126 that are neither letters nor digits; "
              ".F. for codes 128 to 255 and for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The classes of the C runtime's \"C\" locale, whatever the thread's locale.",
    .example = "? STR_ISCHARPUNCT('a,b', 2), STR_ISCHARPUNCT('a,b', 3)",
    .output = ".T. .F."), Fn<StrIsChar<CharPunct>>)
ROW("STR_ISCHARSPACE", "C,I", DOC(
    .summary = "Whether one character of a text is white space.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = ".T. for the blank, tab, line feed, vertical tab, form feed and carriage return; "
              ".F. for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The classes of the C runtime's \"C\" locale, whatever the thread's locale.",
    .example = "? STR_ISCHARSPACE('a b', 2), STR_ISCHARSPACE('a' + CHR(9), 2), "
               "STR_ISCHARSPACE('a b', 1)",
    .output = ".T. .T. .F."), Fn<StrIsChar<CharSpace>>)
ROW("STR_ISCHARGRAPH", "C,I", DOC(
    .summary = "Whether one character of a text is visible, the blank not included.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = ".T. for the codes 33 to 126; .F. for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The classes of the C runtime's \"C\" locale, whatever the thread's locale.",
    .example = "? STR_ISCHARGRAPH('a b', 1), STR_ISCHARGRAPH('a b', 2)",
    .output = ".T. .F."), Fn<StrIsChar<CharGraph>>)
ROW("STR_ISCHARPRINT", "C,I", DOC(
    .summary = "Whether one character of a text is printable, the blank included.",
    .params = "cText: the text\n"
              "nPosition: 1-based position of the character",
    .returns = "L",
    .result = ".T. for the codes 32 to 126; .F. for a position outside the text.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The classes of the C runtime's \"C\" locale, whatever the thread's locale.",
    .example = "? STR_ISCHARPRINT('a b', 2), STR_ISCHARPRINT(CHR(9), 1)",
    .output = ".T. .F."), Fn<StrIsChar<CharPrint>>)
ROW("STR_ISUPPER", "C,.I,.I", DOC(
    .summary = "Whether every character of a range of a text is one of A to Z.",
    .params = "cText: the text\n"
              "nStart: 1-based first position; without it the whole text\n"
              "nCount: number of characters; without it up to the end",
    .returns = "L",
    .result = ".F. at the first character of the range that is not A to Z (accented letters "
              "and zero bytes included); .T. for an empty range. The range is clipped to the "
              "text: a start below 1 keeps only its part from position 1, and a start past the "
              "end or a count below 1 leaves it empty.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISUPPER('ABc'), STR_ISUPPER('ABc', 1, 2)",
    .output = ".F. .T."), Fn<StrIsUpper>)
ROW("STR_ISLOWER", "C,.I,.I", DOC(
    .summary = "Whether every character of a range of a text is one of a to z.",
    .params = "cText: the text\n"
              "nStart: 1-based first position; without it the whole text\n"
              "nCount: number of characters; without it up to the end",
    .returns = "L",
    .result = ".F. at the first character of the range that is not a to z (accented letters "
              "and zero bytes included); .T. for an empty range. The range is clipped to the "
              "text: a start below 1 keeps only its part from position 1, and a start past the "
              "end or a count below 1 leaves it empty.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISLOWER('aB', 2), STR_ISLOWER('')",
    .output = ".F. .T."), Fn<StrIsLower>)
ROW("STR_ISVALIDCREDITCARD", "C", DOC(
    .summary = "Whether the digits of a card number pass the Luhn check.",
    .params = "cNumber: the number; characters other than 0 to 9 are dropped",
    .returns = "L",
    .result = ".T. when the Luhn sum of the digits is a multiple of 10; .F. for a text "
              "without digits or with more than 20.",
    .errors = "Error 182 when memory runs out.",
    .example = "? STR_ISVALIDCREDITCARD('4111 1111 1111 1111'), "
               "STR_ISVALIDCREDITCARD('79927398710')",
    .output = ".T. .F."), Fn<StrIsValidCreditCard>)
ROW("STR_COMPARESTRINGS", "C,C,I", DOC(
    .summary = "Compares two texts by the user's locale.",
    .params = "cText1: the first text\n"
              "cText2: the second text\n"
              "nFlags: the flags of Windows' CompareStringA (1 ignores case)",
    .returns = "I",
    .result = "1 when cText1 sorts first, 2 when both are equal, 3 when cText2 sorts first, "
              "0 when Windows refuses the comparison (flags it does not know).",
    .errors = "Error 182 when memory runs out.",
    .notes = "Both texts count over their full length, zero bytes included.",
    .example = "? STR_COMPARESTRINGS('abc', 'ABC', 1), STR_COMPARESTRINGS('a', 'b', 0)",
    .output = "         2          1"), Fn<StrCompareStrings>)
