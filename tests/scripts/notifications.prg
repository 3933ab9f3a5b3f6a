* A folder watched while the program serves its events: a second process
* writes files into it, and the program's procedure runs for each one.
PUBLIC nSeen
nSeen = 0
MKDIR inbox
? NOT_FREQUENCY(100), NOT_HANDLESFREE()
nSlot = NOT_SET("inbox", "Arrived", .F., 1)
? nSlot, NOT_ISTIMER(), NOT_INFO(nSlot, 2), NOT_INFO(nSlot, 4)
DECLARE INTEGER WinExec IN kernel32 STRING, INTEGER
=WinExec("cmd /c echo first> inbox\one.txt", 0)
READ EVENTS
=WinExec("cmd /c echo second> inbox\two.txt", 0)
READ EVENTS
? nSeen
cSaved = NOT_SAVEALL()
=NOT_ZAPALL()
? NOT_HANDLESFREE(), NOT_RESTOREALL(cSaved), NOT_INFO(0, 1)
? NOT_KILL(nSlot), NOT_ISTIMER(), NOT_LASTERROR()

PROCEDURE Arrived(nWhich)
  nSeen = nSeen + 1
  ? "change in slot", nWhich, ADIR(aFiles, "inbox\*.txt")
  CLEAR EVENTS
ENDPROC
