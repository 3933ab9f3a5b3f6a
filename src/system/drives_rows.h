// Rows of drives and volumes.
FAMILY(Drive, "System: drives and volumes",
       "The machine's drives and the volumes on them: which drive letters exist and of what "
       "kind, the current drive and folder, a volume's label, serial number, file system and "
       "its flags, free and total space and the cluster sizes. A function that takes a root "
       "path hands the text to Windows as it came (\"C:\\\", \"\\\\server\\share\\\"); a "
       "function that takes a drive letter reads the first character only, upper-cased "
       "(\"c\", \"C:\" and \"c:\\dir\" all name C). The volume queries set the volume error "
       "flag (1 failed, 0 succeeded) that SYS_LASTERROR reads and clears.")
// A test of one file-system flag of a volume: name, what the flag says,
// its value, the constant, the example and what it prints.
#define VOLUME_FLAG_ROW(name, what, value, constant, shown, printed)                       \
    ROW(name, "C",                                                                         \
        DOC(.summary = "Whether " what " (file-system flag " value ").",                   \
            .params = "cRoot: the root path of the volume, such as C:\\",                  \
            .returns = "L",                                                                \
            .result = ".T. when the volume's flags hold it; .F. when they do not or the "  \
                      "volume cannot be read. Sets the volume error flag.",                \
            .example = shown, .output = printed),                                          \
        Fn<VolumeFlagTest<constant>>)
// A count of the companion library's disk functions: name, what it counts,
// the companion's function and its wrapper, more on the answer, the example
// and what it prints.
#define DISK_COUNT_ROW(name, what, function, wrapper, more, shown, printed)                 \
    ROW(name, "C",                                                                           \
        DOC(.summary = "The " what " of a drive (KERNEL.DLL's " #function ").",              \
            .params = "cDrive: a drive letter with or without \":\" and \"\\\" (\"C\", "     \
                      "\"C:\", \"C:\\\") or a root path; the empty text is the current drive", \
            \
            .returns = "I",                                                                  \
            .result = more " 0 when the drive cannot be asked, or without KERNEL.DLL.",      \
            .example = shown, .output = printed),                                            \
        Fn<DiskCount<&wrapper>>)
// A test of the drive type: name, the kind, its code, the example and what
// it prints.
#define DRIVE_TYPE_ROW(name, kind, code, shown, printed)                                 \
    ROW(name, "C",                                                                       \
        DOC(.summary = "Whether a drive is " kind " (drive type " #code ").",            \
            .params = "cRoot: the root path of the drive, such as C:\\",                 \
            \
            .returns = "L",                                                              \
            .result = ".T. when SYS_DRIVETYPE of the same text answers " #code ".",      \
            .example = shown, .output = printed),                                        \
        Fn<DriveTypeIs<code>>)

ROW("SYS_VOLUME", "C,I", DOC(
    .summary = "One item of a volume's information (GetVolumeInformation).",
    .params = "cRoot: the root path of the volume, such as C:\\\n"
              "nItem: 1 the label, 2 the serial number, 3 the longest name a file-name "
              "component may have, 4 the file-system flags, 5 the file system's name",
    .returns = "?",
    .result = "A text for items 1 and 5, an integer for 2 to 4 (the serial number and the "
              "flags as signed 32-bit values); .F. when the volume cannot be read or the item "
              "is none of these. The volume error flag becomes 1 then, else 0.",
    .notes = "Under Wine a volume's serial number holds its drive letter in the top byte and "
             "its flags are 10 (names keep their case, persistent access lists).",
    .example = "? SYS_VOLUME('C:\\', 5), SYS_VOLUME('C:\\', 3)\n"
               "? SYS_VOLUME('Q:\\', 1), SYS_VOLUME('C:\\', 6), SYS_LASTERROR()",
    .output = "NTFS        255\n"
              ".F. .F.          1"), Fn<SysVolume>)
ROW("SYS_VOLUMENAME", "C", DOC(
    .summary = "The label of a volume (KERNEL.DLL's _TARVO_SYS_VolumeName).",
    .params = "cRoot: the root path of the volume, such as C:\\",
    .returns = "C",
    .result = "The label (at most 255 characters); the empty text when the volume cannot be "
              "read. The volume error flag becomes 1 then, else 0.",
    .example = "? '[' + SYS_VOLUMENAME('C:\\') + ']', SYS_LASTERROR()\n"
               "? '[' + SYS_VOLUMENAME('Q:\\') + ']', SYS_LASTERROR()",
    .output = "[]          0\n"
              "[]          1"), Fn<SysVolumeName>)
ROW("SYS_FILESYSTEMNAME", "C", DOC(
    .summary = "The name of a volume's file system (KERNEL.DLL's _TARVO_SYS_FileSystemName).",
    .params = "cRoot: the root path of the volume, such as C:\\",
    .returns = "C",
    .result = "The name, such as NTFS or CDFS; the empty text when the volume cannot be read. "
              "The volume error flag becomes 1 then, else 0.",
    .example = "? SYS_FILESYSTEMNAME('C:\\'), SYS_LASTERROR()",
    .output = "NTFS          0"), Fn<SysFileSystemName>)
ALIAS("FILESYSTEMNAME", "SYS_FILESYSTEMNAME")
ALIAS("FSNAME", "SYS_FILESYSTEMNAME")
ROW("SYS_VOLUMESERIAL", "C", DOC(
    .summary = "The serial number of a volume (KERNEL.DLL's _TARVO_SYS_VolumeSerial).",
    .params = "cRoot: the root path of the volume, such as C:\\",
    .returns = "I",
    .result = "The serial number as a signed 32-bit integer; -1 when the volume cannot be read. "
              "The volume error flag becomes 1 then, else 0.",
    .example = "? SYS_VOLUMESERIAL('C:\\') = SYS_VOLUME('C:\\', 2), SYS_VOLUMESERIAL('Q:\\')",
    .output = ".T.         -1"), Fn<SysVolumeSerial>)
ROW("SYS_MAXFILELENGTH", "C", DOC(
    .summary = "The longest name a file-name component may have on a volume (KERNEL.DLL's "
               "_TARVO_SYS_MaxFileLength).",
    .params = "cRoot: the root path of the volume, such as C:\\",
    .returns = "I",
    .result = "The length in characters; -1 when the volume cannot be read. The volume error "
              "flag becomes 1 then, else 0.",
    .example = "? SYS_MAXFILELENGTH('C:\\'), SYS_MAXFILELENGTH('Q:\\')",
    .output = "       255         -1"), Fn<SysMaxFileLength>)
ALIAS("MAXCOMPONENTLENGTH", "SYS_MAXFILELENGTH")
ALIAS("MAXFILELENGTH", "SYS_MAXFILELENGTH")
ROW("SYS_LASTERROR", "", DOC(
    .summary = "Reads and clears the volume error flag.",
    .returns = "I",
    .result = "1 when the last volume query failed (SYS_VOLUME, SYS_VOLUMENAME, "
              "SYS_FILESYSTEMNAME, SYS_VOLUMESERIAL, SYS_MAXFILELENGTH and the file-system "
              "flag tests), 0 when it succeeded or the flag was read since; 0 after loading. "
              "The flag is 0 afterwards.",
    .example = "= SYS_VOLUMESERIAL('Q:\\')\n"
               "? SYS_LASTERROR(), SYS_LASTERROR()",
    .output = "         1          0"), Fn<SysLastError>)
VOLUME_FLAG_ROW("SYS_ISFILECASEPRESERVED", "a volume keeps the case of file names", "2",
                FILE_CASE_PRESERVED_NAMES, "? SYS_ISFILECASEPRESERVED('C:\\')", ".T.")
ALIAS("ISFILECASEPRESERVED", "SYS_ISFILECASEPRESERVED")
VOLUME_FLAG_ROW("SYS_ISFILECASESENSITIVE", "a volume's file names are case-sensitive", "1",
                FILE_CASE_SENSITIVE_SEARCH, "? SYS_ISFILECASESENSITIVE('C:\\')", ".F.")
ALIAS("ISFILECASESENSITIVE", "SYS_ISFILECASESENSITIVE")
VOLUME_FLAG_ROW("SYS_ISUNICODEONDISK", "a volume stores file names in Unicode", "4",
                FILE_UNICODE_ON_DISK, "? SYS_ISUNICODEONDISK('Q:\\'), SYS_LASTERROR()",
                ".F.          1")
VOLUME_FLAG_ROW("SYS_DOESSUPPORTCOMPRESSION", "a volume can compress files", "16",
                FILE_FILE_COMPRESSION, "? SYS_DOESSUPPORTCOMPRESSION('C:\\'), SYS_LASTERROR()",
                ".F.          0")
VOLUME_FLAG_ROW("SYS_ISCOMPRESSED", "a volume is compressed", "32768",
                FILE_VOLUME_IS_COMPRESSED, "? SYS_ISCOMPRESSED('C:\\')", ".F.")
ALIAS("ISCOMPRESSED", "SYS_ISCOMPRESSED")
ROW_NOFUZZ("SYS_SETVOL", "C,C", "renames the volumes of the machine's drives", DOC(
    .summary = "Sets the label of a volume (SetVolumeLabel).",
    .params = "cRoot: the root path of the volume, such as D:\\\n"
              "cLabel: the new label; the empty text removes the label",
    .returns = "L",
    .result = ".T. when Windows set it.",
    .notes = "Under Wine the new label shows only once the prefix's services have restarted.",
    .example = "? SYS_SETVOLUMELABEL('D:\\', 'BACKUP')"), Fn<SysSetVol>)
ALIAS("SYS_SETVOLUMELABEL", "SYS_SETVOL")
DISK_COUNT_ROW("SYS_DSKSPA", "free space", _TARVO_diskspace, DiskSpace,
               "Bytes the caller may still use; 2147483647 for 2 GB and more.",
               "? SYS_DISKSPACE('C:\\') > 0, SYS_DISKSPACE('Q:\\')", ".T.          0")
ALIAS("SYS_DISKSPACE", "SYS_DSKSPA")
ALIAS("SYS_DISKSPACELEFT", "SYS_DSKSPA")
ALIAS("SYS_DISKEMPTY", "SYS_DSKSPA")
ALIAS("DISKROOM", "SYS_DSKSPA")
DISK_COUNT_ROW("SYS_DISKSIZE", "size", _TARVO_DiskSize, DiskSize,
               "Bytes the volume holds; 2147483647 for 2 GB and more.",
               "? SYS_DISKSIZE('C') >= SYS_DISKSPACE('C'), SYS_DISKSIZE('Q')", ".T.          0")
ALIAS("SYS_DSKSIZ", "SYS_DISKSIZE")
ALIAS("DISKSIZE", "SYS_DISKSIZE")
DISK_COUNT_ROW("SYS_TOTCLU", "number of clusters", _TARVO_total_clusters, TotalClusters,
               "The clusters of the volume.",
               "? SYS_TOTCLU('C:') >= SYS_AVACLU('C:'), SYS_TOTCLU('Q:')", ".T.          0")
ALIAS("TOTALCLUSTERS", "SYS_TOTCLU")
DISK_COUNT_ROW("SYS_AVACLU", "number of free clusters", _TARVO_avail_clusters, AvailClusters,
               "The clusters not in use.",
               "? SYS_AVACLU('C:\\') > 0, SYS_AVACLU('Q:\\')", ".T.          0")
ALIAS("AVAILABLECLUSTERS", "SYS_AVACLU")
DISK_COUNT_ROW("SYS_SECCLU", "sectors per cluster", _TARVO_sectors_per_cluster, SectorsPerCluster,
               "The sectors of one cluster.",
               "? SYS_SECCLU('C:\\') > 0, SYS_SECCLU('Q:\\')", ".T.          0")
DISK_COUNT_ROW("SYS_BYTSEC", "bytes per sector", _TARVO_bytes_per_sector, BytesPerSector,
               "The bytes of one sector.",
               "? SYS_BYTSEC('C:\\') >= 512, SYS_BYTSEC('Q:\\')", ".T.          0")
ALIAS("BYTESPERSECTOR", "SYS_BYTSEC")
ROW("SYS_CURDRI", "", DOC(
    .summary = "The letter of the current drive (the C runtime's _getdrive).",
    .returns = "C",
    .result = "One upper-case letter; the empty text when the current folder lies on no drive "
              "letter (a network path).",
    .example = "= SYS_SETDRI('c')\n"
               "? SYS_CURDRI()",
    .output = "C"), Fn<SysCurDri>)
ALIAS("SYS_GETDRI", "SYS_CURDRI")
ROW_NOFUZZ("SYS_SETDRI", "C", "moves the current folder to another drive, where relative "
           "names then reach", DOC(
    .summary = "Makes a drive the current one (the C runtime's _chdrive).",
    .params = "cDrive: the drive, by its first character: \"d\", \"D:\" and \"d:\\dir\" all "
              "name D",
    .returns = "L",
    .result = ".T. when the current drive changed; .F. for a drive that does not exist and "
              "for a text that does not start with a letter of A to Z.",
    .notes = "The current folder becomes the one Windows keeps for that drive, its root at "
             "first.",
    .example = "? SYS_SETDRI('c:'), SYS_CURDRI(), SYS_SETDRI('Q'), SYS_SETDRI('1')",
    .output = ".T. C .F. .F."), Fn<SysSetDri>)
ROW("SYS_MAKEDRIVE", "I", DOC(
    .summary = "The letter of a drive number.",
    .params = "nDrive: 1 for A, 2 for B ...",
    .returns = "C",
    .result = "The one character whose code is the low 8 bits of the number plus 64; no range "
              "is checked, so 0 gives \"@\" and -64 the character of code 0.",
    .example = "? SYS_MAKEDRIVE(3), SYS_MAKEDRIVE(26), SYS_MAKEDRIVE(0)",
    .output = "C Z @"), Fn<SysMakeDrive>)
ALIAS("MIS_MAKEDRIVE", "SYS_MAKEDRIVE")
ROW("SYS_GETCURRENTDIRECTORY", "", DOC(
    .summary = "The current folder (GetCurrentDirectory).",
    .returns = "C",
    .result = "Its full path, of any length.",
    .example = "MKDIR sub\n"
               "CD sub\n"
               "? JUSTFNAME(SYS_GETCURRENTDIRECTORY())",
    .output = "sub"), Fn<SysGetCurrentDirectory>)
ALIAS("GETCURRENTDIR", "SYS_GETCURRENTDIRECTORY")
ALIAS("GETCURRENTDIRECTORY", "SYS_GETCURRENTDIRECTORY")
ROW("SYS_DRISTR", "", DOC(
    .summary = "The letters of the drives there are (GetLogicalDriveStrings).",
    .returns = "C",
    .result = "The letters in Windows' order, such as ACD.",
    .example = "? AT('C', SYS_DRISTR()) > 0, AT('Q', SYS_DRISTR())",
    .output = ".T.          0"), Fn<SysDriStr>)
ALIAS("SYS_DRIVESTRING", "SYS_DRISTR")
ROW("SYS_GETNUMDRIVES", "", DOC(
    .summary = "How many drives there are (the bits of GetLogicalDrives).",
    .returns = "I",
    .result = "The number of drive letters in use.",
    .example = "? SYS_GETNUMDRIVES() = LEN(SYS_DRISTR())",
    .output = ".T."), Fn<SysGetNumDrives>)
ALIAS("DRIVECOUNT", "SYS_GETNUMDRIVES")
ALIAS("GETDRIVECOUNT", "SYS_GETNUMDRIVES")
ALIAS("GETNUMDRIVES", "SYS_GETNUMDRIVES")
ROW("SYS_DOESDRIVEEXIST", "C", DOC(
    .summary = "Whether a drive letter is in use (GetLogicalDrives).",
    .params = "cDrive: the drive, by its first character, upper-cased",
    .returns = "L",
    .result = ".T. when the drive exists.",
    .notes = "The drive is the character's distance from A, counted modulo 32: the characters "
             "just after Z (\"[\" ...) name no drive, and a character below A counts from the "
             "end (\"#\" asks for C, \"1\" for Q, the empty text for none).",
    .example = "? SYS_DOESDRIVEEXIST('c'), SYS_DOESDRIVEEXIST('C:\\'), SYS_DOESDRIVEEXIST('Q'), "
               "SYS_DOESDRIVEEXIST('[')",
    .output = ".T. .T. .F. .F."), Fn<SysDoesDriveExist>)
ROW("SYS_ISDRIV", "C", DOC(
    .summary = "Whether a drive is ready (its free space can be read).",
    .params = "cDrive: the drive, by its first character",
    .returns = "L",
    .result = ".T. when Windows tells the free space of the drive's root (GetDiskFreeSpace, "
              "asked with critical-error boxes off, so an empty floppy drive answers .F. "
              "without a box); .F. for a missing drive and a text that does not start with a "
              "letter of A to Z.",
    .example = "? SYS_ISDRIVEREADY('c'), SYS_ISDRIVEREADY('Q:'), SYS_ISDRIVEREADY('')",
    .output = ".T. .F. .F."), Fn<SysIsDriv>)
ALIAS("SYS_ISDRIVEREADY", "SYS_ISDRIV")
ALIAS("ISDRIVE", "SYS_ISDRIV")
ALIAS("ISDRIVEREADY", "SYS_ISDRIV")
ROW("SYS_DRIVETYPE", "C", DOC(
    .summary = "The kind of a drive (GetDriveType).",
    .params = "cRoot: the root path of the drive, such as C:\\",
    .returns = "I",
    .result = "0 unknown, 1 no such root (a text that is no root path, such as C), 2 "
              "removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk.",
    .notes = "Windows wants the final \"\\\"; Wine also takes \"C:\" and a path below a root "
             "(C:\\windows) for that root.",
    .example = "? SYS_DRIVETYPE('C:\\'), SYS_DRIVETYPE('Q:\\'), SYS_DRIVETYPE('C')",
    .output = "         3          1          1"), Fn<SysDriveType>)
ALIAS("DRIVETYPE", "SYS_DRIVETYPE")
ALIAS("GETDRIVETYPE", "SYS_DRIVETYPE")
DRIVE_TYPE_ROW("SYS_ISFLOP", "removable (a floppy drive)", 2,
               "? SYS_ISFLOPPY('C:\\'), SYS_ISFLOPPY('Q:\\')", ".F. .F.")
ALIAS("SYS_ISFLOPPY", "SYS_ISFLOP")
ALIAS("SYS_ISDRIVEFLOPPY", "SYS_ISFLOP")
ALIAS("SYS_ISDRIVEREMOVABLE", "SYS_ISFLOP")
ALIAS("ISDRIVEFLOPPY", "SYS_ISFLOP")
ALIAS("ISDRIVEREMOVABLE", "SYS_ISFLOP")
ALIAS("ISFLOPPY", "SYS_ISFLOP")
ALIAS("ISREMOVABLE", "SYS_ISFLOP")
DRIVE_TYPE_ROW("SYS_ISFIXE", "a fixed disk", 3,
               "? SYS_ISDRIVEFIXED('C:\\'), SYS_ISDRIVEFIXED('Q:\\')", ".T. .F.")
ALIAS("SYS_ISDRIVEFIXED", "SYS_ISFIXE")
DRIVE_TYPE_ROW("SYS_ISREMO", "a network drive", 4,
               "? SYS_ISDRIVEREMOTE('C:\\')", ".F.")
ALIAS("SYS_ISDRIVEREMOTE", "SYS_ISREMO")
DRIVE_TYPE_ROW("SYS_ISCD", "a CD-ROM drive", 5, "? SYS_ISDRIVECD('C:\\')", ".F.")
ALIAS("SYS_ISDRIVECD", "SYS_ISCD")
DRIVE_TYPE_ROW("SYS_ISRAM", "a RAM disk", 6, "? ISRAMDISK('C:\\')", ".F.")
ALIAS("SYS_ISDRIVERAMDISK", "SYS_ISRAM")
ALIAS("ISDRIVERAMDISK", "SYS_ISRAM")
ALIAS("ISRAM", "SYS_ISRAM")
ALIAS("ISRAMDISK", "SYS_ISRAM")
ROW("SYS_MEDIATYPE", "C", DOC(
    .summary = "The media type byte of a drive, as DOS reports it (Windows 95 and 98 only).",
    .params = "cDrive: the drive, by its first character",
    .returns = "I",
    .result = "The media type, 0 to 255, from the DOS request \"get device parameters\" (int "
              "21h, 440Dh, 0860h) sent through the VWIN32 device; -1 when the device cannot "
              "be opened (always on Windows NT), the request fails or the text does not start "
              "with a letter of A to Z.",
    .notes = "Under Wine in Windows 98 mode the device answers, but leaves bit 15 of the "
             "returned flags set, which counts as a failure: -1 there too.",
    .example = "? SYS_MEDIATYPE('C'), SYS_MEDIATYPE('')",
    .output = "        -1         -1"), Fn<SysMediaType>)
ROW("SYS_ERRHAN", "I", DOC(
    .summary = "Sets the process's error mode (SetErrorMode).",
    .params = "nMode: the new mode: 1 no critical-error boxes, 2 no fault boxes, 32768 no "
              "box when a file cannot be opened, or their sum",
    .returns = "I",
    .result = "The mode before.",
    .example = "n = SYS_ERRHAN(1)\n"
               "? SYS_ERRHAN(n)",
    .output = "         1"), Fn<&SetErrorMode>)
ROW_NOFUZZ("SYS_FORMATDRIVE", "I", "opens the dialog that formats a drive", DOC(
    .summary = "Opens Windows' dialog for formatting a drive (SHFormatDrive).",
    .params = "nDrive: the drive, counted from 0 for A",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "The dialog is owned by the active window and offers the default format. Under "
             "Wine no dialog shows.",
    .example = "=SYS_FORMATDRIVE(0)  && drive A:"), Fn<SysFormatDrive>)
ROW("SYS_FORMAT", "C", DOC(
    .summary = "Formats nothing: an old name kept callable.",
    .params = "cDrive: any text",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .example = "? SYS_FORMAT('A:')",
    .output = ".T."), Fn<SysFormat>)
#undef VOLUME_FLAG_ROW
#undef DISK_COUNT_ROW
#undef DRIVE_TYPE_ROW
