#include "strings/scramble.h"

namespace tarvo {

std::string_view ScrambleKey(std::string_view key) {
    key = key.substr(0, 1024);
    return key.substr(0, key.find('\0'));
}

std::optional<std::int32_t> KeyHash(std::string_view key) {
    std::int32_t h = 1;
    for (std::size_t i = 0; i < key.size(); ++i)
        h += static_cast<std::int32_t>(i) + static_cast<signed char>(key[i]);
    while (h < 10000000) {
        if (h == 0) return std::nullopt;
        h = static_cast<std::int32_t>(static_cast<std::uint32_t>(h) << 1);
    }
    return h;
}

void Scramble(char* data, std::size_t size, std::string_view key) {
    if (key.size() < 3) return;
    const std::optional<std::int32_t> hash = KeyHash(key);
    if (!hash) return;
    // C remainders: they take the sign of the dividend.
    const std::int64_t n = static_cast<std::int64_t>(size);
    std::int64_t s = ((*hash / 997 - 1) % 254) + 1;
    const auto first = static_cast<unsigned char>(key[0]);
    for (std::int64_t i = 0; i < n; ++i) {
        s = ((i + s - n - 1) % 254) + 1;
        const auto keyByte = static_cast<unsigned char>(first ^ (s & 0xFF));
        const auto scrambled = static_cast<char>(static_cast<unsigned char>(data[i]) ^ keyByte);
        if (scrambled != 0) data[i] = scrambled;
    }
}

std::string StrAddCod(std::string_view text, std::int32_t n) {
    std::string out(text);
    const auto shift = static_cast<unsigned char>(n & 0xFF);
    for (char& c : out) c = static_cast<char>(static_cast<unsigned char>(c) + shift);
    return out;
}

std::int32_t StrAscii(std::string_view text) {
    std::uint32_t sum = 0;
    for (char c : text) sum += static_cast<std::uint32_t>(static_cast<signed char>(c));
    return static_cast<std::int32_t>(sum);
}

std::int32_t StrAscii2(std::string_view text) {
    std::uint32_t sum = 0, position = 0;
    for (char c : text) sum += ++position * static_cast<std::uint32_t>(static_cast<signed char>(c));
    return static_cast<std::int32_t>(sum);
}

}  // namespace tarvo
