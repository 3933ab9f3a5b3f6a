* Copies a large file with FIL_COPY and shows its progress. The library runs
* the procedure Progress with the percentage done for every 4096-byte block,
* the last time with 100; the procedure draws a bar at every tenth.
*
*   ./scripts/wine-run.sh build 120 tarvo-run.exe examples/copy_progress.prg [megabytes]
*
* The file (64 MB unless told) and its copy are made in the TEMP folder and
* deleted at the end.
PARAMETERS cMegabytes
LOCAL nMegabytes, cSource, cTarget, cBlock, i, nResult, nStart
PUBLIC nShown
nMegabytes = IIF(PCOUNT() > 0, VAL(cMegabytes), 64)
cSource = ADDBS(GETENV('TEMP')) + 'tarvo-example-source.dat'
cTarget = ADDBS(GETENV('TEMP')) + 'tarvo-example-copy.dat'
cBlock = REPLICATE('TARVO example data. ', 52429)
= STRTOFILE(cBlock, cSource)
FOR i = 2 TO nMegabytes
  = STRTOFILE(cBlock, cSource, .T.)
ENDFOR
? 'Copying', FIL_SIZE(cSource), 'bytes:', FIL_COPYTIMES(cSource), 'blocks of 4096 bytes'
nShown = -10
nStart = SECONDS()
nResult = FIL_COPY(cSource, cTarget, 'Progress')
? IIF(nResult = 0, 'Copied', 'Failed with ' + TRANSFORM(nResult)), 'in', SECONDS() - nStart, 'seconds'
? 'The copy has the same size:', FIL_SIZE(cTarget) = FIL_SIZE(cSource)
= FIL_DEL(cSource)
= FIL_DEL(cTarget)

PROCEDURE Progress(nPercent)
  IF nPercent >= nShown + 10 OR nPercent = 100
    nShown = nPercent
    ? '[' + PADR(REPLICATE('#', INT(nPercent / 5)), 20) + ']', STR(nPercent, 3) + ' %'
  ENDIF
ENDPROC
