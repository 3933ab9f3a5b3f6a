* Blocks that do not pair up stop the program before anything runs.
? "never printed"
FOR i = 1 TO 3
  IF i = 2
    ? i
ENDFOR
