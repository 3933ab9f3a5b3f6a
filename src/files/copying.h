// The arithmetic of copying and slicing a file: block counts, the progress
// commands of a copy, the number of slices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// The unit of copy progress; a file of length L counts L / 4096 + 1 blocks.
constexpr std::int64_t kCopyBlock = 4096;
std::int32_t BlockCount(std::int64_t length);

// The percentage of the step-th block of a copy of `blocks` blocks, in
// integer division.
std::int32_t ProgressPercent(std::int64_t step, std::int32_t blocks);

// The progress of a copy, block by block: one report per block, so that a
// transfer of many blocks reports each of them in turn.
struct CopyProgress {
    std::int32_t blocks = 1;
    std::int64_t done = 0;  // blocks done so far
    // Marks the blocks up to `step` (1-based, at most `blocks`) done and
    // calls report(percent) for each of them in turn.
    template <typename Report>
    void DoneUpTo(std::int64_t step, Report report) {
        for (step = step < blocks ? step : blocks; done < step;) report(ProgressPercent(++done, blocks));
    }
};

// The host command that reports a percentage, e.g. "P(33)".
std::string ProgressCommand(std::string_view name, std::int32_t percent);

// How many slices of `size` bytes a file of `length` bytes makes (the last
// one may be shorter); 0 when the size is 0 or below.
std::int32_t SliceCount(std::int64_t length, std::int64_t size);

}  // namespace tarvo
