// LZHUF compression: LZSS over a 4096-byte ring with adaptive Huffman coding.
//
// A compressed file is the uncompressed size as 4 bytes, least significant
// first, followed by the bit stream (most significant bit of each byte first,
// the last byte padded with 0 bits). The bit stream is the one of the -lh1-
// method of LHA archives.
//
// The codec works on byte streams and has no other dependencies. Every call
// sets up its working state afresh; the tables have fixed sizes and nothing
// is allocated while coding. Input is read and output written in large blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace tarvo {

struct LzhStats {
  uint64_t text = 0;  // uncompressed bytes: read when encoding, written when decoding
  uint64_t code = 0;  // bit stream bytes, header not counted: written when encoding,
                      // used when decoding (up to the byte holding the last bit read)
};

// Where the bytes come from and go to.
//  read:     stores up to cap bytes in buf and returns how many; 0 means the end.
//  write:    takes n bytes.
//  progress: optional; called with the running uncompressed count each time it
//            passes the next multiple of 1024 (the first time at the first step).
struct LzhIo {
  size_t (*read)(void* ctx, uint8_t* buf, size_t cap) = nullptr;
  void (*write)(void* ctx, const uint8_t* buf, size_t n) = nullptr;
  void (*progress)(void* ctx, uint64_t count) = nullptr;
  void* ctx = nullptr;
};

// Writes the header with `size`, then compresses everything the source yields.
// With a size of 0 only the header is written.
LzhStats LzhEncodeStream(const LzhIo& io, uint32_t size);

// Reads the header and writes exactly the size it states: past the end of the
// input the bit stream reads as 0 bits, and a match running past the stated
// size is cut. An input shorter than 4 bytes produces nothing.
LzhStats LzhDecodeStream(const LzhIo& io);

// FILE* to FILE*. Encoding measures the input with fseek/ftell and rewinds it.
// With print set, the progress lines and the closing lines go to stdout
// through printf.
LzhStats LzhEncodeFile(FILE* in, FILE* out, bool print);
LzhStats LzhDecodeFile(FILE* in, FILE* out, bool print);

// Opens the input "rb" and the output "wb", codes when both are open and
// closes whichever were opened (so a missing input leaves an empty output).
// Returns whether coding took place.
bool LzhEncodePaths(const char* in_path, const char* out_path, bool print);
bool LzhDecodePaths(const char* in_path, const char* out_path, bool print);

// LZH_ENCODE / LZH_DECODE: the Paths functions with printing, and standard
// output flushed before returning.
void LzhEncode(const char* in_path, const char* out_path);
void LzhDecode(const char* in_path, const char* out_path);

// In memory, quietly.
std::vector<uint8_t> LzhEncodeBytes(std::span<const uint8_t> in, LzhStats* stats = nullptr);
std::vector<uint8_t> LzhDecodeBytes(std::span<const uint8_t> in, LzhStats* stats = nullptr);

}  // namespace tarvo
