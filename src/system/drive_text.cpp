#include "system/drive_text.h"

namespace tarvo {

DriveText::DriveText(std::string_view text, int (*upper)(int))
    : text_(text),
      letter_(text.empty() ? 0 : static_cast<unsigned char>(upper(static_cast<unsigned char>(text[0])))) {}

int DriveText::number() const {
    if (letter_ >= 'A' && letter_ <= 'Z') return letter_ - 'A' + 1;
    if (letter_ >= 'a' && letter_ <= 'z') return letter_ - 'a' + 1;  // an upper case that did not
    return 0;
}

std::string DriveText::letterRoot() const {
    const int n = number();
    return n ? std::string{static_cast<char>('A' + n - 1), ':', '\\'} : std::string();
}

std::string DriveLetters(std::string_view list) {
    std::string letters;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (c == '\0') {
            if (i > 0 && list[i - 1] == '\0') break;
            continue;
        }
        if (c != ':' && c != '\\') letters += c;
    }
    return letters;
}

std::string DriveCharacter(std::int32_t number) {
    return std::string(1, static_cast<char>(static_cast<std::uint32_t>(number) + 64));
}

VolumeAnswer VolumeItem(const VolumeRecord& volume, std::int32_t selector) {
    switch (selector) {
    case 1: return volume.label;
    case 2: return static_cast<std::int32_t>(volume.serial);
    case 3: return static_cast<std::int32_t>(volume.maxComponent);
    case 4: return static_cast<std::int32_t>(volume.flags);
    case 5: return volume.fileSystem;
    default: return false;
    }
}

VolumeFlag& SharedVolumeFlag() {
    static VolumeFlag flag;
    return flag;
}

}  // namespace tarvo
