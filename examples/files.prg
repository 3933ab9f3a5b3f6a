* Files with TARVO.fll: the parts of a path, sizes and attributes,
* copying, directories.
SET LIBRARY TO TARVO.fll ADDITIVE

path = "C:\Projects\Report\summary.final.txt"
? "Name:     ", FIL_FNAME(path)
? "Extension:", FIL_EXT(path)
? "Drive:    ", FIL_DRIVE(path)

=STRTOFILE(REPLICATE("0123456789", 1000), "data.txt")
? "Size:     ", FIL_SIZE("data.txt")
* FIL_COPY answers 0 when the copy is made, a negative number when not.
? "Copied:   ", FIL_COPY("data.txt", "copy.txt"), FILETOSTR("copy.txt") == FILETOSTR("data.txt")
? "Read-only:", FIL_ISREADONLY("copy.txt")

=FIL_MKDIR("archive")
=FIL_MKDIR("archive\2024")
=FIL_MKDIR("archive\2025")
? "Tree:     ", FIL_TREE("archive", 100)
RELEASE LIBRARY TARVO.fll
