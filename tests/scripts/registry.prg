* A program keeps its settings in the registry: written when a session
* ends, read when the next one starts (in any case, numbers as numbers),
* and removed with the program. Everything lies below a key of its own.
lcRoot = 'HKEY_CURRENT_USER'
lcKey = 'Software\TarvoScripts\Ledger'
= REG_DELETEKEY(lcRoot, lcKey + '\Window')
= REG_DELETEKEY(lcRoot, lcKey)

* The end of a session.
? REG_CREATEKEY(lcRoot, lcKey + '\Window')
? REG_CREATEVALUE(lcRoot, lcKey, 'User', 'Ada'), ;
  REG_CREATEVALUE(lcRoot, lcKey, 'Sessions', 12), ;
  REG_CREATEVALUE(lcRoot, lcKey + '\Window', 'Left', 120), ;
  REG_CREATEVALUE(lcRoot, lcKey + '\Window', 'Width', 640.75), ;
  REG_CREATEVALUE(lcRoot, lcKey, 'Since', DATE())

* The start of the next one.
lcUser = REG_QUERYVALUE(lcRoot, lcKey, 'User')
lnSessions = REG_QUERYVALUE(lcRoot, lcKey, 'Sessions') + 1
? lcUser, lnSessions, REG_QUERYVALUE(lcRoot, lcKey + '\Window', 'Left'), ;
  REG_QUERYVALUE(lcRoot, lcKey + '\Window', 'Width')
? REG_GETDATA(lcRoot, lcKey, 'user'), REG_GETLASTERROR()
? '[' + REG_GETDATA(lcRoot, lcKey, 'sessions') + ']', REG_GETLASTERROR()
? '[' + REG_QUERYVALUE(lcRoot, lcKey, 'Since') + ']', '[' + REG_GETDATA(lcRoot, lcKey, 'Since') + ']', ;
  REG_GETLASTERROR()
= REG_CREATEVALUE(lcRoot, lcKey, 'Sessions', lnSessions)
? REG_QUERYVALUE(lcRoot, lcKey, 'Sessions')

* A root written short is no root.
? REG_CREATEVALUE('HKCU', lcKey, 'User', 'Bob'), REG_GETLASTERROR(), REG_QUERYVALUE(lcRoot, lcKey, 'User')

* Removal: values, then the keys from the bottom up.
? REG_DELETEVALUE(lcRoot, lcKey, 'User'), REG_DELETEVALUE(lcRoot, lcKey, 'User')
? REG_DELETEKEY(lcRoot, lcKey), REG_DELETEKEY(lcRoot, lcKey + '\Window'), REG_DELETEKEY(lcRoot, lcKey)
? REG_DELETEKEY(lcRoot, 'Software\TarvoScripts')
? REG_SETDATA(lcRoot, lcKey, 'x', 0), REG_DELETEKEY(lcRoot, lcKey), REG_DELETEKEY(lcRoot, 'Software\TarvoScripts')
