* Objects as host programs use them: a class hierarchy, a collection of
* records, forms the library finds by name, and what goes wrong.
SET LIBRARY TO TARVO
LOCAL oShapes, oShape, nTotal
oShapes = CREATEOBJECT("Collection")
oShapes.Add(CREATEOBJECT("Square", 3), "small")
oShapes.Add(CREATEOBJECT("Square", 5), "big")
oShapes.Add(CREATEOBJECT("Circle", 1), "round", "big")
nTotal = 0
FOR EACH oShape IN oShapes
  ? oShape.Describe()
  nTotal = nTotal + oShape.Area()
ENDFOR
? oShapes.Count, oShapes.GetKey(2), oShapes.GetKey("big"), ROUND(nTotal, 2)
? oShapes.Item("big").Side, oShapes.Item(1).Class, oShapes.Item(2).ParentClass
oShapes.Remove("small")
? oShapes.Count, oShapes.Item(1).Name

* Properties added on the way, by the language and by the library.
oRecord = CREATEOBJECT("Empty")
ADDPROPERTY(oRecord, "Id", 7)
? OBJ_ADDPROPERTY(oRecord, "Title", "tarvo"), OBJ_ADDPROPERTY(oRecord, "Title", "TARVO")
? oRecord.Id, oRecord.Title, AMEMBERS(aNames, oRecord), aNames[2]
? REMOVEPROPERTY(oRecord, "Id"), PEMSTATUS(oRecord, "Id", 5), TYPE("oRecord.Title")
WITH oRecord
  .Title = .Title + "!"
  ? .Title
ENDWITH

* A form is a window the host knows by its name.
oForm = CREATEOBJECT("Form")
oForm.Name = "Report"
oForm.Caption = "Monthly report"
DECLARE INTEGER GetSystemMenu IN user32 INTEGER, INTEGER
DECLARE INTEGER GetMenuItemCount IN user32 INTEGER
DECLARE INTEGER GetWindowText IN user32 INTEGER, STRING @, INTEGER
nItems = GetMenuItemCount(GetSystemMenu(oForm.HWnd, 0))
=MNU_TARVOFORM("report")
cCaption = SPACE(40)
nLength = GetWindowText(oForm.HWnd, @cCaption, 40)
? GetMenuItemCount(GetSystemMenu(oForm.HWnd, 0)) - nItems, LEFT(cCaption, nLength)
oForm.Release()
=MNU_TARVOFORM("report")
? "released"

* Objects that go: Destroy runs once, when the last reference goes.
oKeep = CREATEOBJECT("Noisy", "first")
oOther = oKeep
oKeep = .NULL.
? "still held"
oOther = 0
? "gone"
FOR i = 1 TO 10000
  oTemp = CREATEOBJECT("Square", i)
ENDFOR
? oTemp.Side

* A program file called as a function, found here or along SET PATH.
=STRTOFILE("LPARAMETERS a, b" + CHR(13) + CHR(10) + "RETURN a * b", "Times.prg")
MKDIR lib
=STRTOFILE("LPARAMETERS cText" + CHR(13) + CHR(10) + "RETURN UPPER(cText)", "lib\shout.prg")
SET PATH TO lib
? times(6, 7), SHOUT("quiet")

* What goes wrong.
TRY
  o = CREATEOBJECT("NoSuchClass")
CATCH TO oErr
  ? oErr.ErrorNo, oErr.Message
ENDTRY
TRY
  o = CREATEOBJECT("Loop1")
CATCH TO oErr
  ? oErr.ErrorNo
ENDTRY
TRY
  ? oRecord.Missing
CATCH TO oErr
  ? oErr.ErrorNo, oErr.Message
ENDTRY
TRY
  oRecord.Fly()
CATCH TO oErr
  ? oErr.ErrorNo, oErr.Message
ENDTRY
TRY
  oShapes.Item(9)
CATCH TO oErr
  ? oErr.ErrorNo
ENDTRY
TRY
  oShapes.Add(1, "round")
CATCH TO oErr
  ? oErr.ErrorNo, oErr.Message
ENDTRY
TRY
  oShapes.Count = 5
CATCH TO oErr
  ? oErr.ErrorNo
ENDTRY
? ISNULL(CREATEOBJECT("Refuser")), OBJ_ADDPROPERTY(oRecord, "1st", 1)

DEFINE CLASS Shape AS Custom
  Kind = "shape"
  FUNCTION Area
    RETURN 0
  ENDFUNC
  FUNCTION Describe
    RETURN THIS.Kind + " of area " + TRANSFORM(ROUND(THIS.Area(), 2))
  ENDFUNC
ENDDEFINE

DEFINE CLASS Square AS Shape
  Kind = "square"
  Side = 0
  PROCEDURE Init(nSide)
    THIS.Side = nSide
    THIS.Name = "Square" + TRANSFORM(nSide)
  ENDPROC
  FUNCTION Area
    RETURN THIS.Side ^ 2
  ENDFUNC
ENDDEFINE

DEFINE CLASS Circle AS Shape
  Kind = "circle"
  Radius = 0
  PROCEDURE Init(nRadius)
    THIS.Radius = nRadius
  ENDPROC
  FUNCTION Area
    RETURN PI() * THIS.Radius ^ 2
  ENDFUNC
  FUNCTION Describe
    RETURN "round " + DODEFAULT()
  ENDFUNC
ENDDEFINE

DEFINE CLASS Noisy AS Custom
  PROCEDURE Init(cName)
    THIS.Name = cName
  ENDPROC
  PROCEDURE Destroy
    ? "destroyed", THIS.Name
  ENDPROC
ENDDEFINE

DEFINE CLASS Refuser AS Custom
  FUNCTION Init
    RETURN .F.
  ENDFUNC
ENDDEFINE

DEFINE CLASS Loop1 AS Loop2
ENDDEFINE
DEFINE CLASS Loop2 AS Loop1
ENDDEFINE
