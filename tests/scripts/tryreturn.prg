* RETURN inside TRY is refused before anything runs.
? "never printed"
DO Work

PROCEDURE Work
TRY
  RETURN 1
CATCH
ENDTRY
