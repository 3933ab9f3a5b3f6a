// Rows of the registry.
FAMILY(Registry, "System: registry",
       "Keys and values of the Windows registry. A key is named by its root, one of "
       "HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, "
       "HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG and HKEY_DYN_DATA (in any case; no "
       "abbreviation), and its path below it; a value by its name in the key. Values cross in "
       "two forms only: text (registry types 1 and 2) and 32-bit numbers (type 4). Functions "
       "answering a number answer 0 on success, else the code of the registry call (2 not "
       "found, 5 access denied ...), 17 when a value's key cannot be opened, -14443 for a root "
       "name that is none (3 from REG_DELETEVALUE). A root name that is none also sets the "
       "registry last error to 3 (REG_GETLASTERROR).")
ROW("REG_CREATEKEY", "C,C", DOC(
    .summary = "Creates a key, with the keys above it that are missing, or opens it when it "
               "exists (RegCreateKeyEx).",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it, such as Software\\Maker\\Program",
    .returns = "I",
    .result = "0 when the key exists now; the registry's code otherwise; -14443 for a root "
              "name that is none.",
    .example = "? REG_CREATEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples\\CreateKey'), "
               "REG_CREATEKEY('HKCU', 'Software')\n"
               "? REG_DELETEKEY('hkey_current_user', 'Software\\TarvoExamples\\CreateKey'), "
               "REG_GETLASTERROR()\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = "         0     -14443\n"
              "         0          3"), Fn<RegCreateKey>)
ROW("REG_DELETEKEY", "C,C", DOC(
    .summary = "Deletes a key that has no keys below it (RegDeleteKey).",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it",
    .returns = "I",
    .result = "0 when the key was deleted with its values; 2 when it does not exist, 5 when "
              "keys lie below it; -14443 for a root name that is none.",
    .example = "= REG_CREATEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples\\DeleteKey\\Sub')\n"
               "? REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples\\DeleteKey')\n"
               "? REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples\\DeleteKey\\Sub'), "
               "REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples\\DeleteKey'), "
               "REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples\\DeleteKey')\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = "         5\n"
              "         0          0          2"), Fn<RegDeleteKey>)
ROW("REG_CREATEVALUE", "C,C,C,?", DOC(
    .summary = "Writes a value, creating its key when it is missing (RegSetValueEx).",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it\n"
              "cName: the value's name; the empty text for the key's default value\n"
              "eValue: a text, written as registry type 1 with its terminating zero, or a "
              "number, written as type 4 (a fraction cut off toward zero, values beyond the "
              "32-bit range held at its ends)",
    .returns = "I",
    .result = "0 when the value was written; the registry's code otherwise; 17 when the key "
              "cannot be created or opened; -14443 for a root name that is none; -14442 for a "
              "value of any other type (nothing is written).",
    .example = "k = 'Software\\TarvoExamples\\CreateValue'\n"
               "? REG_CREATEVALUE('HKEY_CURRENT_USER', k, 'Name', 'abc'), "
               "REG_CREATEVALUE('HKEY_CURRENT_USER', k, 'Count', 300), "
               "REG_CREATEVALUE('HKEY_CURRENT_USER', k, 'Flag', .T.)\n"
               "? REG_QUERYVALUE('HKEY_CURRENT_USER', k, 'Name'), "
               "REG_QUERYVALUE('HKEY_CURRENT_USER', k, 'Count')\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', k)\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = "         0          0     -14442\n"
              "abc        300"), Fn<RegCreateValue>)
ROW("REG_QUERYVALUE", "C,C,C", DOC(
    .summary = "Reads a value (RegQueryValueEx).",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it\n"
              "cName: the value's name; the empty text for the key's default value",
    .returns = "?",
    .result = "The text of a value of type 1 or 2 (up to its first zero byte), the number of "
              "a value of type 4 as an integer, a message for a value of a type it does not "
              "read: \"TARVO cannot handle binary values\" (3), \"TARVO cannot handle Big "
              "Endian values\" (5), \"TARVO cannot handle Link values\" (6), \"TARVO cannot "
              "handle Multi SZ values\" (7), \"TARVO cannot handle Resource List values\" (8). "
              "The empty text for a value of type 0 or 9 and above, one larger than 2049 "
              "bytes, a missing value, a key that cannot be opened and a root name that is "
              "none.",
    .notes = "A key that does not exist is created by the question, where the caller may "
             "create keys.",
    .example = "k = 'Software\\TarvoExamples\\QueryValue'\n"
               "= REG_CREATEVALUE('HKEY_CURRENT_USER', k, '', 'default')\n"
               "? REG_QUERYVALUE('HKEY_CURRENT_USER', k, ''), "
               "'[' + REG_QUERYVALUE('HKEY_CURRENT_USER', k, 'missing') + ']'\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', k)\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = "default []"), Fn<RegQueryValue>)
ROW("REG_DELETEVALUE", "C,C,C", DOC(
    .summary = "Deletes a value (RegDeleteValue).",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it\n"
              "cName: the value's name",
    .returns = "I",
    .result = "0 when the value was deleted; 2 when it does not exist; 17 when the key cannot "
              "be opened; 3 for a root name that is none.",
    .example = "k = 'Software\\TarvoExamples\\DeleteValue'\n"
               "= REG_CREATEVALUE('HKEY_CURRENT_USER', k, 'Name', 'abc')\n"
               "? REG_DELETEVALUE('HKEY_CURRENT_USER', k, 'Name'), "
               "REG_DELETEVALUE('HKEY_CURRENT_USER', k, 'Name'), "
               "REG_DELETEVALUE('HKEY_CURRENT_USER', k + '\\Missing', 'Name'), "
               "REG_DELETEVALUE('HKCU', k, 'Name')\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', k)\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = "         0          2         17          3"), Fn<RegDeleteValue>)
ROW("REG_GETDATA", "C,C,C", DOC(
    .summary = "Reads a text value, finding it among the key's values (RegEnumValue).",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it\n"
              "cName: the value's name, in any case",
    .returns = "C",
    .result = "The text of the first value of that name (compared without regard to ASCII "
              "case) when it is of type 1 or 2, of any length; the empty text otherwise.",
    .notes = "Sets the registry last error: -14444 when a text was found; 15 when no value "
             "has that name (a key that cannot be opened has none); 3 for a root name that is "
             "none; for a value of another type 4 (type 0), 7 (3, binary), 8 (4, number), 9 "
             "(5), 10 (6), 11 (7), 12 (8), 13 (9), 14 (any other).",
    .example = "k = 'Software\\TarvoExamples\\GetData'\n"
               "= REG_CREATEVALUE('HKEY_CURRENT_USER', k, 'Name', 'abc')\n"
               "= REG_CREATEVALUE('HKEY_CURRENT_USER', k, 'Count', 300)\n"
               "? REG_GETDATA('HKEY_CURRENT_USER', k, 'NAME'), REG_GETLASTERROR()\n"
               "? '[' + REG_GETDATA('HKEY_CURRENT_USER', k, 'Count') + ']', REG_GETLASTERROR()\n"
               "? '[' + REG_GETDATA('HKEY_CURRENT_USER', k, 'Other') + ']', REG_GETLASTERROR()\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', k)\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = "abc     -14444\n"
              "[]          8\n"
              "[]         15"), Fn<RegGetData>)
ROW("REG_SETDATA", "C,C,C,?", DOC(
    .summary = "Makes sure a key exists (RegCreateKeyEx); writes no value.",
    .params = "cRoot: the root key's name\n"
              "cKey: the key's path below it\n"
              "cName: a value's name, not used\n"
              "eValue: a value, not used (REG_CREATEVALUE writes values)",
    .returns = "C",
    .result = "No value of its own (the host takes .T.) when the key exists now; the empty "
              "text when it cannot be created or the root name is none.",
    .notes = "Sets the registry last error: -14444, or 16 when the key cannot be created, 3 "
             "for a root name that is none.",
    .example = "k = 'Software\\TarvoExamples\\SetData'\n"
               "? REG_SETDATA('HKEY_CURRENT_USER', k, 'Name', 1), REG_GETLASTERROR()\n"
               "? '[' + REG_SETDATA('HKCU', k, 'Name', 1) + ']', REG_GETLASTERROR()\n"
               "? REG_DELETEKEY('HKEY_CURRENT_USER', k)\n"
               "= REG_DELETEKEY('HKEY_CURRENT_USER', 'Software\\TarvoExamples')",
    .output = ".T.     -14444\n"
              "[]          3\n"
              "         0"), Fn<RegSetData>)
ROW("REG_GETLASTERROR", "", DOC(
    .summary = "The registry last error.",
    .returns = "I",
    .result = "-14444 after loading and after a REG_GETDATA that found a text or a "
              "REG_SETDATA that made its key; else the code the last of them, or the last "
              "function given a root name that is none, recorded (see REG_GETDATA and "
              "REG_SETDATA). Reading it changes nothing.",
    .example = "? REG_GETLASTERROR()\n"
               "= REG_DELETEVALUE('HKCU', 'Software', 'x')\n"
               "? REG_GETLASTERROR(), REG_GETLASTERROR()",
    .output = "    -14444\n"
              "         3          3"), Fn<RegGetLastError>)
