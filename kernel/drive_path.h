// Drive texts and counts as the volume and disk routines take and give them.
#pragma once

#include <cstdint>
#include <string>

namespace knl {

// The root path Windows expects for a drive text: a lone drive letter ("C")
// or a letter and colon ("c:") becomes "C:\" with the letter as given;
// "C:/" becomes "C:\"; anything else ("C:\", "\\server\share\", a directory)
// is passed on unchanged. Leading and trailing blanks are dropped. A null or
// empty text gives the empty string, which callers turn into a null root
// (the current drive).
std::string RootPathOf(const char* drive);

// A byte count as the 32-bit disk functions answer it: callers read it as a
// signed 32-bit integer, so counts of 2 GB and more are given as 0x7FFFFFFF.
constexpr std::uint32_t kByteCountLimit = 0x7FFFFFFFu;
constexpr std::uint32_t ByteCount32(std::uint64_t bytes) {
    return bytes > kByteCountLimit ? kByteCountLimit : static_cast<std::uint32_t>(bytes);
}

}  // namespace knl
