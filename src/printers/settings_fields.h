// A printer's settings record (Windows' DEVMODEA, 156 bytes) read and
// written field by field through one table of fields, and the answers of
// PRN_GETPRNDATA by item number. Plain code: the record is a byte block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace tarvo {

constexpr std::size_t kSettingsRecordSize = 156;

enum class FieldKind : std::uint8_t {
    Text,      // a zero-terminated text in a 32-byte field
    Unsigned16,
    Signed16,
    Integer32,
};

// One field: its item number (1 to 32), its offset in the record, its kind,
// and how many bytes PRN_SETPRNDATA writes (0: the field is read only).
struct SettingsField {
    std::int32_t item;
    const char* name;
    std::uint16_t offset;
    FieldKind kind;
    std::uint8_t writeWidth;
};

// The field of an item number; null for a number that is no field.
const SettingsField* FieldOfItem(std::int32_t item);

// Items of the settings record.
constexpr std::int32_t kItemSpecVersion = 2, kItemDriverVersion = 3, kItemSize = 4,
                       kItemDriverExtra = 5, kItemFields = 6, kItemOrientation = 7,
                       kItemPaperSize = 8, kItemPaperLength = 9, kItemPaperWidth = 10,
                       kItemScale = 11, kItemCopies = 12, kItemSource = 13, kItemQuality = 14,
                       kItemColor = 15, kItemDuplex = 16, kItemResolution = 17,
                       kItemTrueType = 18;

// A field's value: its text, or its number read by its kind.
std::variant<std::string, std::int32_t> ReadField(const unsigned char* record,
                                                  const SettingsField& field);
// A number field as an integer (0 for a text field).
std::int32_t ReadNumber(const unsigned char* record, const SettingsField& field);
// Stores the low writeWidth bytes of `value` into a writable field; false
// (nothing stored) for a read-only field.
bool WriteField(unsigned char* record, const SettingsField& field, std::int32_t value);

// The eleven texts of a printer's information record, in its order: server,
// printer, share, port, driver, comment, location, separator file, print
// processor, data type, parameters. An absent text is empty.
struct PrinterTexts {
    std::string text[11];
};

constexpr std::int32_t kItemFirstText = 1000, kItemComment = 1005, kItemLastText = 1010;

// PRN_GETPRNDATA's answer for an item, from the settings record and the
// printer's texts (items 1 to 32, 1000 to 1010, 5000, 5001, 9000; a message
// for any other).
std::variant<std::string, std::int32_t> ItemAnswer(std::int32_t item, const unsigned char* record,
                                                   const PrinterTexts& texts);

// A list of zero-terminated names ended by an empty one, joined by ";" (an
// absent list is empty).
std::string JoinNameList(const char* list);

}  // namespace tarvo
