* A program starts a helper program, waits until it is up, ends it, and
* looks at the lists and libraries around it.
lcHelper = ADDBS(JUSTPATH(SYS_EXENAME())) + 'test_child.exe'
? FILE(lcHelper)
? SYS_WINEXEC('"' + lcHelper + '" --pid child.pid --sleep 60000', 0)
n = 0
DO WHILE !FILE('child.pid') AND n < 400
  = INKEY(0.05)
  n = n + 1
ENDDO
lnChild = VAL(FILETOSTR('child.pid'))
? lnChild > 0, SYS_KILLPROCESS(lnChild)
? SYS_KILLPROCESS(-5), SYS_WINEXEC('nosuchprogram.exe')
? SYS_SHELLEXECUTE('open', 'nosuchfile.xyz', '', '')

* Windows NT keeps no tool-help lists for the library; the task list is
* cut before its 1024th character and never ends with "^".
? '[' + SYS_PROCESSES() + ']', '[' + SYS_PROCESSESID() + ']'
lcTasks = SYS_TASKS(.T., .T.)
? LEN(lcTasks) < 1024, RIGHT(lcTasks, 1) <> '^'

* A library loaded (the library itself, loaded once more), named and freed.
h = SYS_LOADLIBRARY('TARVO.fll')
? h = SYS_MODULEHANDLE('TARVO.fll'), LOWER(JUSTFNAME(SYS_MODULENAME(h))), SYS_FREELIBRARY(h), ;
  SYS_LOADLIBRARY('nosuch.dll')
? SYS_EXTRACTICON('shell32.dll', 0) > 0, SYS_EXTRACTICON('missing.ico', 0)
? SYS_INP(889), SYS_OUTP(888, 'A')
