* A clock and a poll on a timer, as a host program runs them:
*
*     tarvo-run examples/timers.prg
*
* TIM_SET starts a timer that runs the command set with TIM_PROC. It fires
* while the program serves its messages: here in READ EVENTS, which goes on
* until a command run by the timer says CLEAR EVENTS. The program below
* counts the seconds of a clock (one tick every 100 ms stands for a second),
* polls an inbox folder for a note that arrives on the third tick, and shows
* that an error in a timer's command leaves the timer running.

MKDIR inbox
ticks = 0
ON ERROR DO Trouble WITH ERROR(), MESSAGE()
=TIM_PROC("DO Tick")
id = TIM_SET(100)
? "Timer started:", id > 0
READ EVENTS
=TIM_KILL(id)
ON ERROR
? "Out of READ EVENTS after", ticks, "ticks; the timer is stopped"
RETURN

* Each tick moves the clock on and looks into the inbox.
PROCEDURE Tick
  ticks = ticks + 1
  ? STR_MAKETIME(ticks), "tick"
  IF ticks = 3
    * Someone drops a note into the inbox.
    =STRTOFILE("Lunch at noon?", "inbox\note.txt")
  ENDIF
  IF FILE("inbox\note.txt")
    ?? ": a note is waiting:", FILETOSTR("inbox\note.txt")
    ERASE inbox\note.txt
    * The next tick runs a command that fails.
    =TIM_PROC("DO NoSuchProgram")
  ENDIF
  IF ticks = 5
    CLEAR EVENTS
  ENDIF
ENDPROC

* An error in a timer's command comes here (ON ERROR); the timer goes on.
PROCEDURE Trouble
  PARAMETERS number, text
  ? "The timer's command failed:", number, text
  =TIM_PROC("DO Tick")
ENDPROC
