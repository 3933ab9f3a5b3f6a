* A program keeps yesterday's report as an archive and restores it on
* demand; a damaged archive is refused and leaves the report as it was.
=STRTOFILE(REPLICATE('Sales up, costs down. ', 200), 'report.txt')
? '[' + FIL_ZIPLASTERROR() + ']'
? FIL_ZIP('report.txt', 'report.zip'), FIL_ZIPLASTERROR()
? LEN(FILETOSTR('report.zip')) < LEN(FILETOSTR('report.txt'))
? FIL_UNZIP('report.zip', 'restored.txt'), FILETOSTR('restored.txt') == FILETOSTR('report.txt')

* The archive damaged in transit: one byte of the data changed.
cZip = FILETOSTR('report.zip')
=STRTOFILE(LEFT(cZip, 60) + CHR(255 - ASC(SUBSTR(cZip, 61, 1))) + SUBSTR(cZip, 62), 'damaged.zip')
? FIL_UNZIP('damaged.zip', 'restored.txt'), FIL_ZIPLASTERROR()
? FILETOSTR('restored.txt') == FILETOSTR('report.txt')
? FIL_UNZIP('nothing.zip', 'other.txt'), FIL_ZIPLASTERROR(), FILE('other.txt')
? FIL_ZIP('report.txt', 'no\such\folder\report.zip'), FIL_ZIPLASTERROR()
