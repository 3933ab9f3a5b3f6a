// Bitmap file headers: the signature and the header fields, read from any
// source of bytes.
#include "files/bitmaps.h"

#include <algorithm>
#include <array>

namespace tarvo {
namespace {

std::uint32_t U16(const unsigned char* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const unsigned char* p) {
    return U16(p) | (static_cast<std::uint32_t>(U16(p + 2)) << 16);
}

BitmapHeader Failure(std::int32_t code) {
    BitmapHeader h;
    h.code = code;
    return h;
}

// Reads exactly n bytes unless the source ends first; answers how many came.
std::size_t ReadFully(const ByteSource& source, unsigned char* buffer, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const std::size_t k = source.read(source.ctx, buffer + got, n - got);
        if (k == 0) break;
        got += k;
    }
    return got;
}

}  // namespace

bool HasBitmapSignature(const unsigned char* bytes, std::size_t n) {
    return n >= kBitmapFileHeaderSize && bytes[0] == 'B' && bytes[1] == 'M';
}

std::int32_t ColorsFor(std::int32_t bits) {
    if (bits == 24) return 256;
    return static_cast<std::int32_t>(std::uint32_t{1} << (static_cast<std::uint32_t>(bits) % 32));
}

BitmapHeader ParseInfoHeader(const unsigned char* block, std::size_t n) {
    if (n < 4) return Failure(-5);
    const std::uint32_t size = U32(block);
    BitmapHeader h;
    if (size == 12 && n >= 12) {  // the core header: 16-bit fields
        h.width = U16(block + 4);
        h.height = U16(block + 6);
        h.bits = U16(block + 10);
    } else if (size >= 16 && n >= 16) {  // the information header and its successors
        h.width = U16(block + 4);   // low 16 bits of the 32-bit width
        h.height = U16(block + 8);  // low 16 bits of the 32-bit height
        h.bits = U16(block + 14);
    } else {
        return Failure(-5);
    }
    h.code = 0;
    h.colors = ColorsFor(h.bits);
    return h;
}

BitmapHeader ReadBitmapHeader(const ByteSource& source) {
    std::array<unsigned char, kBitmapFileHeaderSize> file{};
    if (ReadFully(source, file.data(), file.size()) < file.size()) return Failure(-2);
    if (file[0] != 'B' || file[1] != 'M') return Failure(-3);
    const std::int64_t rest = static_cast<std::int64_t>(U32(file.data() + 2)) -
                              static_cast<std::int64_t>(kBitmapFileHeaderSize);
    const std::uint64_t held =
        source.length > kBitmapFileHeaderSize ? source.length - kBitmapFileHeaderSize : 0;
    if (rest < 0 || static_cast<std::uint64_t>(rest) > held) return Failure(-4);
    // The first bytes of the rest are kept; the others are read through, so
    // that a file shorter than it says still fails however it came.
    std::array<unsigned char, 64> kept{};
    std::array<unsigned char, 4096> through;
    std::uint64_t left = static_cast<std::uint64_t>(rest);
    const std::size_t first = static_cast<std::size_t>(std::min<std::uint64_t>(left, kept.size()));
    if (ReadFully(source, kept.data(), first) < first) return Failure(-4);
    left -= first;
    while (left > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, through.size()));
        if (ReadFully(source, through.data(), n) < n) return Failure(-4);
        left -= n;
    }
    return ParseInfoHeader(kept.data(), first);
}

BitmapValues& KeptBitmapValues() {
    static BitmapValues values;
    return values;
}

void ResetBitmapValues() { KeptBitmapValues() = {}; }

void KeepBitmapHeader(BitmapValues& values, const BitmapHeader& header) {
    values.width = values.height = -1;
    if (header.code != 0) return;
    values = {header.width, header.height, header.bits, header.colors};
}

}  // namespace tarvo
