// The library's process-wide pseudo-random generator of 16-bit numbers: the
// R250 shift-register generator, seeded from a C-runtime-style generator.
//
// The seeding generator is the classic linear congruential `rand` of the
// Windows C runtime (seed * 214013 + 2531011, bits 16..30), implemented here
// so that a seed gives the same sequence in every build.
#pragma once

#include <cstdint>

namespace tarvo {

// The C-runtime-compatible generator used for seeding.
struct CrtRand {
    std::uint32_t state = 1;
    void seed(std::uint32_t s) { state = s; }
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

struct R250 {
    std::uint32_t words[250] = {};
    int index = 0;
};

// The process-wide instance (all zero before the first seeding).
R250& RandomState();
void RandomSeed(R250& state, std::uint32_t seed);
std::uint16_t RandomNext(R250& state);

}  // namespace tarvo
