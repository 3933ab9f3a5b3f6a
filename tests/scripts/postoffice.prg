* The post office as two programs on one shared folder use it: one sends,
* the other finds the message files in its account's folder and reads them.
MKDIR mail
MKDIR mail\smith
MKDIR mail\jones
root = FULLPATH("mail")
=STRTOFILE("[ACCOUNTS]" + CHR(13) + CHR(10) + "smith=" + CHR(13) + CHR(10) + "jones=" + CHR(13) + CHR(10) + ;
  "[SMITH]" + CHR(13) + CHR(10) + "Dir=smith" + CHR(13) + CHR(10) + ;
  "[JONES]" + CHR(13) + CHR(10) + "Dir=jones" + CHR(13) + CHR(10) + ;
  "[ROOT]" + CHR(13) + CHR(10) + "Dir=" + root + CHR(13) + CHR(10), "mail\post.ini")
? "Before a post office is set:", MSG_SEND("smith", "jones", "Hello", "Note", "Hi"), MSG_LASTERROR()
? "Post office was '" + MSG_POSTOFFICE(FULLPATH("mail\post.ini")) + "'"
? MSG_SEND("smith", "jones", "Lunch", "Invitation", "Noon at the usual place?")
? MSG_SEND("Jones", "smith", "Re: Lunch", "Answer", "Yes.")
? MSG_SEND("smith", "jones", "Agenda", "", "")
? MSG_SEND("brown", "jones", "Hello", "", ""), MSG_LASTERROR()
? MSG_SEND("jon", "smith", "Hello", "", ""), MSG_LASTERROR()
? "Messages for smith:", FILE("mail\smith\000000000001.msg"), FILE("mail\smith\000000000003.msg")
? "Message for jones:", FILE("mail\jones\000000000002.msg")
DO ShowMessage WITH "mail\smith\000000000001.msg"
DO ShowMessage WITH "mail\jones\000000000002.msg"
DO ShowMessage WITH "mail\smith\000000000003.msg"
ini = FILETOSTR("mail\post.ini")
? "Last number:", SUBSTR(ini, AT("next=", ini), 6)
? "Counter:", SUBSTR(ini, AT("counter=", ini), 9)
=MSG_READ()
? MSG_FROM(), MSG_TO(), MSG_SUBJECT(), MSG_BODY()

PROCEDURE ShowMessage
  PARAMETERS file
  LOCAL m, at, stamp
  m = FILETOSTR(file)
  * The third field is the date-time stamp of the sending.
  at = AT(CHR(0), m, 2)
  stamp = SUBSTR(m, at + 1, 20)
  ? JUSTFNAME(file), LEN(m), "bytes; stamp well formed:", ;
    CHRTRAN(stamp, "0123456789", "##########") = "####-##-##  ##:##:##"
  ? "  ", STRTRAN(STUFF(m, at + 1, 20, "<stamp>"), CHR(0), " | ")
ENDPROC
