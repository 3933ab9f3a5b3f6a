// The library's process-wide pseudo-random generator of 16-bit numbers: the
// R250 shift-register generator, seeded from a C-runtime-style generator.
// One instance serves every user of random numbers (the NUM_ functions and
// the file watermarking). It has no lock: it is used from the host's thread.
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
// Fills the 250 words from CrtRand seeded with `seed`, sets bit 15 of each
// word whose second draw is above 16384, and makes the words 3, 14, 25, ...
// linearly independent; the index starts at 0.
void RandomSeed(R250& state, std::uint32_t seed);
// The next number, 0 to 65535.
std::uint16_t RandomNext(R250& state);
// Seeds the C runtime's own generator with the current time and the
// process-wide instance with the runtime's next rand().
void RandomSeedFromClock();

}  // namespace tarvo
