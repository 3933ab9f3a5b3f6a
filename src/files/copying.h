// The arithmetic of copying and slicing a file: block counts, the progress
// commands of a copy, the number of slices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// The unit of copy progress: a file of length L counts L / 4096 + 1 blocks
// (so an empty file counts 1 and a file of exactly 4096 bytes 2).
constexpr std::int64_t kCopyBlock = 4096;
std::int32_t BlockCount(std::int64_t length);

// The percentage of the step-th block of a copy of `blocks` blocks:
// step x 100 / blocks (integer division); the last step gives 100.
std::int32_t ProgressPercent(std::int64_t step, std::int32_t blocks);

// The progress of a copy, block by block: each block done gives its
// percentage and one command, so a copy runs exactly `blocks` commands, the
// last with 100 (a 10000-byte file: 33, 66, 100; a 4096-byte file: 50, 100;
// a large file repeats a percentage for several blocks, from 0 up).
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

// The host command that reports a percentage: the name, "(", the
// percentage in decimal and ")", e.g. "P(33)". Names of any length.
std::string ProgressCommand(std::string_view name, std::int32_t percent);

// How many slices of `size` bytes a file of `length` bytes makes (the last
// one may be shorter); 0 when the size is 0 or below.
std::int32_t SliceCount(std::int64_t length, std::int64_t size);

}  // namespace tarvo
