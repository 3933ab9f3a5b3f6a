// libFuzzer target for the bitmap header reader, built by fuzz/CMakeLists.txt
// (see scripts/fuzz.sh). The input is a file: its first byte chooses the size
// of the pieces the source hands out, the rest is the file. The reader must
// answer one of its codes; with 0 the four values must be what the file's
// own bytes say, and it must never ask for more than the file holds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "files/bitmaps.h"

namespace {

[[noreturn]] void Fail() { std::abort(); }

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
    std::size_t piece;
};

std::uint32_t Le(const std::uint8_t* p, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Source s{data + 1, size - 1, 0, static_cast<std::size_t>(data[0] % 17)};
    tarvo::ByteSource source{&s, s.size, [](void* ctx, unsigned char* buf, std::size_t n) {
                                 auto* f = static_cast<Source*>(ctx);
                                 n = std::min(n, f->size - f->pos);
                                 if (f->piece) n = std::min(n, f->piece);
                                 std::memcpy(buf, f->data + f->pos, n);
                                 f->pos += n;
                                 return n;
                             }};
    const tarvo::BitmapHeader h = tarvo::ReadBitmapHeader(source);
    const std::uint8_t* f = s.data;
    if (h.code < -5 || h.code > 0 || h.code == -1) Fail();
    if (h.code != 0) {
        if (h.width != -1 || h.height != -1) Fail();
        return 0;
    }
    // Success: a whole file header "BM", an announced rest the file holds,
    // and the fields where the information header's size puts them.
    if (s.size < 14 || f[0] != 'B' || f[1] != 'M') Fail();
    const std::int64_t rest = static_cast<std::int64_t>(Le(f + 2, 4)) - 14;
    if (rest < 0 || static_cast<std::uint64_t>(rest) > s.size - 14) Fail();
    const std::uint8_t* info = f + 14;
    const std::uint32_t infoSize = Le(info, 4);
    std::uint32_t w, hgt, bits;
    if (infoSize == 12) {
        if (rest < 12) Fail();
        w = Le(info + 4, 2), hgt = Le(info + 6, 2), bits = Le(info + 10, 2);
    } else {
        if (infoSize < 16 || rest < 16) Fail();
        w = Le(info + 4, 2), hgt = Le(info + 8, 2), bits = Le(info + 14, 2);
    }
    if (h.width != static_cast<std::int32_t>(w) || h.height != static_cast<std::int32_t>(hgt) ||
        h.bits != static_cast<std::int32_t>(bits) || h.colors != tarvo::ColorsFor(h.bits))
        Fail();
    if (s.pos != 14 + static_cast<std::size_t>(rest)) Fail();
    return 0;
}
