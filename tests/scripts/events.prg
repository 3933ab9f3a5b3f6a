* The program's message loop with no timer or window of its own: DOEVENTS,
* INKEY(n) and WAIT ... TIMEOUT serve what is there and go on; CLEAR EVENTS
* with no READ EVENTS running ends nothing; READ alone is not available.
DOEVENTS
DOEVENTS FORCE
? INKEY(), INKEY(0.05), INKEY(0.01, "HM")
CLEAR EVENTS
? "CLEAR EVENTS ended nothing"
WAIT "waited" TIMEOUT 0.01
TRY
  READ
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  READ EVENTS NOW
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
