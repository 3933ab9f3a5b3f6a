* A small report printed raw to the default printer, then found again in
* the test print server's spool by its title, its lines unchanged.
lcTitle = 'Stock report ' + SYS(2015)
lcReport = 'STOCK REPORT' + CHR(13) + CHR(10) + ;
           'Bolts     1200' + CHR(13) + CHR(10) + ;
           'Nuts       830' + CHR(13) + CHR(10) + CHR(12)
=STRTOFILE(lcReport, 'report.txt')

lcPrinter = LEFT(PRN_GETDEFAULTPRINTER(), AT(',', PRN_GETDEFAULTPRINTER()) - 1)
? 'Printing to', lcPrinter
? PRN_PRINTFILE('report.txt', lcTitle)

* The server's spool: job files c<number> (with the title) and d<number>-001
* (c<number>.N is one being written).
lcSpool = 'Z:' + JUSTPATH(GETENV('CUPS_SERVER')) + '\spool\'
lcData = ''
FOR i = 1 TO ADIR(laJobs, lcSpool + 'c*')
    IF LEN(laJobs[i, 1]) = 6 AND AT(lcTitle, FILETOSTR(lcSpool + laJobs[i, 1])) > 0
        lcData = FILETOSTR(lcSpool + 'd' + SUBSTR(laJobs[i, 1], 2) + '-001')
    ENDIF
ENDFOR
? 'Job found:', LEN(lcData) > 0
? 'Report inside, unchanged:', AT(lcReport, lcData) > 0

* Escape pressed while it prints aborts the job; a missing file prints nothing.
KEYBOARD '{ESC}'
? PRN_PRINTFILE('report.txt', 'Aborted'), PRN_PRINTFILE('missing.txt', 'Missing')
