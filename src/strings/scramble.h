// Keyed scrambling of texts, a character-code shift and two checksums.
//
// The scrambling is its own inverse because its key stream depends on the
// key and the data's length only, never on the data. Checksums add in
// unsigned 32-bit arithmetic, so they wrap as signed sums would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

std::string_view ScrambleKey(std::string_view key);

// The key hash: 1 plus, for every key byte at index i, i plus the byte as
// a signed byte; then doubled as a 32-bit value while below 10000000. Empty
// when the doubling never gets there: the sum is 0, or minus a power of 2
// (its bits all shift out).
std::optional<std::int32_t> KeyHash(std::string_view key);

// Scrambles `size` bytes in place with a key (as ScrambleKey gives it). Each
// byte is XORed with the key's first byte XOR a stream value drawn from the
// hash and the size; a byte that would become 0 stays as it is, which is
// why a zero byte of the data does not come back.
void Scramble(char* data, std::size_t size, std::string_view key);

std::string StrAddCod(std::string_view text, std::int32_t n);

std::int32_t StrAscii(std::string_view text);
std::int32_t StrAscii2(std::string_view text);

}  // namespace tarvo
