* A program checks the sounds it ships before it plays them, and tells the
* user why a clip does not open.
=STRTOFILE('RIFF' + CHR(36) + REPLICATE(CHR(0), 3) + 'WAVE' + 'fmt ', 'ding.wav')
=STRTOFILE('RIFF' + REPLICATE(CHR(0), 4) + 'AVI LIST', 'clip.avi')
=STRTOFILE('MZ', 'setup.exe')
? MCI_ISRIFF('ding.wav'), MCI_ISWAVE('ding.wav')
? MCI_ISRIFF('clip.avi'), MCI_ISWAVE('clip.avi')
? MCI_ISRIFF('setup.exe'), MCI_ISWAVE('missing.wav')
=SND_PLAY(FULLPATH('ding.wav'))
=SND_REPEAT()
=SND_ASTERISK()
? '[' + VID_OPEN(FULLPATH('missing.avi')) + ']', EMPTY(MCI_ERROR())
? MCI_DEVICE('QXAVI'), CD_ISCD(), CD_READY()
