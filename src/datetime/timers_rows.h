// Rows of the command timers: thread timers that run one stored host command.
FAMILY(Timer, "Timers",
       "Thread timers that run one host command, set with TIM_PROC, at an interval. They "
       "fire only while the host serves its messages (DOEVENTS, WAIT ... TIMEOUT, INKEY(n), "
       "READ EVENTS), between other calls. An error in the command ends that run only; the "
       "timer goes on. Unloading the library stops every timer it started.")
ROW("TIM_KILL", "I", DOC(
    .summary = "Stops a timer.",
    .params = "nTimer: the identifier TIM_SET (or NET_TIMSET) gave",
    .returns = "L",
    .result = ".T. always, whether or not such a timer ran.",
    .example = "? TIM_KILL(0)",
    .output = ".T."), Fn<TimKill>)
ALIAS("NET_TIMKIL", "TIM_KILL")
ROW("TIM_PROC", "C", DOC(
    .summary = "Sets the host command that every timer of TIM_SET runs.",
    .params = "cCommand: the command; its first 128 characters are kept",
    .returns = "L",
    .result = ".T. always.",
    .errors = "Error 182 when memory runs out.",
    .notes = "All timers run the command stored when they fire.",
    .example = "? TIM_PROC('DO Tick')",
    .output = ".T."), Fn<TimProc>)
ROW_NOFUZZ("TIM_SET", "I", "starts a timer that runs host commands", DOC(
    .summary = "Starts a timer that runs TIM_PROC's command at an interval.",
    .params = "nInterval: milliseconds between two runs (Windows makes intervals below 10 "
              "10, and a negative one the longest it knows)",
    .returns = "I",
    .result = "The timer's identifier for TIM_KILL; 0 when no timer could be made.",
    .notes = "The command runs while the host serves its messages (DOEVENTS, WAIT ... "
             "TIMEOUT, INKEY(n), READ EVENTS). An error in the command ends that run; the "
             "timer goes on.",
    .example = "n = 0\n"
               "=TIM_PROC('n = n + 1')\n"
               "id = TIM_SET(50)\n"
               "=INKEY(0.5)\n"
               "=TIM_KILL(id)\n"
               "? n > 0",
    .output = ".T."), Fn<TimSet>)
