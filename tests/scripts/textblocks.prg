* The preprocessor (#DEFINE, #IF, #INCLUDE), TEXT ... ENDTEXT and
* WITH ... ENDWITH.
#DEFINE LIMIT 10
#define Greeting "hi"
#DEFINE TWICE_LIMIT LIMIT * 2
? "Constants"
? LIMIT, TWICE_LIMIT, Greeting, "LIMIT", [LIMIT]
#UNDEF LIMIT
LIMIT = 3
? LIMIT

? "Conditions"
#IF 2 * 10 > 15 AND .T.
? "big"
#ELIF .T.
? "never"
#ELSE
? "never either"
#ENDIF
#IFDEF LIMIT
? "LIMIT is defined"
#ELSE
? "LIMIT is not defined"
#ENDIF
#IFNDEF NOTHING
? "NOTHING is not defined"
#ENDIF
#IF 0
? "zero is false"
#ELIF 1
  #IF .F.
  ? "inner .F."
  #ELSE
  ? "inner else"
  #ENDIF
#ENDIF

? "Include"
= STRTOFILE('#DEFINE FROM_HEADER "header"' + CHR(13) + CHR(10) + "* a comment" + CHR(13) + CHR(10) + '? "included statement"', "consts.h")
= STRTOFILE('#INCLUDE consts.h' + CHR(13) + CHR(10) + '? FROM_HEADER', "user.prg")
DO user
= STRTOFILE('#IF .T.' + CHR(13) + CHR(10) + '? 1', "open.prg")
TRY
  DO open
CATCH TO e
  ? "#IF without #ENDIF:", e.ErrorNo
ENDTRY
= STRTOFILE('#INCLUDE missing.h', "noinc.prg")
TRY
  DO noinc
CATCH TO e
  ? "missing include:", e.ErrorNo
ENDTRY

? "TEXT"
name = "World"
TEXT
Hello <<name>> && stays
  indented; not continued
ENDTEXT
TEXT TO t NOSHOW
one
two
ENDTEXT
? LEN(t), t == "one" + CHR(13) + CHR(10) + "two"
TEXT TO t ADDITIVE TEXTMERGE NOSHOW
Hello <<name>>, <<LEN(t)>>
ENDTEXT
? STRTRAN(t, CHR(13) + CHR(10), "|")
TEXT TO t TEXTMERGE
shown and stored: <<UPPER(name)>>
ENDTEXT
? t
TEXT TO empty NOSHOW
ENDTEXT
? LEN(empty), VARTYPE(empty)
text = "a variable named text"
? text
TRY
  TEXT TO t FLAGS 1
  x
  ENDTEXT
CATCH TO e
  ? "FLAGS:", e.ErrorNo
ENDTRY

TRY
  x = undefined_after_the_blocks
CATCH TO e
  ? "an error after the blocks is on line", e.LineNo
ENDTRY

? "WITH"
o = CREATEOBJECT("Empty")
ADDPROPERTY(o, "Name", "outer")
ADDPROPERTY(o, "Child", CREATEOBJECT("Empty"))
ADDPROPERTY(o.Child, "Name", "inner")
WITH o
  .Name = .Name + "!"
  WITH .Child
    ? .Name, o.Name
    .Name = "changed"
  ENDWITH
  ? .Name, .Child.Name
  ? Peek()
ENDWITH
TRY
  WITH 5
  ENDWITH
CATCH TO e
  ? "WITH 5:", e.ErrorNo
ENDTRY
TRY
  ? .Name
CATCH TO e
  ? ".Name outside WITH:", e.ErrorNo
ENDTRY

PROCEDURE Peek
  LOCAL r
  TRY
    r = .Name
  CATCH TO e
    r = "not seen in a called procedure"
  ENDTRY
  RETURN r
ENDPROC
