#include "kernel/hex_text.h"

#include <cstring>

namespace knl {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int DigitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

char* NumToHex(char* buffer, std::int32_t n) {
    if (!buffer) return buffer;
    std::uint32_t v = static_cast<std::uint32_t>(n);
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kDigits[v & 0xF];
        v >>= 4;
    } while (v != 0);
    for (int i = 0; i < count; ++i) buffer[i] = digits[count - 1 - i];
    buffer[count] = '\0';
    return buffer;
}

char* BytesToHex(const char* text, char* buffer, int n) {
    if (!buffer) return buffer;
    if (!text || n < 0) n = 0;
    for (int i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        buffer[2 * i] = kDigits[c >> 4];
        buffer[2 * i + 1] = kDigits[c & 0xF];
    }
    buffer[2 * static_cast<long long>(n)] = '\0';
    return buffer;
}

char* HexToBytes(const char* hex, char* buffer, int n) {
    if (!buffer) return buffer;
    int out = 0;
    if (hex) {
        for (int i = 0; i + 1 < n; i += 2) {
            const int hi = DigitValue(static_cast<unsigned char>(hex[i]));
            if (hi < 0) break;
            const int lo = DigitValue(static_cast<unsigned char>(hex[i + 1]));
            if (lo < 0) break;
            buffer[out++] = static_cast<char>(hi * 16 + lo);
        }
    }
    buffer[out] = '\0';
    return buffer;
}

char* PadLeft(const char* text, char* buffer, int widthPlus1, int pad) {
    if (!buffer || widthPlus1 <= 0) return buffer;
    const std::size_t width = static_cast<std::size_t>(widthPlus1) - 1;
    const std::size_t length = text ? std::strlen(text) : 0;
    if (length >= width) {
        if (width > 0) std::memcpy(buffer, text, width);
        buffer[width] = '\0';
        return buffer;
    }
    const char fill = (pad & 0xFF) ? static_cast<char>(pad & 0xFF) : ' ';
    const std::size_t lead = width - length;
    std::memset(buffer, fill, lead);
    if (length > 0) std::memcpy(buffer + lead, text, length);
    buffer[width] = '\0';
    return buffer;
}

}  // namespace knl
