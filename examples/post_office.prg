* The post office of TARVO.fll: programs that share a folder send each
* other messages, one file per message in the destination's folder.
SET LIBRARY TO TARVO.fll ADDITIVE

* The post office file lists the accounts and where their folders are.
MKDIR mail
MKDIR mail\smith
=STRTOFILE("[ACCOUNTS]" + CHR(13) + CHR(10) + "smith=" + CHR(13) + CHR(10) + ;
           "[SMITH]" + CHR(13) + CHR(10) + "Dir=smith" + CHR(13) + CHR(10) + ;
           "[ROOT]" + CHR(13) + CHR(10) + "Dir=" + FULLPATH("mail"), "mail\post.ini")
=MSG_POSTOFFICE(FULLPATH("mail\post.ini"))

? "To smith:", MSG_SEND("smith", "jones", "Lunch", "Note", "At noon?"), MSG_LASTERROR()
? "To brown:", MSG_SEND("brown", "jones", "Lunch", "Note", "At noon?"), MSG_LASTERROR()

* A message is a file of six fields separated by zero bytes.
n = ADIR(found, "mail\smith\*.msg")
? "Messages for smith:", n
fields = ALINES(parts, FILETOSTR("mail\smith\" + found[1, 1]), 0, CHR(0))
? "To:", parts[1], " From:", parts[2], " Subject:", parts[4], " Body:", parts[6]
RELEASE LIBRARY TARVO.fll
