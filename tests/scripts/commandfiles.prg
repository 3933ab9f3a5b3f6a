* A command file as a program writes one, with comments and continuations,
* run through the library with a command log that gets what failed.
crlf = CHR(13) + CHR(10)
=STRTOFILE("* set-up of the totals" + crlf + ;
    "nTotal = 0  // start from nothing" + crlf + ;
    "nTotal = nTotal + ;" + crlf + ;
    "   10 + ;    // more to come" + crlf + ;
    "   5" + crlf + ;
    "" + crlf + ;
    "NOSUCHVERB here" + crlf + ;
    "cName = 'a//b'" + crlf + ;
    "=DDA_EXECUTE('nInner = 2')" + crlf + ;
    "=TRA_LOG('set-up done')" + crlf, "setup.prg")
=DDA_SETLOG("run.log")
=TRA_SETLOG("trace.txt")
=DDA_COUNT(0)
? DDA_EXECUTEFILE("setup.prg"), nTotal, nInner, DDA_COUNT()
? TYPE("cName")

* The same lines behind a snap-in signature; a file without it runs nothing.
=STRTOFILE("QX1.0 totals snap-in" + crlf + FILETOSTR("setup.prg"), "totals.snp")
nTotal = -1
? DDA_EXECUTESNAPIN("totals.snp"), nTotal
nTotal = -1
? DDA_EXECUTESNAPIN("setup.prg"), nTotal, DDA_EXECUTEFILE("missing.prg")

* A step command after every command while stepping is on.
nSteps = 0
=DDA_SETSTO("nSteps = nSteps + 1")
? DDA_STOP(.T.), DDA_EXECUTE("nTotal = 1"), DDA_EXECUTE("NOSUCHVERB"), DDA_STOP(.F.), nSteps

* Expressions, and the error the last one left.
? DDA_EVALUATE("nTotal * 6"), DDA_EVALUATE("UPPER(cNone)"), DDA_ERROR()
? DDA_EXTENDEDERRORMESSAGE()

=DDA_SETLOG("")
=TRA_SETLOG("")
? "Command log:"
DO ShowLines WITH "run.log"
? "Tracing file:"
DO ShowLines WITH "trace.txt"

PROCEDURE ShowLines(cFile)
    LOCAL nLines, i
    nLines = ALINES(aLines, FILETOSTR(cFile))
    FOR i = 1 TO nLines
        ? aLines(i)
    ENDFOR
ENDPROC
