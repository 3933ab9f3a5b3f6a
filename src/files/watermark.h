// Writing a mark into a file at random positions.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// Marks of more characters do not go into a file.
constexpr std::size_t kMaxMarkLength = 250;
// No character of a mark goes below this position.
constexpr std::uint32_t kFirstMarkPosition = 100;

// What writing one character at a position came to.
enum class MarkWrite { kWritten, kSeekFailed, kWriteFailed };

// Places each character of `mark`, in order, at a position drawn as
// size x (draw() / 65535) truncated (so a draw of 65535 gives the position
// just past the end). A position below 100 or already used is a rejection,
// counted over the whole mark; a position the file pointer cannot reach is
// drawn again without counting, up to 1000 times in a row. Answers the
// positions as FIL_WATERMARK does.
std::string PlaceWatermark(std::uint32_t size, std::string_view mark,
                           const std::function<std::uint16_t()>& draw,
                           const std::function<MarkWrite(std::uint32_t position, char c)>& write);

}  // namespace tarvo
