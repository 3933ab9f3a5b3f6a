#include "printers/settings_fields.h"

#include <cstring>
#include <iterator>

namespace tarvo {
namespace {

using K = FieldKind;

// The record's fields in Windows' order (DEVMODEA).
constexpr SettingsField kFields[] = {
    {1, "device name", 0, K::Text, 0},
    {2, "record layout version", 32, K::Unsigned16, 0},
    {3, "driver version", 34, K::Unsigned16, 0},
    {4, "size of the record", 36, K::Unsigned16, 0},
    {5, "size of the driver's extra data", 38, K::Unsigned16, 0},
    {6, "field mask", 40, K::Integer32, 0},
    {7, "orientation", 44, K::Signed16, 2},
    {8, "paper size", 46, K::Signed16, 2},
    {9, "paper length", 48, K::Signed16, 2},
    {10, "paper width", 50, K::Signed16, 2},
    {11, "scale", 52, K::Signed16, 2},
    {12, "copies", 54, K::Signed16, 2},
    {13, "default paper source", 56, K::Signed16, 2},
    {14, "print quality", 58, K::Signed16, 2},
    {15, "colour", 60, K::Signed16, 2},
    {16, "duplex", 62, K::Signed16, 2},
    {17, "vertical resolution", 64, K::Signed16, 2},
    {18, "TrueType option", 66, K::Signed16, 2},
    {19, "collate", 68, K::Signed16, 2},
    {20, "form name", 70, K::Text, 0},
    {21, "logical pixels per inch", 102, K::Unsigned16, 2},
    {22, "bits per pixel", 104, K::Integer32, 4},
    {23, "width in pixels", 108, K::Integer32, 4},
    {24, "height in pixels", 112, K::Integer32, 4},
    {25, "display flags", 116, K::Integer32, 4},
    {26, "display frequency", 120, K::Integer32, 4},
    {27, "colour-matching method", 124, K::Integer32, 4},
    {28, "colour-matching intent", 128, K::Integer32, 4},
    {29, "media type", 132, K::Integer32, 4},
    {30, "dither type", 136, K::Integer32, 4},
    {31, "first reserved field", 140, K::Integer32, 4},
    {32, "second reserved field", 144, K::Integer32, 4},
};

std::string FieldText(const unsigned char* at) {
    const char* text = reinterpret_cast<const char*>(at);
    return std::string(text, strnlen(text, 32));
}

}  // namespace

const SettingsField* FieldOfItem(std::int32_t item) {
    if (item < 1 || item > static_cast<std::int32_t>(std::size(kFields))) return nullptr;
    return &kFields[item - 1];
}

std::int32_t ReadNumber(const unsigned char* record, const SettingsField& field) {
    const unsigned char* at = record + field.offset;
    switch (field.kind) {
    case K::Unsigned16: {
        std::uint16_t v;
        std::memcpy(&v, at, 2);
        return v;
    }
    case K::Signed16: {
        std::int16_t v;
        std::memcpy(&v, at, 2);
        return v;
    }
    case K::Integer32: {
        std::int32_t v;
        std::memcpy(&v, at, 4);
        return v;
    }
    case K::Text:
        break;
    }
    return 0;
}

std::variant<std::string, std::int32_t> ReadField(const unsigned char* record,
                                                  const SettingsField& field) {
    if (field.kind == K::Text) return FieldText(record + field.offset);
    return ReadNumber(record, field);
}

bool WriteField(unsigned char* record, const SettingsField& field, std::int32_t value) {
    if (field.writeWidth == 0) return false;
    const auto bits = static_cast<std::uint32_t>(value);
    if (field.writeWidth == 2) {
        const auto low = static_cast<std::uint16_t>(bits);
        std::memcpy(record + field.offset, &low, 2);
    } else {
        std::memcpy(record + field.offset, &bits, 4);
    }
    return true;
}

std::variant<std::string, std::int32_t> ItemAnswer(std::int32_t item, const unsigned char* record,
                                                   const PrinterTexts& texts) {
    if (const SettingsField* field = FieldOfItem(item)) return ReadField(record, *field);
    if (item >= kItemFirstText && item <= kItemLastText) return texts.text[item - kItemFirstText];
    if (item == 5000) {
        std::string summary;
        for (std::int32_t i = kItemOrientation; i <= 19; ++i) {
            if (i != kItemOrientation) summary += ',';
            summary += std::to_string(ReadNumber(record, *FieldOfItem(i)));
        }
        return summary;
    }
    if (item == 5001) {
        std::string names = FieldText(record);
        for (const std::string& t : texts.text) names += ',' + t;
        return names;
    }
    if (item == 9000) return std::string("TARVO : all settings not supported yet");
    return std::string("TARVO : information not supported");
}

std::string JoinNameList(const char* list) {
    std::string joined;
    if (!list) return joined;
    for (const char* name = list; *name; name += std::strlen(name) + 1) {
        if (!joined.empty()) joined += ';';
        joined += name;
    }
    return joined;
}

}  // namespace tarvo
