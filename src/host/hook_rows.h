// The load hook and the unload hook, which close the table.
FAMILY(Hook, "Load and unload hooks",
       "The two entries the host runs itself: the load hook when SET LIBRARY TO loads the "
       "library, the unload hook before it releases it. They cannot be called by name.")
HOOK("TARVOIN", -2, DOC(
    .summary = "The load hook: the host runs it when SET LIBRARY TO loads the library.",
    .returns = "",
    .result = "Nothing; it cannot be called by name.",
    .errors = "When KERNEL.DLL cannot be loaded from the Windows system directory, the host "
              "shows \"Kernel not found\" (WAIT WINDOW ... NOWAIT) and the library works "
              "without it.",
    .notes = "Loads KERNEL.DLL, sets the command count to 0 with no command log, step "
             "command or tracing file, seeds the random generator from the clock, leaves no post "
             "office file in use and the message field buffers empty, makes the colour "
             "dialog's 16 custom colours white, reads the Windows version, clears the volume "
             "error flag and sets the registry last error to -14444.",
    .example = "SET LIBRARY TO TARVO\n"
               "? TST_TEST(3)",
    .output = "        27"), Raw(TarvoIn))
HOOK("TARVOOUT", -3, DOC(
    .summary = "The unload hook: the host runs it before it releases the library.",
    .returns = "",
    .result = "Nothing; it cannot be called by name.",
    .errors = "When KERNEL.DLL cannot be freed, the host shows \"Kernel not freed\".",
    .notes = "Closes the command log (not the tracing file), frees KERNEL.DLL, stops every "
             "timer the library started, closes the search of FIL_FIRST, ends the walk of "
             "STR_TOKINI and empties the message field buffers. SET LIBRARY TO without a file "
             "and RELEASE LIBRARY run it.",
    .example = "SET LIBRARY TO TARVO\n"
               "? TYPE('TST_TEST(1)')\n"
               "SET LIBRARY TO\n"
               "? TYPE('TST_TEST(1)')",
    .output = "N\n"
              "U"), Raw(TarvoOut))
