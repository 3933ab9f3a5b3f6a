// Bitmap file headers: the signature test and the header reader behind
// BMP_ISBMP and BMP_HEADER, over any source of bytes, and the four values the
// last successful header read leaves for BMP_WIDTH, BMP_HEIGHT, BMP_BITS and
// BMP_COLORS.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarvo {

// Bytes read in order from the start of a file whose whole length is known.
struct ByteSource {
    void* ctx = nullptr;
    std::uint64_t length = 0;  // the file's length in bytes
    // Reads up to n bytes at the current position; answers how many came.
    std::size_t (*read)(void* ctx, unsigned char* buffer, std::size_t n) = nullptr;
};

constexpr std::size_t kBitmapFileHeaderSize = 14;

// Whether the first bytes of a file make a whole file header with the type "BM".
bool HasBitmapSignature(const unsigned char* bytes, std::size_t n);

// What one header read found: code 0 and the four values, or a failure code
// (-2 file header short, -3 not "BM", -4 the rest as announced cannot be
// read, -5 an information header size the library does not know or a block
// too short for the fields it names; -1, the file cannot be opened, belongs
// to the caller).
struct BitmapHeader {
    std::int32_t code = 0;
    std::int32_t width = -1;
    std::int32_t height = -1;
    std::int32_t bits = -1;
    std::int32_t colors = -1;
};

// Reads the file header and the rest of the file as its size field announces
// it. The rest is read through, not kept: only the information header's first
// 16 bytes are looked at. An announced size below 14, or larger than what the
// file holds after its header, gives -4 without reading on.
BitmapHeader ReadBitmapHeader(const ByteSource& source);

// The information header's fields out of a block of n bytes (the rest of the
// file): code 0 or -5.
BitmapHeader ParseInfoHeader(const unsigned char* block, std::size_t n);

// The number of colours for a bit count: 256 for 24 bits, otherwise 2 to the
// power of the count modulo 32 (32 bits give 1; 31 bits give -2147483648).
std::int32_t ColorsFor(std::int32_t bits);

// The values of the last successful BMP_HEADER, -1 each at load.
struct BitmapValues {
    std::int32_t width = -1;
    std::int32_t height = -1;
    std::int32_t bits = -1;
    std::int32_t colors = -1;
};
BitmapValues& KeptBitmapValues();
void ResetBitmapValues();
// A header read's effect on the values: width and height go back to -1
// first; all four take the header's values when it succeeded.
void KeepBitmapHeader(BitmapValues& values, const BitmapHeader& header);

template <std::int32_t BitmapValues::*Field>
std::int32_t KeptBitmapValue() {
    return KeptBitmapValues().*Field;
}

// The handlers' own functions (bitmaps_win.cpp).
bool BmpIsBmp(const char* file);
std::int32_t BmpHeader(const char* file);

}  // namespace tarvo
