// Drive texts as the drive functions read them, and the answers made from
// the drive lists and volume records Windows gives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tarvo {

// A drive text. Functions that hand it to Windows or to the companion
// library pass it as it came (a root path such as "C:\" is what those take);
// functions that need a drive letter read only its first character,
// upper-cased.
class DriveText {
  public:
    // `upper` upper-cases one character (the companion's _QckUpper).
    DriveText(std::string_view text, int (*upper)(int));

    std::string_view root() const { return text_; }
    // The first character upper-cased; 0 for the empty text.
    unsigned char letter() const { return letter_; }
    // The bit of the letter in GetLogicalDrives' mask: the distance from A
    // modulo 32, so "a" and "A" both give bit 0, "[" bit 26 and "#" bit 2.
    int maskBit() const { return (letter_ - 'A') & 31; }
    // 1 for A to 26 for Z, lower-case letters too; 0 when the first
    // character is no letter of A to Z.
    int number() const;
    // "X:\" for the letter; empty when there is none.
    std::string letterRoot() const;

  private:
    std::string_view text_;
    unsigned char letter_;
};

// The letters of the drives in a GetLogicalDriveStrings list (root paths,
// each ended by a zero, the list by an empty one): every byte up to the
// first pair of zeros that is neither a zero, ":" nor "\".
std::string DriveLetters(std::string_view list);

// The one-character text of SYS_MAKEDRIVE: the low 8 bits of number + 64.
std::string DriveCharacter(std::int32_t number);

// What GetVolumeInformation tells of a volume.
struct VolumeRecord {
    std::string label;
    std::string fileSystem;
    std::uint32_t serial = 0;
    std::uint32_t maxComponent = 0;
    std::uint32_t flags = 0;
};

// SYS_VOLUME's item: 1 the label, 2 the serial number, 3 the maximum
// component length, 4 the file-system flags (numbers as signed 32-bit
// values), 5 the file-system name; any other selector .F..
using VolumeAnswer = std::variant<std::string, std::int32_t, bool>;
VolumeAnswer VolumeItem(const VolumeRecord& volume, std::int32_t selector);
inline bool KnownVolumeItem(std::int32_t selector) { return selector >= 1 && selector <= 5; }

// The volume error flag: 1 after a volume query failed, 0 after one
// succeeded; read and cleared by SYS_LASTERROR. 0 at load.
struct VolumeFlag {
    std::int32_t value = 0;
    void Set(bool failed) { value = failed ? 1 : 0; }
    std::int32_t Take() {
        const std::int32_t v = value;
        value = 0;
        return v;
    }
};
VolumeFlag& SharedVolumeFlag();

}  // namespace tarvo
