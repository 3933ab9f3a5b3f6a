// Rows of network functions.
FAMILY(Network, "Network functions",
       "For programs that run on a network: the computer, user and host names, the "
       "connections of local device names to network shares and the system's dialogs for "
       "them, the network mode that makes table replacements lock the record, four "
       "settings kept for the host program, and a timer that runs a host command. Under "
       "Wine without a network provider the connection functions answer their failure "
       "values.")
// A setting kept for the host program: its slot and its value at load.
#define NET_SETTING_ROW(name, slot, what, initial)                                         \
    ROW(name, ".I", DOC(.summary = "The " what " setting, kept for the host program.",     \
                        .params = "nValue: optional, the new value (only an integer is "   \
                                  "taken)",                                                \
                        .returns = "I",                                                    \
                        .result = "The value before the call; " initial " at load.",       \
                        .example = "? " name "(), " name "(7), " name "()",                \
                        .output = "        " initial "         " initial                  \
                                  "          7"),                                          \
        Fn<NetSetting<slot>>)
// A dialog of the system, owned by the host's main window.
#define NET_DIALOG_ROW(name, what, fn)                                                     \
    ROW_NOFUZZ(name, "", "shows a modal dialog that waits for the user",                   \
               DOC(.summary = "Shows the system's dialog to " what " a network drive.",    \
                   .returns = "L",                                                         \
                   .result = ".T. when the dialog ended, cancelled too; .F. when it "      \
                             "reported an error (under Wine, no network: .F. at once).",   \
                   .example = "? " name "()"),                                             \
               Fn<fn>)
ROW("NET_GETCOMPUTERNAME", "", DOC(
    .summary = "The computer's name (GetComputerNameA).",
    .returns = "C",
    .result = "The name (at most 127 characters); the empty text on failure.",
    .notes = "Under Wine it is the host machine's name in upper case.",
    .example = "? LEN(NET_GETCOMPUTERNAME()) > 0",
    .output = ".T."), Fn<NetGetComputerName>)
ROW_NOFUZZ("NET_SETCOMPUTERNAME", "C", "renames the machine", DOC(
    .summary = "Sets the computer's name for the next start of Windows (SetComputerNameA).",
    .params = "cName: the new name",
    .returns = "L",
    .result = ".T. when Windows took it.",
    .notes = "Under Wine the call succeeds and the name stays as it was.",
    .example = "? NET_SETCOMPUTERNAME('OFFICE7')"), Fn<NetSetComputerName>)
ROW("NET_GETUSERNAME", "", DOC(
    .summary = "The name of the user the host runs as (GetUserNameA).",
    .returns = "C",
    .result = "The name (at most 127 characters); the empty text on failure.",
    .example = "? LEN(NET_GETUSERNAME()) > 0",
    .output = ".T."), Fn<NetGetUserName>)
ROW("NET_GETHOSTNAME", "", DOC(
    .summary = "The host name the sockets layer knows (gethostname).",
    .returns = "C",
    .result = "The host name (at most 260 characters); the empty text when the call fails.",
    .notes = "The library does not start the sockets layer: on Windows the answer is empty "
             "unless the host program started it; Wine answers the name anyway.",
    .example = "? VARTYPE(NET_GETHOSTNAME())",
    .output = "C"), Fn<NetGetHostName>)
ROW("NET_GETCONNECTION", "C", DOC(
    .summary = "The network share a local device name is connected to (WNetGetConnectionA).",
    .params = "cLocal: the local device name, such as \"Q:\" or \"LPT1\"",
    .returns = "C",
    .result = "The remote name, such as \"\\\\SERVER\\share\" (at most 260 characters); the "
              "empty text for a device that is not connected.",
    .notes = "Wine looks a drive letter up by its drive type only and never asks the "
             "network providers: there the answer is empty for every letter.",
    .example = "? '[' + NET_GETCONNECTION('C:') + ']'",
    .output = "[]"), Fn<NetGetConnection>)
ROW("NET_CANCELCONNECTION", "C,.L", DOC(
    .summary = "Cancels a network connection and removes it from the user's profile "
               "(WNetCancelConnection2A).",
    .params = "cName: the local device name, or the remote name of a connection without one\n"
              "lForce: optional, .T. to cancel it even while files on it are open",
    .returns = "L",
    .result = ".T. when the connection was cancelled.",
    .example = "? NET_CANCELCONNECTION('Y:')",
    .output = ".F."), Fn<NetCancelConnection>)
NET_DIALOG_ROW("NET_CONNECTIONDIALOG", "connect", NetConnectionDialog)
NET_DIALOG_ROW("NET_DISCONNECTDIALOG", "disconnect", NetDisconnectDialog)
ROW("NET_ENUMCONNECTIONS", "", DOC(
    .summary = "The network connections that have a local device name.",
    .returns = "C",
    .result = "For each connection its local name, \"^\", its remote name and \";\" "
              "(\"Q:^\\\\SERVER\\share;R:^\\\\SERVER\\other;\"), in the order Windows gives "
              "them; the empty text when there are none.",
    .notes = "The list holds at most 16383 characters: a connection that does not fit whole "
             "is left out, and so are those after it.",
    .example = "? '[' + NET_ENUMCONNECTIONS() + ']'",
    .output = "[]"), Fn<NetEnumConnections>)
ROW("NET_SETNET", ".L", DOC(
    .summary = "The network mode: when it is on, DBF_REPLACE locks the record before it "
               "replaces a field.",
    .params = "lOn: optional, the new mode (only a logical is taken)",
    .returns = "L",
    .result = "The mode before the call; .F. at load.",
    .example = "? NET_SETNET(), NET_SETNET(.T.), NET_SETNET(), NET_SETNET(.F.)",
    .output = ".F. .F. .T. .T."), Fn<NetSetNet>)
NET_SETTING_ROW("NET_MAX", kNetMax, "maximum", "10")
NET_SETTING_ROW("NET_MODE", kNetMode, "mode", " 0")
NET_SETTING_ROW("NET_LEVEL", kNetLevel, "level", " 0")
NET_SETTING_ROW("NET_USERNO", kNetUserNo, "user number", " 0")
ROW("NET_PROC", "C", DOC(
    .summary = "Sets the host command that every timer of NET_TIMSET runs.",
    .params = "cCommand: the command; its first 128 characters are kept",
    .returns = "L",
    .result = ".T.",
    .notes = "Timers already running run the new command from their next tick on.",
    .example = "? NET_PROC('DO Poll')",
    .output = ".T."), Fn<NetProc>)
ROW_NOFUZZ("NET_TIMSET", "I", "starts a timer that runs host commands", DOC(
    .summary = "Starts a timer that runs NET_PROC's command at an interval.",
    .params = "nInterval: milliseconds between two runs (Windows makes intervals below 10 "
              "10, and a negative one the longest it knows)",
    .returns = "I",
    .result = "The timer's identifier for NET_TIMKIL; 0 when no timer could be made.",
    .notes = "The command runs while the host serves its messages (DOEVENTS, WAIT ... "
             "TIMEOUT, INKEY(n), READ EVENTS). An error in the command ends that run; the "
             "timer goes on. Unloading the library stops it.",
    .example = "n = 0\n"
               "=NET_PROC('n = n + 1')\n"
               "id = NET_TIMSET(50)\n"
               "=INKEY(0.5)\n"
               "=NET_TIMKIL(id)\n"
               "? n > 0",
    .output = ".T."), Fn<NetTimSet>)
#undef NET_SETTING_ROW
#undef NET_DIALOG_ROW
