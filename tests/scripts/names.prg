* Names the interpreter's own tests leave out: an array through m., a
* property of an object, and a name that is neither variable nor alias.
DIMENSION grid(2, 2)
grid(2, 1) = "element"
m.grid[1, 2] = "written through m."
? m.grid(2, 1), grid[1, 2], ALEN(m.grid)
o = CREATEOBJECT("Empty")
ADDPROPERTY(o, "name", "a property")
? o.name
TRY
  ? nothing.name
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
