// Memo files in the host's format (FPT), as bytes. A 512-byte header holds
// the next free block (big-endian 32 bits at 0) and the block size
// (big-endian 16 bits at 6); memos start on a block: their type (1 text,
// 0 picture) and length, big-endian 32 bits each, then the bytes, then
// zeros up to the next block. A table's memo field holds its memo's first
// block; 0 is an empty memo.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvo::fpt {

constexpr std::uint32_t kHeaderSize = 512;
constexpr std::uint32_t kMemoHead = 8;

struct Header {
    std::uint32_t nextFree = 0;
    std::uint32_t blockSize = 64;
};

// A new file's header.
std::vector<unsigned char> EncodeHeader(const Header& h);
// Reads the first 8 bytes of a file of `fileSize` bytes. False when it is
// no memo file (too short, block size 0). The next free block is never
// taken below the end of the file, so that new memos never overwrite old
// ones even when the header lags behind.
bool DecodeHeader(const unsigned char* first8, std::uint64_t fileSize, Header* out);

// Where the bytes of the memo at `block` lie, from the memo's 8-byte head
// read at block * blockSize: false when no memo can start there (block 0,
// inside the header, past the end of the file) or its length runs past the
// end of the file.
bool Locate(const Header& h, std::uint64_t fileSize, std::uint32_t block, const unsigned char* head,
            std::uint64_t* offset, std::uint32_t* length);

// A memo as written at a block: head, text, zeros to the block's end (a
// block size of 0 is taken as 1, here and in FirstBlock).
std::vector<unsigned char> EncodeMemo(std::string_view text, std::uint32_t blockSize);
// The first block after the header for a block size.
std::uint32_t FirstBlock(std::uint32_t blockSize);

}  // namespace tarvo::fpt
