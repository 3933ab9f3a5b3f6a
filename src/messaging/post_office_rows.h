// Rows of the post office.
FAMILY(PostOffice, "Post office",
       "A mail system of files for programs sharing a folder: a post office file (a profile "
       "file) lists the accounts, each account's folder, the root folder and two counters; "
       "MSG_SEND writes one file per message, 000000000042.msg, into the destination's "
       "folder, with six fields separated by zero bytes. Senders of this library take the "
       "numbers in turn under a lock of the post office file and never replace a message "
       "file; a message appears complete or not at all. MSG_READ only sets the labels of "
       "the six field buffers.")
ROW("MSG_SEND", "C,C,C,C,C", DOC(
    .summary = "Sends a message: one file in the destination account's folder.",
    .params = "cTo: the destination account\n"
              "cFrom: the sender\n"
              "cSubject: the subject\n"
              "cCategory: the category\n"
              "cBody: the body",
    .returns = "L",
    .result = ".T. when the message was written; MSG_LASTERROR tells why not.",
    .errors = "Error 182 when memory runs out. The outcomes: \"Cannot send message because no "
              "Post Office\", \"Not enough memory\", \"Destination %s not found\", \"Post Office "
              "directory of %s not found\", \"Root directory of the Post Office not found\", "
              "\"Cannot open %s in Post Office\", \"Cannot write message\".",
    .notes = "The destination counts as found when it occurs anywhere in the first 2047 "
             "characters of the account names joined by \";\" (a part of a name too). The "
             "file is <root>\\<Dir>\\<number>.msg, the number in 12 digits with leading "
             "zeros; it holds the destination upper-cased, the sender, the date-time stamp of "
             "DAT_DATETIME, the subject, the category and the body, separated by zero bytes. "
             "[SEQUENCING] next keeps the last number used, [MESSAGES] counter how many "
             "messages were sent; when a message file of the next number exists already, the "
             "number after it is taken. A post office file that cannot be written still "
             "delivers, its counters unchanged.",
    .example = "MKDIR mail\n"
               "MKDIR mail\\smith\n"
               "=STRTOFILE('[ACCOUNTS]' + CHR(10) + 'smith=' + CHR(10) + '[SMITH]' + CHR(10) + "
               "'Dir=smith' + CHR(10) + '[ROOT]' + CHR(10) + 'Dir=' + FULLPATH('mail'), "
               "'mail\\post.ini')\n"
               "=MSG_POSTOFFICE(FULLPATH('mail\\post.ini'))\n"
               "? MSG_SEND('smith', 'jones', 'Lunch', 'Note', 'At noon?'), "
               "FILE('mail\\smith\\000000000001.msg')\n"
               "? MSG_SEND('brown', 'jones', 'Lunch', 'Note', 'At noon?'), MSG_LASTERROR()",
    .output = ".T. .T.\n"
              ".F. Destination BROWN not found"), Fn<MsgSend>)
ROW("MSG_READ", "", DOC(
    .summary = "Fills the six field buffers with their labels.",
    .returns = "L",
    .result = ".T. always.",
    .notes = "It reads no message: the buffers get \"De ...\", \"A ...\", \"Datetime ...\", "
             "\"Sujet ...\", \"Catégorie ...\" (é the single byte 0xE9) and \"Corps ...\".",
    .example = "=MSG_READ()\n"
               "? MSG_FROM(), MSG_SUBJECT()",
    .output = "De ... Sujet ..."), Fn<MsgRead>)
ROW("MSG_POSTOFFICE", ".C", DOC(
    .summary = "Answers the post office file in use and, given another, uses that from now on.",
    .params = "cFile: the post office file; a bare file name lies in the Windows folder",
    .returns = "C",
    .result = "The post office file in use before the call; empty at load.",
    .errors = "Error 182 when memory runs out.",
    .notes = "Sets the outcome of MSG_LASTERROR to \"The operation completed successfully\".",
    .example = "=MSG_POSTOFFICE('c:\\mail\\post.ini')\n"
               "? MSG_POSTOFFICE()",
    .output = "c:\\mail\\post.ini"), Raw(MsgPostOffice))
ROW("MSG_LASTERROR", "", DOC(
    .summary = "The outcome of the last MSG_SEND or MSG_POSTOFFICE.",
    .returns = "C",
    .result = "The outcome text, at most 255 characters.",
    .example = "? MSG_SEND('smith', 'jones', 'Hi', '', ''), MSG_LASTERROR()",
    .output = ".F. Cannot send message because no Post Office"), Fn<MsgLastError>)
ROW("MSG_FROM", "", DOC(
    .summary = "The sender field buffer.",
    .returns = "C",
    .result = "\"De ...\" after MSG_READ; empty before it.",
    .example = "=MSG_READ()\n"
               "? MSG_FROM()",
    .output = "De ..."), Fn<MsgField<kFrom>>)
ROW("MSG_TO", "", DOC(
    .summary = "The destination field buffer.",
    .returns = "C",
    .result = "\"A ...\" after MSG_READ; empty before it.",
    .example = "? LEN(MSG_TO())\n"
               "=MSG_READ()\n"
               "? MSG_TO()",
    .output = "         0\n"
              "A ..."), Fn<MsgField<kTo>>)
ROW("MSG_DATETIME", "", DOC(
    .summary = "The date-time field buffer.",
    .returns = "C",
    .result = "\"Datetime ...\" after MSG_READ; empty before it.",
    .example = "=MSG_READ()\n"
               "? MSG_DATETIME()",
    .output = "Datetime ..."), Fn<MsgField<kDateTime>>)
ROW("MSG_SUBJECT", "", DOC(
    .summary = "The subject field buffer.",
    .returns = "C",
    .result = "\"Sujet ...\" after MSG_READ; empty before it.",
    .example = "=MSG_READ()\n"
               "? MSG_SUBJECT()",
    .output = "Sujet ..."), Fn<MsgField<kSubject>>)
ROW("MSG_CATEGORY", "", DOC(
    .summary = "The category field buffer.",
    .returns = "C",
    .result = "\"Catégorie ...\" (é the single byte 0xE9) after MSG_READ; empty before it.",
    .example = "=MSG_READ()\n"
               "? LEN(MSG_CATEGORY())",
    .output = "        13"), Fn<MsgField<kCategory>>)
ROW("MSG_BODY", "", DOC(
    .summary = "The body field buffer.",
    .returns = "C",
    .result = "\"Corps ...\" after MSG_READ; empty before it.",
    .example = "=MSG_READ()\n"
               "? MSG_BODY()",
    .output = "Corps ..."), Fn<MsgField<kBody>>)
