// Media control: the CD under the MCI alias "QXCD", one video clip under
// "QXAVI", free MCI commands with their error texts, wave and RIFF file
// tests, and sounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// A reply counts as true when it is "true" or "vrai" exactly.
bool IsTruthWord(std::string_view reply);

// "seek QXCD to" and three blanks with the 14th and 15th characters replaced
// by the first two of the text (the second only when the text has one); an
// empty text ends the command after "to ".
std::string CdSeekCommand(std::string_view track);
// "status QXCD position track" and three blanks, the 28th and 29th
// characters replaced the same way.
std::string CdTrackPositionCommand(std::string_view track);

// The remembered sound: ">>>>" and the file name last given to SND_PLAY;
// the name behind the mark when there is one.
std::string& RememberedSound();
void RememberSound(std::string_view file);
bool RememberedSoundName(std::string* file);

// SND_PLAY's flags: of the caller's, those for a sound named by a file or
// an alias (asynchronous 1, no default sound 2, loop 8, do not stop 16, do
// not wait 8192, alias 65536, file name 131072), since the parameter is
// always a name (a sound in memory, a resource or an alias number would make
// Windows read it as something else); 1 (asynchronous) when none came.
constexpr std::uint32_t kSoundFlagsKept = 0x1 | 0x2 | 0x8 | 0x10 | 0x2000 | 0x10000 | 0x20000;
std::uint32_t SoundFlags(Opt<std::int32_t> flags);
// The longest name a sound is played by.
constexpr std::size_t kLongestSoundName = 32766;

// The process-wide MCI state: the last MCI error of the commands that store
// it.
std::uint32_t& LastMciError();
void ResetMedia();

// --- Windows (media_win.cpp) ---
// The reply buffer every command shares (200 characters and a zero), and
// one command string sent with it; the MCI error code.
char* MciReply();
std::uint32_t MciCommand(const char* command);

bool CdIsCd();
std::string CdTraLen(const char* track);
std::string CdSeek(const char* track);
std::string CdTraPos(const char* track);
std::string CdCommandSend(const char* command);
std::string VidOpen(const char* file);
std::string MciSendText(const char* command);
std::int32_t MciDevice(const char* name);
std::string MciError();
bool MciIsWave(const char* file);
bool MciIsRiff(const char* file);
void SndPlay(const char* file, Opt<std::int32_t> flags);
void SndRepeat();

}  // namespace tarvo
