* Every optional argument is honoured, or refused with error 11.
d = {^2024-02-29}
Show("STR(DOW(d), 1) + STR(DOW(d, 2), 1) + STR(DOW(d, 5), 1) + STR(DOW(d, 7), 1) + STR(DOW(d, 0), 1)")
Show("DOW(d, 8)")
Show("STRTRAN('Abc abc ABC', 'abc', 'x')")
Show("STRTRAN('Abc abc ABC', 'abc', 'xyz', -1, -1, 1)")
Show("STRTRAN('Abc abc ABC aBc', 'abc', 'xyz', 2, 2, 3)")
Show("STRTRAN('Abc abc ABC', 'ABC', 'de', 1, -1, 2)")
Show("STRTRAN('abc', 'b', 'x', 1, 1, 4)")
Show("PROGRAM(-2)")
Show("LINENO(2)")
Show("MESSAGE(0)")
Show("DTOC(d, 2)")
Show("TYPE('d', 2)")
Show("LEN(TIME(.F.))")
Show("TIME('x')")
Show("LEN(TIME()) + LEN(TIME(1)) * 100")
Show("TRANSFORM('1234567', '@R 999-9999') + '|' + TRANSFORM('12345', '@R 999.99.99.99') + '|' + TRANSFORM('1234567', '999-9999')")
Show("'[' + TRANSFORM(12.5, '@B 9999.99') + ']' + TRANSFORM({^2024-02-29}, '@E')")
Show("TRANSFORM(-12.5, '@(')")
Show("INKEY(0, 'hm') + INKEY('E')")
Show("INKEY(0, 'Q')")
Show("SET('DATE', 1)")
Show("CREATEOBJECT('Custom', 1)")
e3 = CHR(233) + "t" + CHR(233)
Show("STR(STRTOFILE(e3, 'u.txt', 2), 2) + STR(STRTOFILE(e3, 'u.txt', 4), 2) + STR(STRTOFILE('x', 'u.txt', .T.), 2)")
Show("STR(LEN(FILETOSTR('u.txt')), 2) + STR(ASC(FILETOSTR('u.txt')), 4) + STR(ASC(SUBSTR(FILETOSTR('u.txt'), 4)), 4)")
Show("STRTOFILE('x', 'u.txt', 3)")
DO Level1
SET CONSOLE OFF
? "not shown"
WAIT WINDOW "shown: " + SET("CONSOLE") NOWAIT
SET CONSOLE ON
? "shown again"

PROCEDURE Level1
? LINENO(), LINENO(1), PROGRAM(), PROGRAM(0), PROGRAM(1), PROGRAM(2), PROGRAM(-1), "[" + PROGRAM(3) + "]"

PROCEDURE Show(cExpr)
TRY
  ? cExpr, "=", EVALUATE(cExpr)
CATCH TO e
  ? cExpr, "error", e.ErrorNo
ENDTRY
