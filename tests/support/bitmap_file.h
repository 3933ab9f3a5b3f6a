// Bitmap files made by the tests: the bytes of a whole file with a file
// header and an information header of any of the sizes Windows knows (12 the
// core header, 40 the information header, 108 and 124 its successors), and
// zeroed pixels.
#pragma once

#include <cstdint>
#include <string>

namespace tarvo::test {

inline void PutLe(std::string& s, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// width and height are written as the header's own fields (16 bits in the
// core header, 32 bits in the others; a negative height is a top-down
// bitmap). The size field holds the true length unless announced is given.
inline std::string BitmapFile(std::uint32_t infoSize, std::int32_t width, std::int32_t height,
                              int bits, std::int64_t announced = -1) {
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
    const std::uint32_t rows = height < 0 ? -height : height;
    const std::uint32_t palette = bits <= 8 ? (4u << bits) : 0;
    std::string s(14 + infoSize + palette + rowBytes * rows, '\0');
    s[0] = 'B';
    s[1] = 'M';
    PutLe(s, 2, announced < 0 ? static_cast<std::uint32_t>(s.size())
                              : static_cast<std::uint32_t>(announced), 4);
    PutLe(s, 10, 14 + infoSize + palette, 4);
    PutLe(s, 14, infoSize, 4);
    if (infoSize == 12) {
        PutLe(s, 18, static_cast<std::uint32_t>(width), 2);
        PutLe(s, 20, static_cast<std::uint32_t>(height), 2);
        PutLe(s, 22, 1, 2);
        PutLe(s, 24, bits, 2);
    } else {
        PutLe(s, 18, static_cast<std::uint32_t>(width), 4);
        PutLe(s, 22, static_cast<std::uint32_t>(height), 4);
        PutLe(s, 26, 1, 2);
        PutLe(s, 28, bits, 2);
    }
    return s;
}

}  // namespace tarvo::test
