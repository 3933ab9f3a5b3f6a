* Control structures, procedures, programs run with DO, macros.
n = 0
DO WHILE .T.
  n = n + 1
  DO CASE
  CASE n % 3 = 0
    LOOP
  CASE n > 8
    EXIT
  OTHERWISE
    ?? STR(n, 2)
  ENDCASE
ENDDO
? "n =", n

? "counting down:"
FOR i = 10 TO 1 STEP -3
  ?? STR(i, 3)
NEXT
? "after the loop i =", i

DIMENSION grid(2, 3)
FOR r = 1 TO 2
  FOR c = 1 TO 3
    grid(r, c) = r * 10 + c
  ENDFOR
ENDFOR
? grid(2, 1), grid(5), ALEN(grid, 1), ALEN(grid, 2), ALEN(grid)

IF n > 5 AND ;
   n < 20
  ? "a statement continued over two lines"
ELSE
  ? "wrong branch"
ENDIF

message = "hello"
DO lib\helper WITH message
? message

verb = "? 'a command from a macro'"
&verb
name = "message"
? &name., EVALUATE(name + " + '!'")

? PROGRAM(), LINENO()
QUIT
? "not reached after QUIT"
