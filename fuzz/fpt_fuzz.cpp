// libFuzzer target for the memo format, built by fuzz/CMakeLists.txt (see
// scripts/fuzz.sh). The input is a memo file. When its header is taken, the
// next free block must lie at or past the end of the file; the blocks named
// by the input's last bytes are located, and their bytes read only when
// Locate says they are inside the file. A memo written at the next free
// block must then be found again with its own text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <string_view>
#include <vector>

#include "hostdata/fpt.h"

namespace {

using namespace tarvo::fpt;

void Check(bool ok, unsigned line = __builtin_LINE()) {
    if (ok) return;
    std::fprintf(stderr, "check failed at line %u\n", line);
    std::abort();
}

std::uint32_t Big32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// Locates `block` in `file` the way the runner does: the head is read only
// when it lies in the file, zeros otherwise.
bool Find(const Header& h, const std::vector<unsigned char>& file, std::uint32_t block, std::uint64_t* at,
          std::uint32_t* n) {
    unsigned char head[kMemoHead] = {};
    const std::uint64_t pos = std::uint64_t{block} * h.blockSize;
    if (pos + kMemoHead <= file.size()) std::memcpy(head, &file[pos], kMemoHead);
    if (!Locate(h, file.size(), block, head, at, n)) return false;
    Check(block != 0 && pos >= kHeaderSize && *at == pos + kMemoHead && *at + *n <= file.size());
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> file(data, data + size);
    unsigned char first[8] = {};
    std::memcpy(first, data, std::min<std::size_t>(size, 8));
    Header h;
    if (!DecodeHeader(first, size, &h)) return 0;
    Check(size >= 8 && h.blockSize != 0);
    Check(std::uint64_t{h.nextFree} * h.blockSize >= size);
    Check(h.nextFree >= FirstBlock(h.blockSize));
    Check(std::uint64_t{FirstBlock(h.blockSize)} * h.blockSize >= kHeaderSize);

    // Blocks named by the last bytes: small ones, and one of 32 bits.
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 8); ++i) {
        std::uint64_t at = 0;
        std::uint32_t n = 0;
        if (Find(h, file, data[size - 1 - i], &at, &n))
            for (std::uint32_t k = 0; k < n; ++k) sum += file[at + k];
    }
    if (size >= 12) {
        std::uint64_t at = 0;
        std::uint32_t n = 0;
        if (Find(h, file, Big32(data + size - 12), &at, &n))
            for (std::uint32_t k = 0; k < n; ++k) sum += file[at + k];
    }

    // A memo of the file's tail, written at the next free block, reads back.
    const std::uint64_t start = std::uint64_t{h.nextFree} * h.blockSize;
    if (start > (1u << 20)) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + size / 2, size - size / 2);
    const std::vector<unsigned char> memo = EncodeMemo(text, h.blockSize);
    Check(memo.size() % h.blockSize == 0 && memo.size() >= kMemoHead + text.size() &&
          memo.size() < kMemoHead + text.size() + h.blockSize);
    std::vector<unsigned char> grown = file;
    grown.resize(static_cast<std::size_t>(start), 0);
    grown.insert(grown.end(), memo.begin(), memo.end());
    std::uint64_t at = 0;
    std::uint32_t n = 0;
    Check(Find(h, grown, h.nextFree, &at, &n));
    Check(n == text.size() && std::memcmp(&grown[at], text.data(), n) == 0);
    return sum == 0xFFFFFFFFFFFFFFFFull;  // keeps the reads
}
