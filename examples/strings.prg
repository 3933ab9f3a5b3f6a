* Texts with TARVO.fll: tokens, transforms and searches.
SET LIBRARY TO TARVO.fll ADDITIVE

* Tokens: every separator ends one token, so "a,,b" has three.
=STR_SETSEP(",;")
line = "red,green;blue"
? "Tokens:", STR_NUMTOK(line), " second:", STR_NTOKEN(2, line)
=STR_TOKINI(line)
?? "  walk:"
DO WHILE !STR_TOKFIN()
  ?? " <" + STR_TOKNEX() + ">"
ENDDO

* Transforms.
? STR_MIRROR("stressed"), STR_PROPER("hello big world", " "), STR_COMMA("1234567.891", ".")
? "Packed and unpacked:", STR_RELOUT(STR_RELIN(REPLICATE("x", 40) + "yz")) == REPLICATE("x", 40) + "yz"

* Searches and extraction.
? "Where:", STR_NAIVESEARCH("needle", "haystack with a needle")
? "Parameter 2 of f(x, g(1,2), 3):", "[" + STR_NPARAM("f(x, g(1,2), 3)", 2) + "]"
RELEASE LIBRARY TARVO.fll
