// Media control: command texts, truth words and the remembered sound.
#include "media/media.h"

namespace tarvo {
namespace {

constexpr std::string_view kSoundMark = ">>>>";

// A template with two characters of the text put at `at` (0-based) and
// `at + 1`, as a C string would end at an empty text's terminating zero.
std::string Patched(std::string text, std::size_t at, std::string_view track) {
    if (track.empty()) return text.substr(0, at);
    text[at] = track[0];
    if (track.size() > 1) text[at + 1] = track[1];
    return text;
}

}  // namespace

bool IsTruthWord(std::string_view reply) { return reply == "true" || reply == "vrai"; }

std::string CdSeekCommand(std::string_view track) {
    return Patched("seek QXCD to   ", 13, track);
}

std::string CdTrackPositionCommand(std::string_view track) {
    return Patched("status QXCD position track   ", 27, track);
}

std::string& RememberedSound() {
    static std::string sound;
    return sound;
}

void RememberSound(std::string_view file) {
    RememberedSound() = std::string(kSoundMark) + std::string(file);
}

bool RememberedSoundName(std::string* file) {
    const std::string& s = RememberedSound();
    if (s.compare(0, kSoundMark.size(), kSoundMark) != 0) return false;
    *file = s.substr(kSoundMark.size());
    return true;
}

std::uint32_t SoundFlags(Opt<std::int32_t> flags) {
    return flags.present ? static_cast<std::uint32_t>(flags.value) & kSoundFlagsKept : 1;
}

std::uint32_t& LastMciError() {
    static std::uint32_t error = 0;
    return error;
}

void ResetMedia() {
    LastMciError() = 0;
    RememberedSound().clear();
}

}  // namespace tarvo
