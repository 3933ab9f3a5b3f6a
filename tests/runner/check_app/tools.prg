* Procedures of the application, called from app.prg.
PROCEDURE Setup
  =STR_SETSEP(",")
ENDPROC

FUNCTION Helper(text)
  RETURN STR_PROPR(text, " ")
ENDFUNC

FUNCTION Tidy(text)
  RETURN ALLTRIM(text)
ENDFUNC
