* Names: m.name and m->name are memory variables; with no table open a name
* alone is one too, an alias is unknown, and alias.name is a property.
x = 5
m.y = "through m."
? x, m.x, m->x, M->X, y
m->y = "through m->"
? m.y

DIMENSION grid(2, 2)
grid(2, 1) = "element"
m.grid[1, 2] = "written through m."
? m.grid(2, 1), grid[1, 2], ALEN(m.grid)

c = "x"
? &c + 1, EVALUATE("m->x * 2"), TYPE("m.y")

DO twice WITH m.x
? "by reference:", x

TRY
  ? cust->name
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  cust->name = 1
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY

o = CREATEOBJECT("Empty")
ADDPROPERTY(o, "name", "a property")
? o.name
TRY
  ? nothing.name
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  ? x.name
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY

PROCEDURE twice
  PARAMETERS n
  n = n * 2
ENDPROC
