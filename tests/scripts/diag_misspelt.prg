* An uncaught error names the file, the line and its text, the calls that
* led there, and for a name nothing knows the nearest names: of the
* library, of the built-in functions and of the program's procedures.
? "before"
DO Outer WITH "abc"

PROCEDURE Outer
  LPARAMETERS text
  ? Inner(text)
ENDPROC

PROCEDURE Inner
  LPARAMETERS text
  RETURN STR_REVRS(text)
ENDPROC
