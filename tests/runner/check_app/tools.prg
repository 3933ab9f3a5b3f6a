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

* Field lists, VALUES and aggregates are no calls.
PROCEDURE Report
  CREATE CURSOR totals (name C(10), amount N(8, 2))
  INSERT INTO totals(name, amount) VALUES ("a", 1)
  SELECT name, SUM(amount), COUNT(*) FROM totals GROUP BY name INTO CURSOR sums
ENDPROC
