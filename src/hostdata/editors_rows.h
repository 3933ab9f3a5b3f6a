// Rows of the editor windows.
FAMILY(Editor, "Editor windows",
       "Files opened in the host's own editor windows and driven by slot number: text "
       "inserted, keys sent, the cursor moved, text selected, cut, pasted, undone, the file "
       "saved, and some editor settings read and changed. Up to 50 editors are open at once "
       "(slots 0 to 49). A slot outside 0 to 49, or a free one, makes a function answer -1, "
       ".F. or the empty text without asking the host. Positions and lines are the host's: "
       "in tarvo-run both count from 0, over the text as the editor holds it, whose lines "
       "end in CR LF.")
// An editing action: name, what it does, the function.
#define EDIT_ROW(name, what, call)                                                              \
    ROW(name, "I", DOC(.summary = what " in an editor.",                                        \
                       .params = "nSlot: the editor's slot",                                    \
                       .returns = "L", .result = ".T.; .F. for a free slot.",                    \
                       .example = "? " name "(49)", .output = ".F."),                           \
        Fn<call>)
// A flag of the editor's settings: name, the setting, the record field.
#define EDIT_FLAG_ROW(name, what, field)                                                        \
    ROW(name, "I,.L", DOC(.summary = "Answers whether an editor " what " and, given a logical, " \
                                     "sets it.",                                                \
                          .params = "nSlot: the editor's slot\n"                                \
                                    "lOn: the new setting; a value of another type is not "     \
                                    "taken",                                                    \
                          .returns = "L",                                                       \
                          .result = "The setting before the call; .F. for a free slot.",         \
                          .example = "? " name "(49)", .output = ".F."),                        \
        Fn<EnvironmentFlag<&EditorEnvironmentRecord::field>>)

ROW("EDI_OPEN", "C", DOC(
    .summary = "Opens a file in an editor window of the host; answers its slot.",
    .params = "cFile: the file",
    .returns = "I",
    .result = "The slot, the lowest free one; -1 when all 50 are taken. When the host cannot "
              "open the file the slot is answered all the same and stays free.",
    .errors = "Error 182 when memory runs out.",
    .example = "=STRTOFILE('first line' + CHR(13) + CHR(10) + 'second', 'notes.txt')\n"
               "n = EDI_OPEN('notes.txt')\n"
               "=EDI_SETPOS(n, EDI_GETLINEPOS(n, 1))\n"
               "=EDI_INSERT(n, 'the ')\n"
               "=EDI_SAVE(n)\n"
               "? n, EDI_CLOSE(n) >= 0, EDI_GETPOS(n)\n"
               "? FILETOSTR('notes.txt')",
    .output = "         0 .T.         -1\n"
              "first line\n"
              "the second"), Fn<EdiOpen>)
ROW("EDI_CLOSE", "I", DOC(
    .summary = "Closes an editor and frees its slot.",
    .params = "nSlot: the editor's slot",
    .returns = "I",
    .result = "What the host answers (tarvo-run: 1); -1 for a free slot.",
    .notes = "Changes not saved are lost.",
    .example = "? EDI_CLOSE(49)",
    .output = "        -1"), Fn<EdiClose>)
ROW("EDI_SAVE", "I", DOC(
    .summary = "Saves an editor's text to its file.",
    .params = "nSlot: the editor's slot",
    .returns = "L",
    .result = ".T.; .F. for a free slot.",
    .notes = "With the backup setting on, the file as it was is kept as a .bak file first.",
    .example = "? EDI_SAVE(49)",
    .output = ".F."), Fn<EdiSave>)
EDIT_ROW("EDI_CUT", "Cuts the selected text to the clipboard", EditAction<1>)
EDIT_ROW("EDI_PASTE", "Pastes the clipboard's text at the cursor", EditAction<2>)
EDIT_ROW("EDI_UNDO", "Undoes the last change", EditAction<3>)
EDIT_ROW("EDI_REDO", "Does again the last change undone", EditAction<4>)
EDIT_ROW("EDI_DELETE", "Deletes the character at the cursor, or the selection,", EdiDelete)
ROW("EDI_SENDKEY", "I,C", DOC(
    .summary = "Types one character into an editor, as the keyboard would.",
    .params = "nSlot: the editor's slot\n"
            "cKey: its first character is sent; the rest is not read",
    .returns = "L",
    .result = ".T.; .F. for a free slot.",
    .errors = "Error 182 when memory runs out.",
    .example = "? EDI_SENDKEY(49, 'x')",
    .output = ".F."), Fn<EdiSendKey>)
ROW("EDI_INSERT", "I,C", DOC(
    .summary = "Inserts a text at an editor's cursor, in place of its selection.",
    .params = "nSlot: the editor's slot\n"
              "cText: the text",
    .returns = "L",
    .result = ".T.; .F. for a free slot.",
    .errors = "Error 182 when memory runs out.",
    .example = "? EDI_INSERT(49, 'text')",
    .output = ".F."), Fn<EdiInsert>)
ROW("EDI_GETPOS", "I", DOC(
    .summary = "The position of an editor's cursor.",
    .params = "nSlot: the editor's slot",
    .returns = "I",
    .result = "The position; -1 for a free slot.",
    .example = "? EDI_GETPOS(49)",
    .output = "        -1"), Fn<EdiGetPos>)
ROW("EDI_SETPOS", "I,I", DOC(
    .summary = "Moves an editor's cursor.",
    .params = "nSlot: the editor's slot\n"
              "nPosition: where to (a position past the end is the end)",
    .returns = "L",
    .result = ".T.; .F. for a free slot.",
    .example = "? EDI_SETPOS(49, 0)",
    .output = ".F."), Fn<EdiSetPos>)
ROW("EDI_GETLINEPOS", "I,I", DOC(
    .summary = "The position where a line of an editor starts.",
    .params = "nSlot: the editor's slot\n"
              "nLine: the line",
    .returns = "I",
    .result = "The position; what the host answers for a line past the end (tarvo-run: -1); "
              "-1 for a free slot.",
    .example = "? EDI_GETLINEPOS(49, 0)",
    .output = "        -1"), Fn<EdiGetLinePos>)
ROW("EDI_GETLINENUM", "I,.I", DOC(
    .summary = "The line a position of an editor stands on.",
    .params = "nSlot: the editor's slot\n"
              "nPosition: the position; the cursor's when left out",
    .returns = "I",
    .result = "The line; -1 for a free slot.",
    .example = "? EDI_GETLINENUM(49)",
    .output = "        -1"), Fn<EdiGetLineNum>)
ROW("EDI_POSINVIEW", "I,.I", DOC(
    .summary = "Whether a position of an editor is in its window's view.",
    .params = "nSlot: the editor's slot\n"
              "nPosition: the position; the cursor's when left out",
    .returns = "L",
    .result = ".T. when it is visible; .F. for a free slot.",
    .example = "? EDI_POSINVIEW(49)",
    .output = ".F."), Fn<EdiPosInView>)
ROW("EDI_SELECT", "I,I,I", DOC(
    .summary = "Selects a part of an editor's text.",
    .params = "nSlot: the editor's slot\n"
              "nStart: where the selection starts\n"
              "nEnd: where it ends",
    .returns = "L",
    .result = ".T.; .F. for a free slot.",
    .example = "? EDI_SELECT(49, 0, 5)",
    .output = ".F."), Fn<EdiSelect>)
ROW("EDI_GROUPUNDO", "I,L", DOC(
    .summary = "Starts or ends a group of changes that EDI_UNDO undoes as one.",
    .params = "nSlot: the editor's slot\n"
              "lGroup: .T. to start the group, .F. to end it",
    .returns = "L",
    .result = ".T.; .F. for a free slot.",
    .example = "? EDI_GROUPUNDO(49, .T.)",
    .output = ".F."), Fn<EdiGroupUndo>)
ROW("EDI_DIRTY", "I", DOC(
    .summary = "Whether an editor's text was changed since it was opened or saved.",
    .params = "nSlot: the editor's slot",
    .returns = "L",
    .result = ".T. when it was; .F. for a free slot.",
    .example = "? EDI_DIRTY(49)",
    .output = ".F."), Fn<EdiDirty>)
ROW("EDI_FILENAME", "I", DOC(
    .summary = "The file name of an editor, as the host names it.",
    .params = "nSlot: the editor's slot",
    .returns = "C",
    .result = "The name (tarvo-run: the full path); empty for a free slot.",
    .example = "? LEN(EDI_FILENAME(49))",
    .output = "         0"), Fn<EdiFileName>)
ROW("EDI_FULLFILENAME", "I", DOC(
    .summary = "The file name an editor was opened with, as EDI_OPEN was given it.",
    .params = "nSlot: the editor's slot",
    .returns = "C",
    .result = "The name; empty for a free slot.",
    .example = "? LEN(EDI_FULLFILENAME(49))",
    .output = "         0"), Fn<EdiFullFileName>)
EDIT_FLAG_ROW("EDI_STATUSBAR", "shows its status bar", statusBar)
EDIT_FLAG_ROW("EDI_BACKUP", "keeps a backup copy when it saves", backup)
EDIT_FLAG_ROW("EDI_AUTOINDENT", "indents a new line as the one before", autoIndent)
ROW("EDI_FONTNAME", "I,.C", DOC(
    .summary = "Answers an editor's font and, given a name, sets it.",
    .params = "nSlot: the editor's slot\n"
              "cFont: the new font's name (at most 72 characters are kept); a value of "
              "another type is not taken",
    .returns = "C",
    .result = "The font's name before the call; empty for a free slot.",
    .errors = "Error 182 when memory runs out.",
    .example = "? LEN(EDI_FONTNAME(49))",
    .output = "         0"), Fn<EdiFontName>)
#undef EDIT_ROW
#undef EDIT_FLAG_ROW
