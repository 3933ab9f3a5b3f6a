// Rows of the printers: printers by name, the default printer, the printer
// dialogs, the default printer's settings cache and raw printing.
FAMILY(Printer, "Printers",
       "The machine's printers by name: any field of a printer's settings record (its "
       "DEVMODE) and of its printer information, one settings field or the comment written "
       "back, its driver's files, the default printer and the printer dialogs, owned by the "
       "host's main window. Beside them, one settings cache for the whole library: PRN_CAPA "
       "fills it from the default printer, the accessors from PRN_DEVICE to PRN_TTOPT read "
       "it and change some of its fields, and PRN_SET hands it to the printer's driver. "
       "PRN_PRINTFILE sends a file to the default printer byte for byte. Texts a printer "
       "leaves absent (the server name of a local printer) read as empty texts, and no "
       "result is cut. Under Wine the printers are those of CUPS; Wine's drivers have no "
       "ExtDeviceMode (PRN_SET answers -1), no property sheet and no printer connection "
       "dialog, and wrap pass-through data in PostScript.")
// A field of the cache, read only: name, what it is, its item, what the
// example prints.
#define CACHE_FIELD_ROW(name, what, item, printed)                                               \
    ROW(name, "",                                                                               \
        DOC(.summary = "The " what " of the settings cache.",                                   \
            .returns = "I",                                                                     \
            .result = "The cached " what "; 0 before PRN_CAPA filled the cache.",               \
            .example = "=PRN_CAPA()\n? " name "()", .output = printed),                          \
        Fn<CachedField<item>>)
// A field of the cache that can be changed: name, what it is, its item, what
// the example prints (the value, the value again, then the value given).
#define CACHE_SETTING_ROW(name, what, item, printed)                                             \
    ROW(name, ".I",                                                                             \
        DOC(.summary = "The " what " of the settings cache; changes it when given a value.",    \
            .params = "nValue: optional; the new " what " (its low 16 bits are kept)",           \
            .returns = "I",                                                                     \
            .result = "The cached " what " (a signed 16-bit value) before the change; 0 "       \
                      "before PRN_CAPA filled the cache.",                                      \
            .notes = "Only the cache changes; PRN_SET hands it to the printer's driver.",       \
            .example = "=PRN_CAPA()\n? " name "(), " name "(5), " name "()",                    \
            .output = printed),                                                                  \
        Fn<CachedSetting<item>>)
// A name of the cache.
#define CACHE_NAME_ROW(name, what, call, printed)                                                \
    ROW(name, "",                                                                               \
        DOC(.summary = "The " what " of the settings cache.",                                   \
            .returns = "C",                                                                     \
            .result = "The " what " as PRN_CAPA found it; empty before.",                       \
            .example = "=PRN_CAPA()\n? " name "()", .output = printed),                          \
        Fn<call>)

ROW("PRN_GETPRNDATA", "C,I", DOC(
    .summary = "One field of a printer's settings or information records, by item number.",
    .params = "cPrinter: the printer's name\n"
              "nItem: 1 to 32 the settings record's fields in Windows' order (1 device name, "
              "2 record layout version, 3 driver version, 4 size, 5 driver data size, 6 field "
              "mask, 7 orientation, 8 paper size, 9 paper length, 10 paper width, 11 scale, 12 "
              "copies, 13 paper source, 14 print quality, 15 colour, 16 duplex, 17 vertical "
              "resolution, 18 TrueType option, 19 collate, 20 form name, 21 pixels per inch, "
              "22 bits per pixel, 23 width, 24 height, 25 display flags, 26 display frequency, "
              "27 colour-matching method, 28 intent, 29 media type, 30 dither type, 31 and 32 "
              "reserved); 1000 to 1010 the printer's texts (server, printer, share, port, "
              "driver, comment, location, separator file, print processor, data type, "
              "parameters); 5000 the settings summary; 5001 the names summary; 9000 all "
              "settings",
    .returns = "?",
    .result = "A text for the texts (1, 20, 1000 to 1010), an integer for the numbers (2 to 5 "
              "and 21 unsigned, 6 and 22 to 32 32-bit, 7 to 19 signed 16-bit). Item 5000 "
              "answers items 7 to 19 joined by \",\"; 5001 the device name and the eleven "
              "texts joined by \",\". Messages: \"TARVO : Couldn't open the printer\", "
              "\"TARVO couldn't allocate the needed memory\", \"TARVO : GetPrinter() was not "
              "successful\", \"TARVO : <null> DEVMODE pointer\" (a printer without settings, "
              "whatever the item), \"TARVO : all settings not supported yet\" (9000), "
              "\"TARVO : information not supported\" (any other item).",
    .notes = "A name of 260 characters or more names no printer (it cannot be opened), here "
             "and wherever a printer is named.",
    .example = "cPrinter = LEFT(PRN_GETDEFAULTPRINTER(), AT(',', PRN_GETDEFAULTPRINTER()) - 1)\n"
               "? PRN_GETPRNDATA(cPrinter, 4), PRN_GETPRNDATA(cPrinter, 1001) == cPrinter\n"
               "? PRN_GETPRNDATA(cPrinter, 33)\n"
               "? PRN_GETPRNDATA('No such printer', 7)",
    .output = "       156 .T.\n"
              "TARVO : information not supported\n"
              "TARVO : Couldn't open the printer"), Fn<PrnGetPrnData>)
ROW_NOFUZZ("PRN_SETPRNDATA", "C,I,?", "changes a printer's stored settings", DOC(
    .summary = "Writes one field of a printer's settings record, or its comment.",
    .params = "cPrinter: the printer's name\n"
              "nItem: the field, numbered as for PRN_GETPRNDATA: 7 to 19 and 21 take the low "
              "16 bits of the value, 22 to 32 all 32 bits, 1005 (the comment) a text\n"
              "eValue: an integer value (type I) for the numbers, a text for the comment",
    .returns = "L",
    .result = ".T. when the printer took the records back (SetPrinter). .F. for a value of "
              "another type (a number of type N included) or of the wrong kind for the item "
              "(a text for a number, an integer for the comment): nothing is then written; "
              ".F. when the printer cannot be opened for changes or read.",
    .notes = "The driver brings the record up to date before the field is stored. Any other "
             "item changes nothing, and the records are still written back.",
    .example = "cPrinter = LEFT(PRN_GETDEFAULTPRINTER(), AT(',', PRN_GETDEFAULTPRINTER()) - 1)\n"
               "cOld = PRN_GETPRNDATA(cPrinter, 1005)\n"
               "? PRN_SETPRNDATA(cPrinter, 1005, 'Second floor'), PRN_GETPRNDATA(cPrinter, 1005)\n"
               "? PRN_SETPRNDATA(cPrinter, 7, 2.5), PRN_SETPRNDATA(cPrinter, 7, .T.)\n"
               "= PRN_SETPRNDATA(cPrinter, 1005, cOld)",
    .output = ".T. Second floor\n"
              ".F. .F."), Fn<PrnSetPrnData>)
ROW("PRN_GETDRVINFO", "C", DOC(
    .summary = "The files of a printer's driver.",
    .params = "cPrinter: the printer's name",
    .returns = "C",
    .result = "On Windows NT \"WINNT:\" and the driver's name, environment, driver file, data "
              "file and configuration file joined by \",\"; on Windows 95 \"WIN95:\" and those "
              "five, then the help file, the dependent files (joined by \";\"), the monitor "
              "and the default data type. \"Cannot open printer\" when the printer cannot be "
              "opened; empty when its driver cannot be read.",
    .example = "cPrinter = LEFT(PRN_GETDEFAULTPRINTER(), AT(',', PRN_GETDEFAULTPRINTER()) - 1)\n"
               "? LEFT(PRN_GETDRVINFO(cPrinter), 6)\n"
               "? PRN_GETDRVINFO('No such printer')",
    .output = "WINNT:\n"
              "Cannot open printer"), Fn<PrnGetDrvInfo>)
ROW("PRN_GETDEFAULTPRINTER", "", DOC(
    .summary = "The default printer entry of the user profile.",
    .returns = "C",
    .result = "The entry \"device\" of the section \"windows\" of WIN.INI: the printer's "
              "name, its driver and its port joined by \",\"; empty when there is no default "
              "printer.",
    .example = "cEntry = PRN_GETDEFAULTPRINTER()\n"
               "? OCCURS(',', cEntry)",
    .output = "         2"), Fn<PrnGetDefaultPrinter>)
ROW_NOFUZZ("PRN_SETDEFAULTPRINTER", "C", "changes the machine's default printer", DOC(
    .summary = "Makes a printer the default printer.",
    .params = "cEntry: the default printer entry: the printer's name, its driver and its port "
              "joined by \",\", as PRN_GETDEFAULTPRINTER answers it",
    .returns = "L",
    .result = ".T. when the entry was written to the user profile.",
    .notes = "The change is told to every top-level window; one that does not answer within "
             "2 seconds is not waited for.",
    .example = "cEntry = PRN_GETDEFAULTPRINTER()\n"
               "? PRN_SETDEFAULTPRINTER(cEntry), PRN_GETDEFAULTPRINTER() == cEntry",
    .output = ".T. .T."), Fn<PrnSetDefaultPrinter>)
ROW_NOFUZZ("PRN_PRINTERPROPERTIES", "C", "shows a modal property sheet that waits for the user",
    DOC(
    .summary = "Shows a printer's property sheet.",
    .params = "cPrinter: the printer's name",
    .returns = "L",
    .result = ".T. once the sheet was asked for, whatever it answered; .F. when the printer "
              "cannot be opened.",
    .notes = "Wine has no property sheets: the call answers .T. at once.",
    .example = "? PRN_PRINTERPROPERTIES('No such printer')",
    .output = ".F."), Fn<PrnPrinterProperties>)
ROW_NOFUZZ("PRN_CONNECTTOPRINTERDIALOG", "", "shows a modal dialog that waits for the user",
    DOC(
    .summary = "Shows the dialog that connects to a network printer.",
    .returns = "L",
    .result = ".T. when the user chose a printer (the connection stays).",
    .notes = "Wine has no such dialog: the call answers .F. at once.",
    .example = "? PRN_CONNECTTOPRINTERDIALOG()",
    .output = ".F."), Fn<PrnConnectToPrinterDialog>)
ROW_NOFUZZ("PRN_DIALOG", "I,I,I,I,I", "shows a modal dialog that waits for the user", DOC(
    .summary = "Shows the print setup dialog.",
    .params = "nFromPage: the first page (the low 16 bits of each value are used)\n"
              "nToPage: the last page\n"
              "nMinPage: the smallest page allowed\n"
              "nMaxPage: the largest page allowed\n"
              "nCopies: the copies",
    .returns = "L",
    .result = ".T. when the user confirmed the dialog; what was chosen is not kept.",
    .example = "lDone = PRN_DIALOG(1, 1, 1, 9, 1)\n"
               "? IIF(lDone, 'confirmed', 'cancelled')"), Fn<PrnDialog>)
ROW("PRN_CAPA", "", DOC(
    .summary = "Fills the settings cache from the default printer.",
    .returns = "L",
    .result = ".T. when the default printer's settings were copied; .F. when there is no "
              "default printer or its settings cannot be read (the cache is then empty, or "
              "holds the names only). No value when Windows gave names but no settings.",
    .notes = "The cache is emptied first. It keeps the device name and the fields up to the "
             "TrueType option; collate, the form name and the fields after it, and the "
             "driver's own data, stay zero. The three names are cut at 51, 63 and 51 "
             "characters.",
    .example = "? PRN_CAPA(), PRN_NAME() == LEFT(PRN_GETDEFAULTPRINTER(), LEN(PRN_NAME()))",
    .output = ".T. .T."), Fn<PrnCapa>)
ROW_NOFUZZ("PRN_SET", "", "changes the default printer's settings for every program", DOC(
    .summary = "Hands the settings cache to the default printer's driver as its new "
               "defaults (the driver's ExtDeviceMode).",
    .returns = "I",
    .result = "0 done; -1 the driver's library \"<driver>.drv\" cannot be loaded (also for a "
              "driver name longer than 11 characters or a default printer entry without one); "
              "-2 no memory (also when the driver gives no size for its settings); -3 the "
              "driver has no ExtDeviceMode; -4 the driver refused the settings.",
    .notes = "The driver is given the cached record without driver data of its own. The "
             "default printer entry is read up to 79 characters. Drivers of Windows NT and of "
             "Wine have no ExtDeviceMode: there the answer is -1 or -3.",
    .example = "=PRN_CAPA()\n"
               "? PRN_SET()",
    .output = "        -1"), Fn<PrnSet>)
ROW_NOFUZZ("PRN_PRINTFILE", "C,C", "sends print jobs to the default printer", DOC(
    .summary = "Sends a file to the default printer byte for byte, as a document with a "
               "name (the driver's pass-through escape).",
    .params = "cFile: the file to print\n"
              "cDocument: the document's name, the job's title",
    .returns = "L",
    .result = ".T. when the whole file went to the printer; .F. when there is no default "
              "printer, the file cannot be opened or read (no job is started), a block "
              "cannot be sent, or the user pressed Escape (the job is ended and aborted).",
    .notes = "The file goes in blocks of 1024 bytes; a file whose length is a multiple of 1024 "
             "ends with an empty block. Between blocks the library asks the host for a key "
             "without waiting; Escape aborts the job. A driver without pass-through shows "
             "\"PASSTHROUGH Not Supported\" in a message box. The default printer entry is "
             "read up to 63 characters. Wine's drivers wrap the bytes in PostScript.",
    .example = "=STRTOFILE('Hello, printer' + CHR(13) + CHR(10), 'note.txt')\n"
               "? PRN_PRINTFILE('note.txt', 'A note'), PRN_PRINTFILE('missing.txt', 'None')",
    .output = ".T. .F."), Fn<PrnPrintFile>)
CACHE_NAME_ROW("PRN_DEVICE", "device name of the settings record", PrnDevice, "FakeRaw")
CACHE_NAME_ROW("PRN_NAME", "printer name", PrnName, "FakeRaw")
CACHE_NAME_ROW("PRN_DRV", "driver name", PrnDrv, "wineps.drv")
CACHE_NAME_ROW("PRN_PORT", "output port", PrnPort, "CUPS:FakeRaw")
CACHE_FIELD_ROW("PRN_SPEC", "version of the settings record's layout (unsigned 16-bit)", kItemSpecVersion,
                "       778")
CACHE_FIELD_ROW("PRN_DRIVER", "driver version (unsigned 16-bit)", kItemDriverVersion,
                "         1")
CACHE_FIELD_ROW("PRN_SIZE", "size of the settings record (unsigned 16-bit)", kItemSize,
                "       156")
CACHE_FIELD_ROW("PRN_EXTRA", "size of the driver's extra data (unsigned 16-bit)",
                kItemDriverExtra, "         8")
CACHE_FIELD_ROW("PRN_FIELDS", "field mask (32-bit)", kItemFields, "    130847")
CACHE_SETTING_ROW("PRN_ORIENT", "orientation (1 portrait, 2 landscape)", kItemOrientation,
                  "         1          1          5")
CACHE_SETTING_ROW("PRN_PAPERS", "paper size (1 letter, 9 A4 ...)", kItemPaperSize,
                  "         9          9          5")
CACHE_FIELD_ROW("PRN_PAPERL", "paper length (tenths of a millimetre)", kItemPaperLength,
                "      2970")
CACHE_FIELD_ROW("PRN_PAPERW", "paper width (tenths of a millimetre)", kItemPaperWidth,
                "      2099")
CACHE_FIELD_ROW("PRN_SCALE", "scale (percent)", kItemScale, "       100")
CACHE_SETTING_ROW("PRN_COPIES", "number of copies", kItemCopies,
                  "         1          1          5")
CACHE_SETTING_ROW("PRN_SOURCE", "default paper source", kItemSource,
                  "         7          7          5")
CACHE_FIELD_ROW("PRN_QUALIT", "print quality (dots per inch, or -1 to -4)", kItemQuality,
                "       300")
CACHE_SETTING_ROW("PRN_COLOR", "colour (1 monochrome, 2 colour)", kItemColor,
                  "         2          2          5")
CACHE_SETTING_ROW("PRN_DUPLEX", "duplex (1 simplex, 2 vertical, 3 horizontal)", kItemDuplex,
                  "         1          1          5")
ROW("PRN_RESOLU", ".I", DOC(
    .summary = "The vertical resolution of the settings cache; changes it, and the print "
               "quality with it, when given a value.",
    .params = "nValue: optional; the new vertical resolution in dots per inch (its low 16 "
              "bits are kept)",
    .returns = "I",
    .result = "The cached vertical resolution (a signed 16-bit value) before the change; 0 "
              "before PRN_CAPA filled the cache.",
    .notes = "Only the cache changes; PRN_SET hands it to the printer's driver.",
    .example = "=PRN_CAPA()\n"
               "? PRN_RESOLU(), PRN_RESOLU(600), PRN_QUALIT()",
    .output = "       300        300        600"), Fn<PrnResolu>)
CACHE_FIELD_ROW("PRN_TTOPT", "TrueType option (1 as bitmaps, 2 downloaded, 3 substituted)",
                kItemTrueType, "         3")
#undef CACHE_FIELD_ROW
#undef CACHE_SETTING_ROW
#undef CACHE_NAME_ROW
