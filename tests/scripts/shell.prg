* An installer puts a shortcut to a program beside its data, with a
* description, and tries a folder that is not there.
? FIL_CREATELINK('C:\windows\notepad.exe', FULLPATH('Notes.lnk'), 'The notes'), FILE('Notes.lnk')
? LEFT(FILETOSTR('Notes.lnk'), 1) == CHR(76)
? FIL_CREATELINK('C:\windows\notepad.exe', FULLPATH('Start menu\Notes.lnk'), 'The notes'), ;
  FILE('Start menu\Notes.lnk')
? FIL_EXPLORE(FULLPATH('no such folder')) <= 32
