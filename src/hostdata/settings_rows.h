// Rows of the settings records and the miscellaneous functions.
FAMILY(Setting, "Settings records",
       "Five records in which a program parks values and reads them back from anywhere: the "
       "desktop (DSK_), the font (FNT_), help (HLP_), the user (USR_) and the application's "
       "version (VER_). Nothing else in the library reads them. They are empty after loading; "
       "an init function empties one record. A property function answers its field and, given "
       "a value, stores it: the desktop, font and help texts answer the value stored, every "
       "other field the value it held before the call. Text fields have a fixed capacity: a "
       "longer text is cut to it. Beside them: constant answers, the library's and KERNEL.DLL's "
       "versions, a body-mass index and the strings of a file's version resource.")
// The property rows: the name, the record's accessor and the field's
// member, then the field in words, an example and what it prints. A text
// row names its capacity; a value row its type string, parameter, C++ type,
// decimals and result type.
#define SETTING_STORED "The field as it is after the call: the value given, cut to the capacity."
#define SETTING_PREVIOUS "The field as it was before the call; a value given is stored after."
#define SETTING_TEXT(row, capacity, what, answer, errors_, sample, printed, ...)          \
    ROW(row, ".C",                                                                       \
        DOC(.summary = "The " what ", and stores a new one.",                            \
            .params = "cValue: optional, the new " what "; its first " #capacity         \
                      " characters are kept",                                            \
            .returns = "C", .result = answer,                                            \
            .errors = errors_,                                                           \
            .example = sample, .output = printed),                                       \
        __VA_ARGS__)
#define STORED_TEXT(row, record, member, capacity, what, sample, printed)                 \
    SETTING_TEXT(row, capacity, what, SETTING_STORED,                                    \
                 "Error 182 when memory runs out; nothing is stored.", sample, printed,  \
                 Fn<StoredText<&record, &record##Record::member>>)
#define PREVIOUS_TEXT(row, record, member, capacity, what, sample, printed)               \
    SETTING_TEXT(row, capacity, what, SETTING_PREVIOUS,                                  \
                 "Error 182, after the answer went back, when memory runs out; nothing "  \
                 "is stored.", sample, printed,                                          \
                 AnswerThen<TextOf<&record, &record##Record::member>,                     \
                            SetText<&record, &record##Record::member>>)
#define SETTING_VALUE(row, types, param, record, member, type, places, letter, what,      \
                      sample, printed)                                                   \
    ROW(row, types,                                                                      \
        DOC(.summary = "The " what ", and stores a new one.",                            \
            .params = param ": optional, the new " what, .returns = letter,              \
            .result = SETTING_PREVIOUS, .example = sample, .output = printed),           \
        Fn<ValueProperty<&record, &record##Record::member, type>, places>)

#define SETTING_INIT(row, record, cleared, sample, printed, ...)                           \
    ROW(row, "",                                                                         \
        DOC(.summary = "Empties the " record " record.", .returns = "L",                 \
            .result = ".T. always.", .notes = cleared, .example = sample,                \
            .output = printed),                                                          \
        __VA_ARGS__)
#define EVERY_FIELD "Clears every field of the record."

SETTING_INIT("DSK_INIT", "desktop", EVERY_FIELD,
             "=DSK_TITLE('Orders')\n"
             "? DSK_INIT(), '[' + DSK_TITLE() + ']'",
             ".T. []", Fn<DskInit>)
STORED_TEXT("DSK_CARGO", Desktop, cargo, 256, "desktop's free text",
            "? DSK_CARGO('spare'), DSK_CARGO()", "spare spare")
STORED_TEXT("DSK_TITLE", Desktop, title, 264, "desktop's title",
            "? DSK_TITLE('Orders'), DSK_TITLE()", "Orders Orders")
STORED_TEXT("DSK_FILL", Desktop, fill, 64, "desktop's fill",
            "? DSK_FILL('Bricks'), DSK_FILL()", "Bricks Bricks")
STORED_TEXT("DSK_CENTER", Desktop, center, 64, "desktop's centring",
            "? DSK_CENTER('Both'), DSK_CENTER()", "Both Both")
SETTING_VALUE("DSK_HEIGHT", ".N", "nValue", Desktop, height, double, 4, "N", "desktop's height",
              "=DSK_HEIGHT(480.5)\n? DSK_HEIGHT(600)", "       480.5000")
SETTING_VALUE("DSK_WIDTH", ".N", "nValue", Desktop, width, double, 4, "N", "desktop's width",
              "=DSK_WIDTH(640)\n? DSK_WIDTH(800)", "       640.0000")
SETTING_VALUE("DSK_MAXIMI", ".L", "lValue", Desktop, maximized, bool, -1, "L",
              "desktop's maximized flag", "? DSK_MAXIMI(.T.), DSK_MAXIMI()", ".F. .T.")

SETTING_INIT("FNT_INIT", "font", EVERY_FIELD,
             "=FNT_SIZE(12)\n"
             "? FNT_INIT(), FNT_SIZE()",
             ".T.          0", Fn<FntInit>)
STORED_TEXT("FNT_CARGO", Font, cargo, 256, "font's free text",
            "? FNT_CARGO('spare'), FNT_CARGO()", "spare spare")
STORED_TEXT("FNT_NAME", Font, name, 42, "font's name",
            "? FNT_NAME('Arial'), FNT_NAME()", "Arial Arial")
SETTING_VALUE("FNT_SIZE", ".I", "nValue", Font, size, std::int32_t, -1, "I", "font's size",
              "? FNT_SIZE(12), FNT_SIZE()", "         0         12")

SETTING_INIT("HLP_INIT", "help", EVERY_FIELD,
             "=HLP_CODE(7)\n"
             "? HLP_INIT(), HLP_CODE()",
             ".T.          0", Fn<HlpInit>)
STORED_TEXT("HLP_CARGO", Help, cargo, 256, "help's free text",
            "? HLP_CARGO('spare'), HLP_CARGO()", "spare spare")
STORED_TEXT("HLP_TOPIC", Help, topic, 282, "help topic",
            "? HLP_TOPIC('Orders'), HLP_TOPIC()", "Orders Orders")
SETTING_VALUE("HLP_CODE", ".I", "nValue", Help, code, std::int32_t, -1, "I", "help code",
              "? HLP_CODE(7), HLP_CODE()", "         0          7")

SETTING_INIT("USR_INIT", "user",
             "Clears the free text, name, company and number; USR_LEVEL keeps its value.",
             "=USR_NAME('Ann')\n"
             "=USR_LEVEL(3)\n"
             "? USR_INIT(), '[' + USR_NAME() + ']', USR_LEVEL()",
             ".T. []          3", Fn<UsrInit>)
PREVIOUS_TEXT("USR_CARGO", User, cargo, 256, "user's free text",
              "=USR_CARGO('spare')\n? USR_CARGO('more'), USR_CARGO()", "spare more")
PREVIOUS_TEXT("USR_NAME", User, name, 60, "user's name",
              "=USR_NAME('Ann')\n? USR_NAME('Bob'), USR_NAME()", "Ann Bob")
PREVIOUS_TEXT("USR_CMPANY", User, company, 61, "user's company",
              "=USR_COMPANY('Acme')\n? USR_CMPANY('Initech'), USERCOMPANY()", "Acme Initech")
ALIAS("USR_COMPANY", "USR_CMPANY")
ALIAS("USERCOMPANY", "USR_CMPANY")
SETTING_VALUE("USR_NO", ".I", "nValue", User, number, std::int32_t, -1, "I", "user's number",
              "? USR_NO(42), USR_NO()", "         0         42")
SETTING_VALUE("USR_LEVEL", ".I", "nValue", User, level, std::int32_t, -1, "I", "user's level",
              "? USR_LEVEL(3), USR_LEVEL()", "         0          3")

SETTING_INIT("VER_INIT", "version", EVERY_FIELD,
             "=VER_MAJOR(2)\n"
             "? VER_INIT(), VER_MAJOR()",
             ".T.          0", Fn<VerInit>)
PREVIOUS_TEXT("VER_CARGO", Version, cargo, 256, "version's free text",
              "=VER_CARGO('spare')\n? VER_CARGO('more'), VER_CARGO()", "spare more")
PREVIOUS_TEXT("VER_NAME", Version, name, 60, "application's name",
              "=VER_NAME('Orders')\n? VER_NAME('Stock'), VER_NAME()", "Orders Stock")
PREVIOUS_TEXT("VER_AUTHOR", Version, author, 40, "application's author",
              "=VER_AUTHOR('Ann')\n? VER_AUTHOR('Bob'), VER_AUTHOR()", "Ann Bob")
PREVIOUS_TEXT("VER_CPYRIG", Version, copyright, 70, "application's copyright",
              "=VER_COPYRIGHTS('(c) 1998')\n? VER_CPYRIG('(c) 2024'), VER_CPYRIG()",
              "(c) 1998 (c) 2024")
ALIAS("VER_COPYRIGHTS", "VER_CPYRIG")
PREVIOUS_TEXT("VER_INI", Version, ini, 64, "application's profile file",
              "=VER_INI('orders.ini')\n? VER_INI('stock.ini'), VER_INI()", "orders.ini stock.ini")
PREVIOUS_TEXT("VER_DATE", Version, date, 20, "application's date",
              "=VER_DATE('1998-08-03')\n? VER_DATE('2024-02-29'), VER_DATE()",
              "1998-08-03 2024-02-29")
SETTING_VALUE("VER_MAJOR", ".I", "nValue", Version, major, std::int32_t, -1, "I",
              "application's major version", "? VER_MAJOR(2), VER_MAJOR()",
              "         0          2")
SETTING_VALUE("VER_MINOR", ".I", "nValue", Version, minor, std::int32_t, -1, "I",
              "application's minor version", "? VER_MINOR(1), VER_MINOR()",
              "         0          1")
SETTING_VALUE("VER_COUNTE", ".I", "nValue", Version, counter, std::int32_t, -1, "I",
              "application's counter", "? VER_COUNTER(5), VER_APPLCOUNTER()",
              "         0          5")
ALIAS("VER_APPLCOUNTER", "VER_COUNTE")
ALIAS("VER_COUNTER", "VER_COUNTE")
// The three release flags exclude one another.
#define RELEASE_FLAG(row, member, what, sample, printed)                                  \
    ROW(row, ".L",                                                                       \
        DOC(.summary = "Whether the application is " what ", and stores it.",            \
            .params = "lValue: optional, .T. when it is " what,                          \
            .returns = "L", .result = SETTING_PREVIOUS,                                  \
            .notes = "Storing .T. sets the other two of VER_ALPHA, VER_BETA and "        \
                     "VER_PREREL to .F.; storing .F. leaves them as they are.",          \
            .example = sample, .output = printed),                                       \
        Fn<ReleaseFlag<&VersionRecord::member>>)
RELEASE_FLAG("VER_ALPHA", alpha, "an alpha version",
             "=VER_BETA(.T.)\n? VER_ALPHA(.T.), VER_ALPHA(), VER_BETA()", ".F. .T. .F.")
RELEASE_FLAG("VER_BETA", beta, "a beta version",
             "=VER_ALPHA(.T.)\n? VER_BETA(.T.), VER_ALPHA(), VER_BETA(.F.), VER_PREREL()",
             ".F. .F. .T. .F.")
RELEASE_FLAG("VER_PREREL", prerelease, "a prerelease",
             "=VER_PREREL(.T.)\n? VER_ALPHA(.F.), VER_PREREL()", ".F. .T.")
ROW("VER_GETFILEVERSIONINFO", "C,I", DOC(
    .summary = "One string of a file's version resource.",
    .params = "cFile: the file (a program or a library)\n"
            "nString: which string: 1 ProductName, 2 ProductVersion, 3 OriginalFilename, "
            "4 FileDescription, 5 FileVersion, 6 CompanyName, 7 LegalCopyright, "
            "8 LegalTrademarks, 9 InternalName, 10 PrivateBuild, 11 SpecialBuild, 12 Comments",
    .returns = "C",
    .result = "The string, from the resource's US English block for code page 1252 "
              "(\"040904E4\"); empty when the file has no version resource, the block or the "
              "string is missing, nString is outside 1 to 12, or the name has 260 characters "
              "or more.",
    .errors = "Error 182 when memory runs out.",
    .example = "? VER_GETFILEVERSIONINFO(SYS(2004) + 'TARVO.fll', 3)\n"
               "? '[' + VER_GETFILEVERSIONINFO(SYS(2004) + 'TARVO.fll', 13) + ']'",
    .output = "TARVO.fll\n"
              "[]"), Fn<VerGetFileVersionInfo>)

// The ten optional parameters of any type MIS_TRUE and MIS_FALSE accept.
#define IGNORED(n) "eIgnored" #n ": optional, never read"
#define TEN_IGNORED                                                                     \
    IGNORED(1) "\n" IGNORED(2) "\n" IGNORED(3) "\n" IGNORED(4) "\n" IGNORED(5) "\n"     \
    IGNORED(6) "\n" IGNORED(7) "\n" IGNORED(8) "\n" IGNORED(9) "\n" IGNORED(10)
ROW("MIS_TRUE", ".?,.?,.?,.?,.?,.?,.?,.?,.?,.?,", DOC(
    .summary = "Answers .T., whatever it is given.",
    .params = TEN_IGNORED,
    .returns = "L",
    .result = ".T.",
    .example = "? MIS_TRUE(), MIS_TRUE(0, 'x', {^2024-01-01})",
    .output = ".T. .T."), Raw(MisTrue))
ROW("MIS_FALSE", ".?,.?,.?,.?,.?,.?,.?,.?,.?,.?,", DOC(
    .summary = "Answers .F., whatever it is given.",
    .params = TEN_IGNORED,
    .returns = "L",
    .result = ".F.",
    .example = "? MIS_FALSE(), MIS_FALSE(.T.)",
    .output = ".F. .F."), Raw(MisFalse))
ROW("MIS_MAJOR", "", DOC(
    .summary = "The library's major version number.",
    .returns = "I",
    .result = "5",
    .example = "? MIS_MAJOR()",
    .output = "         5"), Fn<MisMajor>)
ROW("MIS_MINOR", "", DOC(
    .summary = "The library's minor version number.",
    .returns = "I",
    .result = "7",
    .example = "? MIS_MINOR()",
    .output = "         7"), Fn<MisMinor>)
ROW("MIS_VER", "", DOC(
    .summary = "The library's version line.",
    .returns = "C",
    .result = "\"TARVO.FLL - Dasquin - 03 August 1998 17:25-v5.07\": the build stamp, \"-v\" "
              "and the version with a two-digit minor number.",
    .notes = "These numbers are the ones the library's programs expect; the version of this "
             "build is in the files' version resources (VER_GETFILEVERSIONINFO).",
    .example = "? MIS_VERSION()",
    .output = "TARVO.FLL - Dasquin - 03 August 1998 17:25-v5.07"), Fn<MisVer>)
ALIAS("MIS_VERS", "MIS_VER")
ALIAS("MIS_VERSION", "MIS_VER")
ROW("MIS_KNLMAJOR", "", DOC(
    .summary = "KERNEL.DLL's major version number.",
    .returns = "I",
    .result = "The number KERNEL.DLL reports; 0 without KERNEL.DLL.",
    .example = "? MIS_KNLMAJOR()",
    .output = "         1"), Fn<MisKnlMajor>)
ROW("MIS_KNLMINOR", "", DOC(
    .summary = "KERNEL.DLL's minor version number.",
    .returns = "I",
    .result = "The number KERNEL.DLL reports; 0 without KERNEL.DLL.",
    .example = "? MIS_KNLMINOR()",
    .output = "         0"), Fn<MisKnlMinor>)
ROW("MIS_KNLVER", "", DOC(
    .summary = "KERNEL.DLL's version text.",
    .returns = "C",
    .result = "The text KERNEL.DLL reports (up to 255 characters); empty without KERNEL.DLL.",
    .example = "? MIS_KNLVERSION()",
    .output = "KERNEL 1.0"), Fn<MisKnlVer>)
ALIAS("MIS_KNLVERS", "MIS_KNLVER")
ALIAS("MIS_KNLVERSION", "MIS_KNLVER")
ROW("MIS_BODYMASSINDEX", "I,I", DOC(
    .summary = "The body-mass index of a weight and a height.",
    .params = "nWeight: the weight in kilograms\n"
              "nHeight: the height in centimetres",
    .returns = "N",
    .result = "nWeight / nHeight / nHeight * 10000, with 4 decimals; a height of 0 gives what "
              "the division by 0 gives (an infinite value, or not a number for a weight of 0).",
    .example = "? MIS_BODYMASSINDEX(70, 175)",
    .output = "        22.8571"), Fn<BodyMassIndex, 4>)
#undef TEN_IGNORED
#undef IGNORED
#undef RELEASE_FLAG
#undef EVERY_FIELD
#undef SETTING_INIT
#undef SETTING_VALUE
#undef PREVIOUS_TEXT
#undef STORED_TEXT
#undef SETTING_TEXT
#undef SETTING_PREVIOUS
#undef SETTING_STORED
