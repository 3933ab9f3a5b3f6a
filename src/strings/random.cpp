#include "strings/random.h"

#include <cstdlib>
#include <ctime>

namespace tarvo {

R250& RandomState() {
    static R250 state;
    return state;
}

void RandomSeed(R250& s, std::uint32_t seed) {
    CrtRand rnd;
    rnd.seed(seed);
    s.index = 0;
    for (std::uint32_t& w : s.words) w = static_cast<std::uint32_t>(rnd.next());
    for (std::uint32_t& w : s.words)
        if (rnd.next() > 16384) w |= 0x8000u;
    // Make the 16 words at 3, 14, 25, ... linearly independent.
    std::uint32_t mask = 0xFFFF, top = 0x8000;
    for (int k = 0; k < 16; ++k) {
        std::uint32_t& w = s.words[3 + 11 * k];
        w = (w & mask) | top;
        mask >>= 1;
        top >>= 1;
    }
}

std::uint16_t RandomNext(R250& s) {
    int j = s.index < 147 ? s.index + 103 : s.index - 147;
    s.words[s.index] ^= s.words[j];
    std::uint32_t result = s.words[s.index];
    s.index = s.index >= 249 ? 0 : s.index + 1;
    return static_cast<std::uint16_t>(result);
}

void RandomSeedFromClock() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    RandomSeed(RandomState(), static_cast<std::uint32_t>(std::rand()));
}

}  // namespace tarvo
