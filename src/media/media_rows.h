// Rows of media control.
FAMILY(Media, "Media control",
       "The Windows Media Control Interface through command strings: an audio CD under the "
       "alias QXCD, one video clip under the alias QXAVI, free MCI commands and their error "
       "texts, wave and RIFF file tests, and sounds. Every command shares one reply buffer "
       "of 200 characters; the names that answer text answer it as the command left it. "
       "MCI_SEND, the CD names that go through the companion library and the video names "
       "that open, close, play, pause and seek keep their MCI error for MCI_ERROR. A device "
       "opened stays open until CD_CLOSE, VID_CLOSE or an MCI close command.")
// A fixed command (its constant and its text) whose answer is .T. whatever
// MCI said.
#define MEDIA_SET_ROW(name, constant, command, what)                                     \
    ROW(name, "", DOC(.summary = what " (\"" command "\").", .returns = "L",             \
                      .result = ".T. whatever MCI answered.",                             \
                      .example = "? " name "()", .output = ".T."),                         \
        Fn<SendFixed<constant>>)
// A fixed command whose reply is a truth word.
#define MEDIA_TRUTH_ROW(name, constant, command, what)                                   \
    ROW(name, "", DOC(.summary = "Whether " what " (\"" command "\").", .returns = "L",  \
                      .result = ".T. when MCI replied \"true\" or \"vrai\" exactly "    \
                                "(\"TRUE\" is not); .F. otherwise, and when no CD is "   \
                                "open.",                                                  \
                      .example = "? " name "()", .output = ".F."),                         \
        Fn<AskTruth<constant>>)
// A fixed command whose reply is the answer; `shape` is AskReply, or
// SendStoring for the names that keep the MCI error.
#define MEDIA_REPLY_ROW(name, shape, constant, command, what, kept)                      \
    ROW(name, "", DOC(.summary = what " (\"" command "\").", .returns = "C",             \
                      .result = "MCI's reply; when the device is not open, the reply "    \
                                "buffer as the command left it." kept,                    \
                      .example = "? '[' + " name "() + ']'", .output = "[]"),             \
        Fn<shape<constant>>)
#define MEDIA_KEPT " The MCI error is kept for MCI_ERROR."
// A CD command of the companion library, with an example and its output.
#define CD_ACTION_ROW(name, action, command, shown, printed)                             \
    ROW(name, "", DOC(.summary = "Sends \"" command "\" through the companion library.", \
                      .returns = "L",                                                     \
                      .result = ".T. when MCI answered 0. The MCI error is kept for "      \
                                "MCI_ERROR; without the companion it is 263.",            \
                      .example = shown, .output = printed),                                \
        Fn<CdAct<CdAction::action>>)
// A beep with a sound type of its own.
#define SND_BEEP_ROW(name, type, sound)                                                  \
    ROW(name, "", DOC(.summary = "Plays the " sound " sound (MessageBeep " #type ").",   \
                      .returns = "",                                                      \
                      .result = "No value of its own (the host takes .T.).",              \
                      .notes = "Nothing is heard without a sound device.",                \
                      .example = "= " name "()\n? 'done'", .output = "done"),            \
        Fn<SndBeep<type>>)
ROW("CD_ISCD", "", DOC(
    .summary = "Whether an audio CD can be opened (\"open CD alias QXCD\", closed again).",
    .returns = "L",
    .result = ".T. when MCI replied with a text starting with \"1\"; the CD is then closed.",
    .notes = "Under Wine there is no CD device type, and the answer is .F.",
    .example = "? CD_ISCD()",
    .output = ".F."), Fn<CdIsCd>)
CD_ACTION_ROW("CD_OPEN", Open, "open cdaudio alias QXCD",
              "* Whatever the machine has, a CD opened is closed again\n"
              "? IIF(CD_OPEN(), CD_CLOSE(), .T.)", ".T.")
CD_ACTION_ROW("CD_CLOSE", Close, "close QXCD", "? CD_CLOSE()", ".F.")
CD_ACTION_ROW("CD_PLAY", Play, "play QXCD", "? CD_PLAY()", ".F.")
CD_ACTION_ROW("CD_STOP", Stop, "stop QXCD", "? CD_STOP()", ".F.")
CD_ACTION_ROW("CD_START", Start, "seek QXCD to start\", then \"play QXCD",
              "? CD_START()", ".F.")
CD_ACTION_ROW("CD_HOME", Home, "seek QXCD to start", "? CD_HOME()", ".F.")
CD_ACTION_ROW("CD_END", End, "seek QXCD to end", "? CD_END()", ".F.")
MEDIA_SET_ROW("CD_BAYOPE", kCdDoorOpen, "set QXCD door open", "Opens the CD door")
MEDIA_SET_ROW("CD_BAYCLO", kCdDoorClosed, "set QXCD door closed", "Closes the CD door")
MEDIA_SET_ROW("CD_ON", kCdAudioOn, "set QXCD audio all on", "Turns the CD's sound on")
MEDIA_SET_ROW("CD_OFF", kCdAudioOff, "set QXCD audio all off", "Turns the CD's sound off")
MEDIA_SET_ROW("CD_LON", kCdLeftOn, "set QXCD audio left on", "Turns the CD's left channel on")
MEDIA_SET_ROW("CD_LOFF", kCdLeftOff, "set QXCD audio left off",
              "Turns the CD's left channel off")
MEDIA_SET_ROW("CD_RON", kCdRightOn, "set QXCD audio right on",
              "Turns the CD's right channel on")
MEDIA_SET_ROW("CD_ROFF", kCdRightOff, "set QXCD audio right off",
              "Turns the CD's right channel off")
MEDIA_SET_ROW("CD_PAUSE", kCdPause, "pause QXCD", "Pauses the CD")
MEDIA_SET_ROW("CD_RESUME", kCdResume, "play QXCD", "Plays the CD on from where it is")
MEDIA_SET_ROW("CD_TMSF", kCdTmsf, "set QXCD time format tmsf",
              "Counts CD positions in tracks, minutes, seconds and frames")
MEDIA_SET_ROW("CD_MSF", kCdMsf, "set QXCD time format msf",
              "Counts CD positions in minutes, seconds and frames")
MEDIA_SET_ROW("CD_MS", kCdMs, "set QXCD time format ms", "Counts CD positions in milliseconds")
MEDIA_TRUTH_ROW("CD_CANEJE", kCdCanEject, "capability QXCD can eject", "the CD can be ejected")
MEDIA_TRUTH_ROW("CD_CANPLA", kCdCanPlay, "capability QXCD can play", "the CD can play")
MEDIA_TRUTH_ROW("CD_READY", kCdReady, "status QXCD ready", "the CD is ready")
MEDIA_TRUTH_ROW("CD_MEDIAPRESENT", kCdMediaPresent, "status QXCD media present",
                "a disc is in the drive")
MEDIA_REPLY_ROW("CD_TIME", AskReply, kCdTimeFormat, "status QXCD time format",
                "The CD's time format", "")
MEDIA_REPLY_ROW("CD_TOTTRA", AskReply, kCdTracks, "status QXCD number of tracks",
                "The number of tracks on the CD", "")
MEDIA_REPLY_ROW("CD_TOTLEN", AskReply, kCdLength, "status QXCD length",
                "The length of the CD, in its time format", "")
MEDIA_REPLY_ROW("CD_CURPOS", AskReply, kCdPosition, "status QXCD position",
                "The CD's position, in its time format", "")
MEDIA_REPLY_ROW("CD_CURTRA", AskReply, kCdCurrentTrack, "status QXCD current track",
                "The CD's current track", "")
MEDIA_REPLY_ROW("CD_MODE", AskReply, kCdMode, "status QXCD mode",
                "What the CD is doing (playing, stopped, paused, ...)", "")
ROW("CD_TRALEN", "C", DOC(
    .summary = "The length of a track of the CD (\"status QXCD length track\" and the track).",
    .params = "cTrack: the track number, as text",
    .returns = "C",
    .result = "MCI's reply; when no CD is open, the reply buffer as the command left it.",
    .notes = "The track text is sent whole, however long.",
    .example = "? '[' + CD_TRALEN('1') + ']'",
    .output = "[]"), Fn<CdTraLen>)
ROW("CD_SEEK", "C", DOC(
    .summary = "Moves the CD to a track (\"seek QXCD to\" and the track).",
    .params = "cTrack: the track: its first two characters are sent",
    .returns = "C",
    .result = "MCI's reply; when no CD is open, the reply buffer as the command left it.",
    .notes = "The command is \"seek QXCD to \" with the text's first character and its "
             "second or a blank: '5' sends \"seek QXCD to 5 \", '123' sends \"seek QXCD "
             "to 12\". An empty text sends \"seek QXCD to \", which MCI refuses.",
    .example = "? '[' + CD_SEEK('5') + ']'",
    .output = "[]"), Fn<CdSeek>)
ROW("CD_TRAPOS", "C", DOC(
    .summary = "The starting position of a track of the CD (\"status QXCD position track\" "
               "and the track).",
    .params = "cTrack: the track: its first two characters are sent",
    .returns = "C",
    .result = "MCI's reply; when no CD is open, the reply buffer as the command left it.",
    .notes = "The track is put into the command as CD_SEEK puts it.",
    .example = "? '[' + CD_TRAPOS('2') + ']'",
    .output = "[]"), Fn<CdTraPos>)
ROW("CD_COMMAND", "C", DOC(
    .summary = "Sends any MCI command string, as it is.",
    .params = "cCommand: the command",
    .returns = "C",
    .result = "MCI's reply; when the command fails, the reply buffer as it left it. The "
              "MCI error is not kept (MCI_SEND keeps it).",
    .example = "? '[' + CD_COMMAND('sysinfo all quantity open') + ']'",
    .output = "[0]"), Fn<CdCommandSend>)
ROW("VID_OPEN", "C", DOC(
    .summary = "Opens a video clip (or any media file) under the alias QXAVI (\"open\", the "
               "file, \"alias QXAVI\").",
    .params = "cFile: the media file",
    .returns = "C",
    .result = "MCI's reply: the device number (\"1\") when the file was opened; when it "
              "failed, the reply buffer as it left it. The MCI error is kept for MCI_ERROR.",
    .notes = "One clip at a time: another VID_OPEN before VID_CLOSE fails. Under Wine a clip "
             "needs a graphics driver (error 347 without one).",
    .example = "? '[' + VID_OPEN('missing.avi') + ']', MCI_ERROR() == ''",
    .output = "[] .F."), Fn<VidOpen>)
MEDIA_REPLY_ROW("VID_CLOSE", SendStoring, kVidClose, "close QXAVI", "Closes the clip",
                MEDIA_KEPT)
MEDIA_REPLY_ROW("VID_PLAY", SendStoring, kVidPlay, "play QXAVI",
                "Plays the clip from where it is, without waiting", MEDIA_KEPT)
MEDIA_REPLY_ROW("VID_PAUSE", SendStoring, kVidPause, "pause QXAVI", "Pauses the clip",
                MEDIA_KEPT)
MEDIA_REPLY_ROW("VID_END", SendStoring, kVidEnd, "seek QXAVI to end",
                "Moves the clip to its end", MEDIA_KEPT)
MEDIA_REPLY_ROW("VID_HOME", SendStoring, kVidHome, "seek QXAVI to start",
                "Moves the clip to its start", MEDIA_KEPT)
MEDIA_REPLY_ROW("VID_CURPOS", AskReply, kVidPosition, "status QXAVI position",
                "The clip's position, in frames", "")
MEDIA_SET_ROW("VID_ON", kVidAudioOn, "set QXAVI audio all on", "Turns the clip's sound on")
MEDIA_SET_ROW("VID_OFF", kVidAudioOff, "set QXAVI audio all off", "Turns the clip's sound off")
MEDIA_SET_ROW("VID_LON", kVidLeftOn, "set QXAVI audio left on",
              "Turns the clip's left channel on")
MEDIA_SET_ROW("VID_LOFF", kVidLeftOff, "set QXAVI audio left off",
              "Turns the clip's left channel off")
MEDIA_SET_ROW("VID_RON", kVidRightOn, "set QXAVI audio right on",
              "Turns the clip's right channel on")
MEDIA_SET_ROW("VID_ROFF", kVidRightOff, "set QXAVI audio right off",
              "Turns the clip's right channel off")
ROW("MCI_SEND", "C", DOC(
    .summary = "Sends any MCI command string through the companion library and keeps its "
               "error for MCI_ERROR.",
    .params = "cCommand: the command",
    .returns = "C",
    .result = "MCI's reply; when the command fails, the reply buffer as it left it.",
    .notes = "Without the companion nothing is sent and the error kept is 263.",
    .example = "? '[' + MCI_SEND('no such command') + ']', EMPTY(MCI_ERROR())",
    .output = "[] .F."), Fn<MciSendText>)
ROW("MCI_DEVICE", "C", DOC(
    .summary = "The MCI device number of an open device or alias (mciGetDeviceIDA).",
    .params = "cName: the alias or device name",
    .returns = "I",
    .result = "The device number; 0 when no such device is open.",
    .example = "? MCI_DEVICE('QXAVI')",
    .output = "         0"), Fn<MciDevice>)
ROW("MCI_ERROR", "", DOC(
    .summary = "The text of the MCI error kept last (by MCI_SEND, CD_OPEN, CD_CLOSE, "
               "CD_PLAY, CD_STOP, CD_START, CD_HOME, CD_END and the VID_ names that open, "
               "close, play, pause and seek).",
    .returns = "C",
    .result = "Windows' text for the error (at most 200 characters); the empty text for "
              "error 0 and for codes Windows has no text for.",
    .notes = "Asking again gives the same text until another of those names runs. Windows "
             "gives a text for error 0, Wine none.",
    .example = "? '[' + MCI_ERROR() + ']'",
    .output = "[]"), Fn<MciError>)
ROW("MCI_ISWAVE", "C", DOC(
    .summary = "Whether a file is a wave file (bytes 9 to 12 are \"WAVE\").",
    .params = "cFile: the file",
    .returns = "L",
    .result = ".T. when its first 12 bytes could be read and end in \"WAVE\"; .F. for a "
              "missing or shorter file.",
    .example = "=STRTOFILE('RIFF' + REPLICATE(CHR(0), 4) + 'WAVE', 'a.wav')\n"
               "? MCI_ISWAVE('a.wav'), MCI_ISWAVE('missing.wav')",
    .output = ".T. .F."), Fn<MciIsWave>)
ROW("MCI_ISRIFF", "C", DOC(
    .summary = "Whether a file is a RIFF file (wave, video clip ...: it begins with \"RIFF\").",
    .params = "cFile: the file",
    .returns = "L",
    .result = ".T. when its first 4 bytes could be read and are \"RIFF\".",
    .example = "=STRTOFILE('RIFF', 'a.wav')\n"
               "? MCI_ISRIFF('a.wav'), MCI_ISRIFF('missing.wav')",
    .output = ".T. .F."), Fn<MciIsRiff>)
ROW("SND_PLAY", "C,.I", DOC(
    .summary = "Plays a sound file (sndPlaySoundA) and remembers it for SND_REPEAT.",
    .params = "cFile: the wave file\n"
              "nFlags: optional, sndPlaySoundA's flags (0 wait until it ends, 1 do not wait, "
              "2 no default sound when the file is missing, 8 loop until the next sound, 16 "
              "do not stop a sound playing, 65536 the name is a system sound's alias); 1 when "
              "left out",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Only the flags for a sound named by a file or an alias are passed on (1, 2, "
             "8, 16, 8192, 65536, 131072): the parameter is always a name, never a sound in "
             "memory, a resource or an alias number. A name longer than 32766 "
             "characters is remembered and not played. A sound the host started before is ended first, so the flag 16 does not "
             "keep it playing. Nothing is heard without a sound device, and waiting then "
             "ends at once.",
    .example = "= SND_PLAY('missing.wav', 2)\n? 'done'",
    .output = "done"), Fn<SndPlay>)
ROW("SND_REPEAT", "", DOC(
    .summary = "Plays the sound file SND_PLAY played last again, without waiting.",
    .returns = "",
    .result = "No value of its own (the host takes .T.).",
    .notes = "Does nothing before the first SND_PLAY.",
    .example = "= SND_REPEAT()\n? 'done'",
    .output = "done"), Fn<SndRepeat>)
ALIAS("SND_REPLAY", "SND_REPEAT")
SND_BEEP_ROW("SND_ERROR", 0x10, "error (stop)")
SND_BEEP_ROW("SND_QUESTION", 0x20, "question")
SND_BEEP_ROW("SND_EXCLAMATION", 0x30, "exclamation")
SND_BEEP_ROW("SND_ASTERISK", 0x40, "asterisk (information)")
#undef MEDIA_SET_ROW
#undef MEDIA_TRUTH_ROW
#undef MEDIA_REPLY_ROW
#undef MEDIA_KEPT
#undef CD_ACTION_ROW
#undef SND_BEEP_ROW
