* A JSON reader and writer over Empty objects and collections, written as host
* programs write them: a class with methods, recursion, collections, AMEMBERS.
LOCAL oJson, oData, cText
oJson = CREATEOBJECT("JsonCodec")
cText = '{"name": "Tarvo", "version": 2, "ok": true, "none": null, ' + ;
        '"tags": ["fll", "host", 3.5], "inner": {"a": 1, "b": [ {"c": "d\"e"} ]}}'
oData = oJson.Parse(cText)
? oData.name, oData.version, oData.ok, ISNULL(oData.none)
? oData.tags.Count, oData.tags.Item(1), oData.tags.Item(3)
? oData.inner.a, oData.inner.b.Item(1).c
? oJson.Stringify(oData)
oNew = CREATEOBJECT("Empty")
ADDPROPERTY(oNew, "list", CREATEOBJECT("Collection"))
oNew.list.Add("x")
oNew.list.Add(CREATEOBJECT("Empty"))
ADDPROPERTY(oNew.list.Item(2), "deep", .F.)
? oJson.Stringify(oNew)
TRY
  oJson.Parse('{"a": }')
CATCH TO oErr
  ? oErr.ErrorNo, oErr.Message
ENDTRY

DEFINE CLASS JsonCodec AS Custom
  cText = ""
  nPos = 1

  FUNCTION Parse(tcText)
    THIS.cText = tcText
    THIS.nPos = 1
    LOCAL vValue
    vValue = THIS.ReadValue()
    THIS.SkipBlanks()
    IF THIS.nPos <= LEN(THIS.cText)
      ERROR "JSON: text after the value at " + TRANSFORM(THIS.nPos)
    ENDIF
    RETURN vValue
  ENDFUNC

  PROCEDURE SkipBlanks
    DO WHILE THIS.nPos <= LEN(THIS.cText) AND INLIST(SUBSTR(THIS.cText, THIS.nPos, 1), " ", CHR(9), CHR(10), CHR(13))
      THIS.nPos = THIS.nPos + 1
    ENDDO
  ENDPROC

  FUNCTION ReadValue
    LOCAL cChar
    THIS.SkipBlanks()
    cChar = SUBSTR(THIS.cText, THIS.nPos, 1)
    DO CASE
      CASE cChar == "{"
        RETURN THIS.ReadObject()
      CASE cChar == "["
        RETURN THIS.ReadArray()
      CASE cChar == '"'
        RETURN THIS.ReadString()
      CASE SUBSTR(THIS.cText, THIS.nPos, 4) == "true"
        THIS.nPos = THIS.nPos + 4
        RETURN .T.
      CASE SUBSTR(THIS.cText, THIS.nPos, 5) == "false"
        THIS.nPos = THIS.nPos + 5
        RETURN .F.
      CASE SUBSTR(THIS.cText, THIS.nPos, 4) == "null"
        THIS.nPos = THIS.nPos + 4
        RETURN .NULL.
      CASE ISDIGIT(cChar) OR cChar == "-"
        RETURN THIS.ReadNumber()
    ENDCASE
    ERROR "JSON: unexpected '" + cChar + "' at " + TRANSFORM(THIS.nPos)
  ENDFUNC

  FUNCTION ReadObject
    LOCAL oObject, cName
    oObject = CREATEOBJECT("Empty")
    THIS.nPos = THIS.nPos + 1
    THIS.SkipBlanks()
    IF SUBSTR(THIS.cText, THIS.nPos, 1) == "}"
      THIS.nPos = THIS.nPos + 1
      RETURN oObject
    ENDIF
    DO WHILE .T.
      THIS.SkipBlanks()
      cName = THIS.ReadString()
      THIS.SkipBlanks()
      THIS.Expect(":")
      ADDPROPERTY(oObject, cName, THIS.ReadValue())
      THIS.SkipBlanks()
      IF SUBSTR(THIS.cText, THIS.nPos, 1) == ","
        THIS.nPos = THIS.nPos + 1
        LOOP
      ENDIF
      THIS.Expect("}")
      EXIT
    ENDDO
    RETURN oObject
  ENDFUNC

  FUNCTION ReadArray
    LOCAL oList
    oList = CREATEOBJECT("Collection")
    THIS.nPos = THIS.nPos + 1
    THIS.SkipBlanks()
    IF SUBSTR(THIS.cText, THIS.nPos, 1) == "]"
      THIS.nPos = THIS.nPos + 1
      RETURN oList
    ENDIF
    DO WHILE .T.
      oList.Add(THIS.ReadValue())
      THIS.SkipBlanks()
      IF SUBSTR(THIS.cText, THIS.nPos, 1) == ","
        THIS.nPos = THIS.nPos + 1
        LOOP
      ENDIF
      THIS.Expect("]")
      EXIT
    ENDDO
    RETURN oList
  ENDFUNC

  FUNCTION ReadString
    LOCAL cOut, cChar
    THIS.Expect('"')
    cOut = ""
    DO WHILE THIS.nPos <= LEN(THIS.cText)
      cChar = SUBSTR(THIS.cText, THIS.nPos, 1)
      THIS.nPos = THIS.nPos + 1
      DO CASE
        CASE cChar == '"'
          RETURN cOut
        CASE cChar == "\"
          cChar = SUBSTR(THIS.cText, THIS.nPos, 1)
          THIS.nPos = THIS.nPos + 1
          cOut = cOut + ICASE(cChar == "n", CHR(10), cChar == "t", CHR(9), cChar)
        OTHERWISE
          cOut = cOut + cChar
      ENDCASE
    ENDDO
    ERROR "JSON: unterminated string"
  ENDFUNC

  FUNCTION ReadNumber
    LOCAL nStart
    nStart = THIS.nPos
    DO WHILE THIS.nPos <= LEN(THIS.cText) AND SUBSTR(THIS.cText, THIS.nPos, 1) $ "-+.eE0123456789"
      THIS.nPos = THIS.nPos + 1
    ENDDO
    RETURN VAL(SUBSTR(THIS.cText, nStart, THIS.nPos - nStart))
  ENDFUNC

  PROCEDURE Expect(tcChar)
    IF SUBSTR(THIS.cText, THIS.nPos, 1) != tcChar
      ERROR "JSON: expected '" + tcChar + "' at " + TRANSFORM(THIS.nPos)
    ENDIF
    THIS.nPos = THIS.nPos + 1
  ENDPROC

  FUNCTION Stringify(tvValue)
    LOCAL cOut, nCount, i, laNames[1]
    DO CASE
      CASE ISNULL(tvValue)
        RETURN "null"
      CASE VARTYPE(tvValue) == "O" AND PEMSTATUS(tvValue, "BaseClass", 5) AND tvValue.BaseClass == "Collection"
        cOut = ""
        FOR i = 1 TO tvValue.Count
          cOut = cOut + IIF(i > 1, ",", "") + THIS.Stringify(tvValue.Item(i))
        ENDFOR
        RETURN "[" + cOut + "]"
      CASE VARTYPE(tvValue) == "O"
        cOut = ""
        nCount = AMEMBERS(laNames, tvValue)
        FOR i = 1 TO nCount
          cOut = cOut + IIF(i > 1, ",", "") + '"' + LOWER(laNames[i]) + '":' + ;
                 THIS.Stringify(GETPEM(tvValue, laNames[i]))
        ENDFOR
        RETURN "{" + cOut + "}"
      CASE VARTYPE(tvValue) == "C"
        RETURN '"' + STRTRAN(STRTRAN(tvValue, "\", "\\"), '"', '\"') + '"'
      CASE VARTYPE(tvValue) == "L"
        RETURN IIF(tvValue, "true", "false")
      CASE VARTYPE(tvValue) == "N"
        RETURN TRANSFORM(tvValue)
    ENDCASE
    RETURN "null"
  ENDFUNC
ENDDEFINE
