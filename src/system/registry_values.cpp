#include "system/registry_values.h"

#include <cmath>

#include "host/ascii.h"

namespace tarvo {

std::int32_t& RegistryLastError() {
    static std::int32_t code = kRegNothingRecorded;
    return code;
}

std::uint32_t RootKeyOf(std::string_view name) {
    static constexpr const char* kRoots[] = {
        "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
        "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
    const std::string upper = UpperAscii(name);
    for (std::uint32_t i = 0; i < std::size(kRoots); ++i)
        if (upper == kRoots[i]) return 0x80000000u + i;
    return 0;
}

ValueReading ReadingOf(std::uint32_t type) {
    switch (type) {
    case 1:
    case 2: return {ValueReading::kText, nullptr, kRegNothingRecorded};
    case 0: return {ValueReading::kEmpty, nullptr, 4};
    case 3: return {ValueReading::kRefused, "TARVO cannot handle binary values", 7};
    case 4: return {ValueReading::kNumber, nullptr, 8};
    case 5: return {ValueReading::kRefused, "TARVO cannot handle Big Endian values", 9};
    case 6: return {ValueReading::kRefused, "TARVO cannot handle Link values", 10};
    case 7: return {ValueReading::kRefused, "TARVO cannot handle Multi SZ values", 11};
    case 8: return {ValueReading::kRefused, "TARVO cannot handle Resource List values", 12};
    case 9: return {ValueReading::kEmpty, nullptr, 13};
    default: return {ValueReading::kEmpty, nullptr, 14};
    }
}

std::string ValueText(std::string_view data) { return std::string(data.substr(0, data.find('\0'))); }

std::int32_t ValueNumber(std::string_view data) {
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i)
        n |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return static_cast<std::int32_t>(n);
}

namespace {

std::int32_t Truncated(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(v);
}

std::string LittleEndian(std::int32_t n) {
    const auto u = static_cast<std::uint32_t>(n);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
            static_cast<char>(u >> 24)};
}

}  // namespace

ValueData DataOf(const AnyValue& value) {
    switch (value.type) {
    case 'C': {
        std::string bytes(value.text);
        bytes += '\0';
        return {true, 1, std::move(bytes)};
    }
    case 'I': return {true, 4, LittleEndian(value.integer)};
    case 'N': return {true, 4, LittleEndian(Truncated(value.number))};
    default: return {};
    }
}

}  // namespace tarvo
