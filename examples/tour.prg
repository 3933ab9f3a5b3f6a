* A short tour of what TARVO.fll can do today, run by the replacement host:
*
*     tarvo-run examples/tour.prg
*
* tarvo-run loads TARVO.fll from beside itself before the program starts;
* from then on the library's functions are called by name, like the
* language's own. (tarvo-run --list shows the whole function table.)

? "TARVO tour"
? "=========="

* Strings. The tokenizer splits texts at the separators set with STR_SETSEP;
* every separator ends one token, so "a,,b" has three.
=STR_SETSEP(",;")
? "Tokens in 'red,green;blue':", STR_NUMTOK("red,green;blue")
? "The second one:", STR_NTOKEN(2, "red,green;blue")
* ...or walk a text token by token.
=STR_TOKINI("one,two,three")
? "Walking 'one,two,three':"
DO WHILE !STR_TOKFIN()
  ?? " <" + STR_TOKNEX() + ">"
ENDDO
* A few transforms and searches.
? STR_PROPER("hello big world", " "), STR_REVERS("stressed"), STR_COMMA("1234567.891", ".")
? "Run-length packing keeps the text:", STR_RELOUT(STR_RELIN(REPLICATE("x", 40) + "yz")) == REPLICATE("x", 40) + "yz"
? "Parameter 2 of 'f(x, g(1,2), 3)':", "[" + STR_NPARAM("f(x, g(1,2), 3)", 2) + "]"
? "Where 'needle' starts:", STR_NAIVESEARCH("needle", "haystack with a needle")

* LZH compression, file to file (in the temporary folder). The coder prints
* its progress and statistics on standard output.
work = ADDBS(GETENV("TEMP"))
=STRTOFILE(REPLICATE("All work and no play. ", 200), work + "tour.txt")
? "LZH_ENCODE and LZH_DECODE:"
?
=LZH_ENCODE(work + "tour.txt", work + "tour.lzh")
=LZH_DECODE(work + "tour.lzh", work + "tour.out")
? "Restored intact:", FILETOSTR(work + "tour.out") == FILETOSTR(work + "tour.txt")


* How calls work. TST_TEST(n), a test function, answers the n-th element
* (from 0) of a fixed list.
? "TST_TEST(0) to TST_TEST(5):"
FOR i = 0 TO 5
  ?? TST_TEST(i)
ENDFOR
? "Outside the list it answers", TST_TEST(6)

* The library's results are values like any other.
total = 0
FOR i = 0 TO 5
  total = total + TST_TEST(i)
ENDFOR
? "The list adds up to", total
? "As text: [" + TRANSFORM(TST_TEST(3)) + "]"

* Arguments go through the function table's type string: TST_TEST declares
* an integer, so a number is passed as its whole part...
? "TST_TEST(3.9) is", TST_TEST(3.9)

* ...and a wrong type or count is the host's error 11.
TRY
  ? TST_TEST("three")
CATCH TO problem
  ? "TST_TEST('three') fails:", problem.ErrorNo, problem.Message
ENDTRY
TRY
  ? TST_TEST(1, 2)
CATCH TO problem
  ? "TST_TEST(1, 2) fails too:", problem.ErrorNo
ENDTRY

* Old names stay callable but do nothing: they return no value, which the
* host shows as .T.
? "Names that do nothing:", NOTHING(), MIS_NOTHING(), COM_STATE(), FNT_ADD("Arial")
? "MIS_NOTHIN takes up to ten arguments of any type:", MIS_NOTHIN(1, "two", .T., DATE())

* A name the library does not have is looked for as a program, as the host does.
TRY
  ? TST_MISSING()
CATCH TO problem
  ? problem.Message
ENDTRY

WAIT WINDOW "End of the tour" NOWAIT
