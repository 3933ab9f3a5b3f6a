// Rows of the tokenizer: the sequential walk, the separator set and direct
// access.
FAMILY(Tokenizer, "Strings: tokenizer",
       "A text split into tokens at separator characters. One separator set serves the whole "
       "library and stays in force until it is changed; it is empty at load, so nothing "
       "separates until STR_SETSEP is called. Every separator ends exactly one token: a text "
       "with k separators has k + 1 tokens, and runs of separators enclose empty tokens. The "
       "tokens can be read one after the other (STR_TOKINI, STR_TOKNEX, STR_TOKFIN) or "
       "directly by number (STR_NTOKEN, STR_TOKPOS). STR_STRTOK has its own rules.")
ROW("STR_TOKINI", "C", DOC(
    .summary = "Starts a walk over a text, token by token.",
    .params = "cText: the text to walk; the library keeps its own copy",
    .returns = "L",
    .result = ".T. always.",
    .errors = "Error 182 when memory runs out.",
    .notes = "There is one walk for the whole library: a new STR_TOKINI ends the one before.",
    .example = "=STR_SETSEP(',')\n"
               "? STR_TOKINI('red,green')\n"
               "? STR_TOKNEX(), STR_TOKFIN()\n"
               "? STR_TOKNEX(), STR_TOKFIN()",
    .output = ".T.\n"
              "red .F.\n"
              "green .T."), Fn<StrTokIni>)
ROW("STR_TOKNEX", "", DOC(
    .summary = "The next token of the walk.",
    .returns = "C",
    .result = "The characters from the walk's position up to the next separator or the end of "
              "the text, however long. The call that answers the last token ends the walk; "
              "after that the answer is the empty text.",
    .errors = "Error 182 when memory runs out.",
    .notes = "A trailing separator is followed by one more, empty, token.",
    .example = "=STR_SETSEP(',')\n"
               "=STR_TOKINI('a,,b')\n"
               "DO WHILE !STR_TOKFIN()\n"
               "  ? '[' + STR_TOKNEX() + ']'\n"
               "ENDDO",
    .output = "[a]\n"
              "[]\n"
              "[b]"), Fn<StrTokNex>)
ROW("STR_TOKFIN", "", DOC(
    .summary = "Whether the walk is used up.",
    .returns = "L",
    .result = ".T. once the last token has been read, and before the first STR_TOKINI; .F. "
              "while tokens remain.",
    .example = "? STR_TOKFIN()\n"
               "=STR_SETSEP(';')\n"
               "=STR_TOKINI('x;y')\n"
               "? STR_TOKFIN()\n"
               "=STR_TOKNEX()\n"
               "=STR_TOKNEX()\n"
               "? STR_TOKFIN()",
    .output = ".T.\n"
              ".F.\n"
              ".T."), Fn<StrTokFin>)
ROW("STR_GETOFF", "", DOC(
    .summary = "Where the next token of the walk starts.",
    .returns = "I",
    .result = "The offset, counted from 0, of the next token in the walk's text.",
    .notes = "Give it back to STR_SETOFF to read a token again.",
    .example = "=STR_SETSEP(',')\n"
               "=STR_TOKINI('ab,cd')\n"
               "? STR_GETOFF()\n"
               "=STR_TOKNEX()\n"
               "? STR_GETOFF()",
    .output = "         0\n"
              "         3"), Fn<StrGetOff>)
ROW("STR_SETOFF", "I", DOC(
    .summary = "Moves the walk: the next token starts at the given offset.",
    .params = "nOffset: the offset, counted from 0; a negative offset counts as 0",
    .returns = "L",
    .result = ".T. always.",
    .notes = "The offset is not checked: beyond the text, the next STR_TOKNEX answers the "
             "empty text and ends the walk. The call that reads the last token drops the "
             "walk's copy of the text, so a walk cannot be moved back after it has ended.",
    .example = "=STR_SETSEP(',')\n"
               "=STR_TOKINI('one,two,three')\n"
               "? STR_TOKNEX()\n"
               "n = STR_GETOFF()\n"
               "? STR_TOKNEX()\n"
               "=STR_SETOFF(n)\n"
               "? STR_TOKNEX()",
    .output = "one\n"
              "two\n"
              "two"), Fn<StrSetOff>)
ROW("STR_SETSEP", "C", DOC(
    .summary = "Sets the separator characters of the tokenizer and answers the previous ones.",
    .params = "cSeparators: every character of this text becomes a separator, zero bytes "
              "included; the empty text leaves no separator",
    .returns = "C",
    .result = "The previous separators in ascending code order; the empty text when there were "
              "none or when code 0 was one of them.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The set serves the walk, STR_NUMTOK, STR_NTOKEN and STR_TOKPOS, and stays in "
             "force until it is changed. It is empty at load.",
    .example = "? '[' + STR_SETSEP(', ') + ']'\n"
               "? '[' + STR_SETSEP(';,') + ']'",
    .output = "[]\n"
              "[ ,]"), Fn<StrSetSep>)
ROW("STR_RESSEP", "", DOC(
    .summary = "Empties the separator set.",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "=STR_SETSEP(',')\n"
               "=STR_RESSEP()\n"
               "? STR_NUMTOK('a,b')",
    .output = "         1"), Fn<StrResSep>)
ROW("STR_NUMTOK", "C", DOC(
    .summary = "The number of tokens in a text.",
    .params = "cText: the text",
    .returns = "I",
    .result = "1 + the number of separator characters in the text (1 for the empty text).",
    .errors = "Error 182 when memory runs out.",
    .example = "=STR_SETSEP(',')\n"
               "? STR_NUMTOK('a,,b,')\n"
               "? STR_NUMTOK('')",
    .output = "         4\n"
              "         1"), Fn<StrNumTok>)
ALIAS("NUMBEROFTOKENS", "STR_NUMTOK")
ALIAS("STR_NUMBEROFTOKENS", "STR_NUMTOK")
ROW("STR_NTOKEN", "I,C", DOC(
    .summary = "The n-th token of a text.",
    .params = "nIndex: which token, counting from 1\n"
              "cText: the text",
    .returns = "C",
    .result = "The token; the empty text past the last token and for nIndex below 1.",
    .errors = "Error 182 when memory runs out.",
    .example = "=STR_SETSEP(',')\n"
               "? STR_NTOKEN(3, 'a,,b,')\n"
               "? '[' + STR_NTOKEN(2, 'a,,b,') + ']'",
    .output = "b\n"
              "[]"), Fn<StrNToken>)
ROW("STR_TOKPOS", "I,C", DOC(
    .summary = "Where the n-th token of a text starts.",
    .params = "nIndex: which token, counting from 1\n"
              "cText: the text",
    .returns = "I",
    .result = "The position of the token's first character, from 1; the length of the text "
              "+ 1 when it has fewer tokens, and for nIndex below 1.",
    .errors = "Error 182 when memory runs out.",
    .example = "=STR_SETSEP(',')\n"
               "? STR_TOKPOS(3, 'a,,b')\n"
               "? STR_TOKPOS(5, 'a,b')",
    .output = "         4\n"
              "         4"), Fn<StrTokPos>)
ROW("STR_STRTOK", "I,C,C", DOC(
    .summary = "The n-th token of a text by its own delimiters, with no empty tokens.",
    .params = "nIndex: which token, counting from 1\n"
              "cText: the text\n"
              "cDelimiters: the characters that separate tokens",
    .returns = "C",
    .result = "The token; the empty text when there are fewer tokens, and for nIndex below 1.",
    .errors = "Error 182 when memory runs out.",
    .notes = "Leading delimiters are skipped and a run of delimiters counts as one (the C "
             "runtime's strtok rules). The separator set and the walk are not used. Text and "
             "delimiters end at their first zero byte.",
    .example = "? STR_STRTOK(2, ',,a,,b', ',')\n"
               "? '[' + STR_STRTOK(3, 'a,b', ',') + ']'",
    .output = "b\n"
              "[]"), Fn<StrStrTok>)
