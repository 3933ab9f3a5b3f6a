* WAIT WINDOW shows as one line of its own on the output; DOEVENTS and a
* TIMEOUT serve the thread's messages.
? "before"
WAIT WINDOW "Working..." NOWAIT
? "after"
WAIT WINDOW "Waited" TIMEOUT 0.1
DOEVENTS
?? "on a line of its own"
