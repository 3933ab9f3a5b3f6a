// Media control through MCI command strings, the companion's MCI calls,
// sndPlaySoundA and MessageBeep.
#include <windows.h>

#include <mmsystem.h>

#include "files/open_file.h"
#include "host/companion.h"
#include "media/media.h"
#include "media/media_commands.h"

namespace tarvo {
namespace {

// The reply buffer every command shares: MCI is told it holds 200
// characters; one more keeps it terminated.

// Whether the file's first n bytes could be read, into `bytes`.
bool FirstBytes(const char* file, unsigned char* bytes, DWORD n) {
    OpenFile f;
    f.h = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD got = 0;
    return f.ok() && ReadFile(f.h, bytes, n, &got, nullptr) && got == n;
}

}  // namespace

char* MciReply() {
    static char reply[knl::kReplyLength + 1];
    return reply;
}

std::uint32_t MciCommand(const char* command) {
    return mciSendStringA(command, MciReply(), knl::kReplyLength, nullptr);
}

bool CdIsCd() {
    MciCommand(kOpenCd);
    if (MciReply()[0] != '1') return false;
    MciCommand(kCloseCd);
    return true;
}

std::string CdTraLen(const char* track) {
    MciCommand(("status QXCD length track " + std::string(track)).c_str());
    return MciReply();
}

std::string CdSeek(const char* track) {
    MciCommand(CdSeekCommand(track).c_str());
    return MciReply();
}

std::string CdTraPos(const char* track) {
    MciCommand(CdTrackPositionCommand(track).c_str());
    return MciReply();
}

std::string CdCommandSend(const char* command) {
    MciCommand(command);
    return MciReply();
}

std::string VidOpen(const char* file) {
    LastMciError() = MciCommand(("open " + std::string(file) + " alias QXAVI").c_str());
    return MciReply();
}

std::string MciSendText(const char* command) {
    LastMciError() = static_cast<std::uint32_t>(MciSend(command, MciReply()));
    return MciReply();
}

std::int32_t MciDevice(const char* name) { return static_cast<std::int32_t>(mciGetDeviceIDA(name)); }

std::string MciError() {
    // Filled for the last error, handed out, and emptied again: an error
    // Windows has no text for gives the empty text.
    char text[knl::kReplyLength + 1] = {};
    mciGetErrorStringA(LastMciError(), text, knl::kReplyLength);
    text[knl::kReplyLength] = '\0';
    return text;
}

bool MciIsWave(const char* file) {
    unsigned char b[12];
    return FirstBytes(file, b, 12) && b[8] == 'W' && b[9] == 'A' && b[10] == 'V' && b[11] == 'E';
}

bool MciIsRiff(const char* file) {
    unsigned char b[4];
    return FirstBytes(file, b, 4) && b[0] == 'R' && b[1] == 'I' && b[2] == 'F' && b[3] == 'F';
}

// Plays a sound file from an area of the library's own, zeros behind the
// name: Wine's sound thread may read the name after the call, and as wide
// text. The sound playing ends first, so that nothing reads the area while
// it changes (which is why flag 16, keep a sound playing, has no effect on
// the host's own sounds).
static void PlayFile(std::string_view file, std::uint32_t flags) {
    static std::string area;
    // Windows holds the name as a counted wide text of at most 32766
    // characters; a longer one (no file or alias has such a name) is not
    // handed over, as Wine's sound thread faults on it.
    if (file.size() > kLongestSoundName) return;
    sndPlaySoundA(nullptr, 0);
    area.assign(file).append(4, '\0');
    sndPlaySoundA(area.c_str(), flags);
}

void SndPlay(const char* file, Opt<std::int32_t> flags) {
    RememberSound(file);
    PlayFile(file, SoundFlags(flags));
}

void SndRepeat() {
    std::string file;
    if (RememberedSoundName(&file)) PlayFile(file, SND_ASYNC);
}

}  // namespace tarvo
