* An inventory of the machine's drives, as a host program takes it: each
* letter with its kind, whether it is ready, its file system and whether it
* has room. The test prefix has a drive of each kind.
lcDrives = SYS_DRISTR()
? 'Drives:', lcDrives, SYS_GETNUMDRIVES() = LEN(lcDrives)
FOR i = 1 TO LEN(lcDrives)
  lcLetter = SUBSTR(lcDrives, i, 1)
  lcRoot = lcLetter + ':\'
  DO CASE
  CASE SYS_ISFLOPPY(lcRoot)
    lcKind = 'removable'
  CASE SYS_ISDRIVEFIXED(lcRoot)
    lcKind = 'fixed'
  CASE SYS_ISDRIVEREMOTE(lcRoot)
    lcKind = 'network'
  CASE SYS_ISDRIVECD(lcRoot)
    lcKind = 'CD-ROM'
  CASE ISRAMDISK(lcRoot)
    lcKind = 'RAM disk'
  OTHERWISE
    lcKind = 'unknown'
  ENDCASE
  ? lcLetter, PADR(lcKind, 9), SYS_DRIVETYPE(lcRoot), SYS_ISDRIVEREADY(LOWER(lcLetter)), ;
    SYS_DISKSPACE(lcLetter) > 0, SYS_TOTCLU(lcRoot) >= SYS_AVACLU(lcRoot)
  IF lcLetter <> 'Z'
    ?? '', SYS_FILESYSTEMNAME(lcRoot), SYS_MAXFILELENGTH(lcRoot), ;
       SYS_VOLUMESERIAL(lcRoot) = SYS_VOLUME(lcRoot, 2), SYS_LASTERROR()
  ENDIF
ENDFOR
