// Rows of shell folders and links.
FAMILY(Shell, "Files: shell folders and links",
       "The Windows shell rather than the file system: an explorer window on a folder, "
       "shortcut files, and the shell's browse dialog for a folder, a computer or a "
       "printer. Windows the shell opens are owned by the host's main window. Shortcuts "
       "need COM initialised on the host's thread, as the host does itself.")
// A browse dialog: the template's flags, what it offers and what it answers.
#define BROWSE_ROW(name, flags, what, answer)                                              \
    ROW_NOFUZZ(name, "C", "shows a modal dialog that waits for the user",                  \
               DOC(.summary = "Shows the shell's browse dialog for " what                  \
                              " and answers the one chosen.",                              \
                   .params = "cTitle: the text shown above the tree",                      \
                   .returns = "C",                                                         \
                   .result = answer "; the empty text when the dialog is cancelled.",      \
                   .notes = "The dialog starts at the desktop. Without a display it "      \
                            "does not open and the answer is the empty text.",             \
                   .example = "cChosen = " name "('Choose')\n"                             \
                              "? IIF(EMPTY(cChosen), 'cancelled', cChosen)"),              \
               Fn<BrowseFor<flags>>)
ROW_NOFUZZ("FIL_EXPLORE", "C", "starts an explorer process that outlives the call", DOC(
    .summary = "Opens an explorer window on a folder (ShellExecuteA with the verb "
               "\"explore\", shown normally).",
    .params = "cFolder: the folder",
    .returns = "I",
    .result = "ShellExecuteA's answer: above 32 when the window was opened; 2 for a missing "
              "folder, 3 for a missing path, 5 when access is denied.",
    .notes = "The explorer is a process of its own and stays open after the call.",
    .example = "? FIL_EXPLORE('no such folder')",
    .output = "         2"), Fn<FilExplore>)
ROW("FIL_CREATELINK", "C,C,C", DOC(
    .summary = "Creates a shortcut file (a shell link) to a file or folder, with a "
               "description.",
    .params = "cTarget: the file or folder the shortcut points at\n"
              "cLink: the shortcut file to write, usually ending in .lnk (at most 260 "
              "characters)\n"
              "cDescription: the shortcut's description",
    .returns = "L",
    .result = ".T. always, whether or not the shortcut was written.",
    .notes = "Nothing is written when COM is not initialised on the host's thread, when "
             "the shortcut's folder is missing or cannot be written, or when its name is "
             "longer than 260 characters. The target need not exist. The shortcut has no "
             "arguments and no working folder.",
    .example = "? FIL_CREATELINK('C:\\windows\\notepad.exe', FULLPATH('n.lnk'), 'Notepad'), "
               "FILE('n.lnk')\n"
               "? FIL_CREATELINK('C:\\windows\\notepad.exe', FULLPATH('none\\n.lnk'), 'Notepad'), "
               "FILE('none\\n.lnk')",
    .output = ".T. .T.\n"
              ".T. .F."), Fn<FilCreateLink>)
BROWSE_ROW("FIL_BROWSEFORFOLDER", kBrowseFolders, "a folder",
           "The full path of the folder chosen; the empty text for a virtual folder "
           "without a path (such as the printers)")
ALIAS("FIL_GETDIR", "FIL_BROWSEFORFOLDER")
ALIAS("FIL_GETDIRECTORY", "FIL_BROWSEFORFOLDER")
ALIAS("FIL_GETFOLDER", "FIL_BROWSEFORFOLDER")
BROWSE_ROW("FIL_BROWSEFORCOMPUTER", kBrowseComputers, "a computer on the network",
           "The name of the computer chosen, as the dialog shows it")
ALIAS("BROWSEFORCOMPUTER", "FIL_BROWSEFORCOMPUTER")
ALIAS("GETCOMPUTER", "FIL_BROWSEFORCOMPUTER")
ALIAS("SYS_BROWSEFORCOMPUTER", "FIL_BROWSEFORCOMPUTER")
BROWSE_ROW("FIL_BROWSEFORPRINTER", kBrowsePrinters, "a printer",
           "The name of the printer chosen, as the dialog shows it")
ALIAS("BROWSEFORPRINTER", "FIL_BROWSEFORPRINTER")
ALIAS("GETPRINTER", "FIL_BROWSEFORPRINTER")
ALIAS("PRN_BROWSEFORPRINTER", "FIL_BROWSEFORPRINTER")
ALIAS("SYS_BROWSEFORPRINTER", "FIL_BROWSEFORPRINTER")
#undef BROWSE_ROW
