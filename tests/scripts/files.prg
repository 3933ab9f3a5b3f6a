* Folders made and removed in the program's scratch folder (the file
* functions themselves: the interpreter's own tests).
MKDIR sub
? STRTOFILE("x", "sub\inner.txt"), FILE("sub\inner.txt")
ERASE sub\inner.txt
RMDIR sub
? FILE("sub\inner.txt"), DIRECTORY("sub")
