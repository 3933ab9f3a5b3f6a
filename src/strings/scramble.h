// Keyed scrambling of texts, a character-code shift and two checksums.
//
// The scrambling is its own inverse: the key stream depends on the key and
// the data's length only, never on the data, so the same call scrambles and
// unscrambles. Checksums count every byte as a signed byte (128 to 255 count
// as -128 to -1) and wrap as signed 32-bit sums.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// The part of a key parameter that is used: up to its first zero byte, at
// most 1024 bytes.
std::string_view ScrambleKey(std::string_view key);

// The key hash: 1 plus, for every key byte at index i, i plus the byte;
// then doubled as a 32-bit value while below 10000000. Empty when the
// doubling never gets there, because the sum is 0 or its bits shift out.
std::optional<std::int32_t> KeyHash(std::string_view key);

// Scrambles `size` bytes in place with a key (as ScrambleKey gives it). Each
// byte is XORed with the key's first byte XOR a stream value drawn from the
// hash and the size; a byte that would become 0 stays as it is. Applying it
// twice gives the data back, except that a zero byte becomes its key byte
// both times. A key shorter than 3 bytes, or one without a hash, leaves the
// data unchanged.
void Scramble(char* data, std::size_t size, std::string_view key);

// Every byte plus the low 8 bits of n, modulo 256 (a shift by -n undoes a
// shift by n). The handler's result ends at the first byte that became 0.
std::string StrAddCod(std::string_view text, std::int32_t n);

// The sum of the bytes / of position times byte (positions from 1).
std::int32_t StrAscii(std::string_view text);
std::int32_t StrAscii2(std::string_view text);

}  // namespace tarvo
