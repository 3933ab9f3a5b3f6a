* The file family as a host program uses it: a text file read line by line
* through a host channel, a settings file written and read back, a copy that
* shows its progress, and a directory tree walked. Runs in a scratch folder.
crlf = CHR(13) + CHR(10)
=STRTOFILE('first line' + crlf + 'second line' + crlf + crlf + 'last line', 'lines.txt')

* Lines through a channel: blocks of 8 bytes, cut at the line ends.
h = FIL_OPEN('lines.txt', 0)
? FIL_LEN(h), FIL_ISBOF(h)
rest = ''
n = 0
DO WHILE NOT FIL_ISEOF(h)
  buf = SPACE(8)
  got = FIL_READ(h, @buf, 8)
  rest = rest + LEFT(buf, got)
  DO WHILE AT(crlf, rest) > 0
    n = n + 1
    ? n, '[' + LEFT(rest, AT(crlf, rest) - 1) + ']'
    rest = SUBSTR(rest, AT(crlf, rest) + 2)
  ENDDO
ENDDO
IF LEN(rest) > 0
  n = n + 1
  ? n, '[' + rest + ']'
ENDIF
? FIL_TELL(h), FIL_CLOSE(h)

* Settings: written, read back in any case, listed.
ini = FULLPATH('settings.ini')
? FIL_WRIINI('Window', 'Top', '120', ini), FIL_WRIINI('Window', 'Left', '40', ini)
? FIL_WRIINI('Recent files', 'File1', 'C:\data\report.txt', ini)
? FIL_REAINI('Window', 'Top', ini), FIL_REAINI('window', 'LEFT', ini), LEN(FIL_REAINI('Window', 'Width', ini))
? FIL_SECTIO('Window', ini)
? FIL_READALLSECTIONS(ini)

* A copy of 1,000,000 bytes (245 blocks): a progress command for each block.
PUBLIC shown, calls, lastPct
shown = ''
calls = 0
lastPct = -1
=STRTOFILE(REPLICATE('0123456789', 100000), 'big.dat')
? FIL_COPYTIMES('big.dat')
r = FIL_COPY('big.dat', 'copy.dat', 'ShowProgress')
? shown, calls
? r, FIL_SIZE('copy.dat'), FILETOSTR('copy.dat') == FILETOSTR('big.dat')
? FIL_COPY('missing.dat', 'copy.dat', 'ShowProgress'), FIL_COPY('big.dat', 'copy.dat', '', .T.)

* A tree: its subdirectories, then every file of each (Wine lists them
* alphabetically, as NTFS does).
= FIL_MKDIR('project')
= FIL_MKDIR('project\src')
= FIL_MKDIR('project\src\lib')
= FIL_MKDIR('project\docs')
=STRTOFILE('read me', 'project\readme.txt')
=STRTOFILE('main program', 'project\src\main.prg')
=STRTOFILE('lib', 'project\src\lib\util.prg')
=STRTOFILE('a guide', 'project\docs\guide.txt')
tree = FIL_TREE('project', 1000)
? tree
dirs = 'project;' + tree
DO WHILE LEN(dirs) > 0
  d = LEFT(dirs, AT(';', dirs) - 1)
  dirs = SUBSTR(dirs, AT(';', dirs) + 1)
  f = FIL_FIRST(d + '\*.*')
  DO WHILE LEN(f) > 0
    IF NOT INLIST(f, '.', '..') AND NOT FIL_ISDIR(d + '\' + f)
      ? d + '\' + f, FIL_SIZE(d + '\' + f)
    ENDIF
    f = FIL_NEXT()
  ENDDO
ENDDO

PROCEDURE ShowProgress(pct)
  calls = calls + 1
  IF pct % 20 = 0 AND pct <> lastPct
    shown = shown + TRANSFORM(pct) + '% '
  ENDIF
  lastPct = pct
ENDPROC
