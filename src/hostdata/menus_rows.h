// Rows of the menus and the object property.
FAMILY(Menu, "Menus and objects",
       "Windows menus built from one text, shown at the mouse or added to a host form's "
       "system menu, and a property added to a host object. A menu list holds items separated "
       "by \"^\"; the item \"\\-\" is a separator line, and empty items are skipped. Forms are "
       "named as the host names them (the main window of tarvo-run is SCREEN); a name the "
       "host does not know changes nothing and answers 0.")
ROW_NOFUZZ("MNU_CREATE", "C", "shows a modal menu that waits for a choice", DOC(
    .summary = "Shows a popup menu at the mouse and answers the entry chosen.",
    .params = "cList: the entries, separated by \"^\"; \"\\-\" is a separator line",
    .returns = "I",
    .result = "The number of the entry chosen, counting text entries from 1 (separators take "
              "no number); 0 when the menu is dismissed, and at once for a list without entries.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The menu is owned by the host's main window and waits for the user (a click, "
             "Enter, or Escape to dismiss it); no command messages are sent.",
    .example = "nChoice = MNU_CREATE('Open^\\-^Close')\n"
               "? ICASE(nChoice = 1, 'open', nChoice = 2, 'close', 'nothing')"), Fn<MnuCreate>)
ROW("MNU_TARVOFORM", "C", DOC(
    .summary = "Adds a separator and the entry \"TARVO.FLL form\" to a host form's system menu.",
    .params = "cForm: the form's name",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .notes = "The entry's command identifier is 500000; what the form does with it is the "
             "program's affair.",
    .example = "DECLARE INTEGER GetSystemMenu IN user32 INTEGER, INTEGER\n"
               "DECLARE INTEGER GetMenuString IN user32 INTEGER, INTEGER, STRING @, INTEGER, INTEGER\n"
               "=MNU_TARVOFORM('SCREEN')\n"
               "hMenu = GetSystemMenu(WIN_HWND('SCREEN'), 0)\n"
               "cText = SPACE(40)\n"
               "nLength = GetMenuString(hMenu, 500000, @cText, 40, 0)\n"
               "? LEFT(cText, nLength)",
    .output = "TARVO.FLL form"), Fn<MnuTarvoForm>)
ROW("MNU_ADDSYSTEM", "C,C", DOC(
    .summary = "Adds entries to a host form's system menu and shows it as the form's menu bar.",
    .params = "cForm: the form's name\n"
              "cList: each entry's text followed by its command identifier in decimal, and "
              "\"\\-\" for a separator, all separated by \"^\"",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .errors = "Error 182 when memory runs out.",
    .notes = "An identifier is read as its leading digits (0 when there are none); a last "
             "entry without an identifier is left out. Under Wine the system menu then no "
             "longer pops up through MNU_PLAYSYSTEM (it answers 0), since it is the menu bar.",
    .example = "DECLARE INTEGER GetMenu IN user32 INTEGER\n"
               "DECLARE INTEGER GetMenuString IN user32 INTEGER, INTEGER, STRING @, INTEGER, INTEGER\n"
               "=MNU_ADDSYSTEM('SCREEN', 'Print^101^\\-^Close^102')\n"
               "hMenu = GetMenu(WIN_HWND('SCREEN'))\n"
               "cText = SPACE(40)\n"
               "nLength = GetMenuString(hMenu, 102, @cText, 40, 0)\n"
               "? LEFT(cText, nLength)",
    .output = "Close"), Fn<MnuAddSystem>)
ROW("MNU_PLAYSYSTEM", "C", DOC(
    .summary = "Shows a host form's system menu at its top-left corner and answers the "
               "identifier chosen.",
    .params = "cForm: the form's name",
    .returns = "I",
    .result = "The command identifier of the entry chosen; 0 when the menu is dismissed or the "
              "form is unknown.",
    .errors = "Error 182 when memory runs out.",
    .notes = "The menu waits for the user, like MNU_CREATE.",
    .example = "? MNU_PLAYSYSTEM('NoSuchForm')",
    .output = "         0"), Fn<MnuPlaySystem>)
ROW("OBJ_ADDPROPERTY", "O,C,?", DOC(
    .summary = "Sets a property of an object, adding it when the object lacks it.",
    .params = "oObject: the object\n"
              "cName: the property's name\n"
              "eValue: its value, of any type",
    .returns = "L",
    .result = ".T. when the host set the property; .F. when it could not (a name that is no "
              "property name, an object that is gone).",
    .errors = "Error 182 when memory runs out.",
    .example = "oBox = CREATEOBJECT('Empty')\n"
               "? OBJ_ADDPROPERTY(oBox, 'Size', 42), oBox.Size\n"
               "? OBJ_ADDPROPERTY(oBox, '1st', 1)",
    .output = ".T.         42\n"
              ".F."), Fn<ObjAddProperty>)
