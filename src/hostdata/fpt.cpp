#include "hostdata/fpt.h"

#include <cstring>

namespace tarvo::fpt {
namespace {

void PutBig32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (24 - 8 * i));
}
std::uint32_t Big32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

std::uint32_t FirstBlock(std::uint32_t blockSize) {
    if (blockSize == 0) blockSize = 1;  // no blocks: memos follow the header
    return static_cast<std::uint32_t>((std::uint64_t{kHeaderSize} + blockSize - 1) / blockSize);
}

std::vector<unsigned char> EncodeHeader(const Header& h) {
    std::vector<unsigned char> out(kHeaderSize, 0);
    PutBig32(out.data(), h.nextFree);
    out[6] = static_cast<unsigned char>(h.blockSize >> 8);
    out[7] = static_cast<unsigned char>(h.blockSize);
    return out;
}

bool DecodeHeader(const unsigned char* first8, std::uint64_t fileSize, Header* out) {
    if (fileSize < 8) return false;
    Header h;
    h.nextFree = Big32(first8);
    h.blockSize = std::uint32_t{first8[6]} << 8 | first8[7];
    if (h.blockSize == 0) return false;
    const std::uint64_t end = fileSize / h.blockSize + (fileSize % h.blockSize != 0);
    if (end > 0xFFFFFFFFu) return false;
    if (h.nextFree < end) h.nextFree = static_cast<std::uint32_t>(end);
    if (h.nextFree < FirstBlock(h.blockSize)) h.nextFree = FirstBlock(h.blockSize);
    *out = h;
    return true;
}

bool Locate(const Header& h, std::uint64_t fileSize, std::uint32_t block, const unsigned char* head,
            std::uint64_t* offset, std::uint32_t* length) {
    const std::uint64_t at = std::uint64_t{block} * h.blockSize;
    if (block == 0 || at < kHeaderSize || at + kMemoHead > fileSize) return false;
    const std::uint32_t n = Big32(head + 4);
    if (at + kMemoHead + n > fileSize || n > 0x7FFFFFF0u) return false;
    *offset = at + kMemoHead;
    *length = n;
    return true;
}

std::vector<unsigned char> EncodeMemo(std::string_view text, std::uint32_t blockSize) {
    if (blockSize == 0) blockSize = 1;  // no blocks: no padding
    const std::uint64_t total = kMemoHead + std::uint64_t{text.size()};
    std::vector<unsigned char> out(static_cast<std::size_t>((total + blockSize - 1) / blockSize * blockSize), 0);
    PutBig32(out.data(), 1);
    PutBig32(out.data() + 4, static_cast<std::uint32_t>(text.size()));
    if (!text.empty()) std::memcpy(out.data() + kMemoHead, text.data(), text.size());
    return out;
}

}  // namespace tarvo::fpt
