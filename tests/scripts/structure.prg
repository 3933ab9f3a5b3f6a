* Programs whose blocks do not pair up are refused before they run, with the
* error of the block kind that is out of place or left open.
LOCAL ARRAY laCase[9]
laCase[1] = "IF .T.|DO CASE|CASE .T.|ENDIF|ENDCASE"
laCase[2] = "IF .T.|? 'x'"
laCase[3] = "DO CASE|CASE .T.|ELSE|ENDCASE"
laCase[4] = "FOR i = 1 TO 2|OTHERWISE|ENDFOR"
laCase[5] = "TRY|FINALLY|CATCH|ENDTRY"
laCase[6] = "FOR i = 1 TO 2|IF .T.|ENDFOR"
laCase[7] = "TRY|? 1|CATCH|RETURN|ENDTRY"
laCase[8] = "TRY|IF .T.|RETURN 1|ENDIF|ENDTRY"
laCase[9] = "TRY|? 'ran'|FINALLY|RETURN|ENDTRY"
FOR i = 1 TO ALEN(laCase)
  STRTOFILE(STRTRAN(laCase[i], "|", CHR(13) + CHR(10)) + CHR(13) + CHR(10) + "? 'ran'", "sub.prg")
  TRY
    DO sub
    ? i, "ran"
  CATCH TO e
    ? i, e.ErrorNo, e.Message
  ENDTRY
ENDFOR
* RETURN after ENDTRY is the way out.
? Leave()

FUNCTION Leave
LOCAL r
TRY
  r = "caught " + nosuch
CATCH
  r = "left after ENDTRY"
ENDTRY
RETURN r
