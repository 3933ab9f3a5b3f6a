// Plain arithmetic of the keyboard, screen and locale functions.
#pragma once

#include <cstdint>

namespace tarvo {

// The low byte of v with its two 4-bit halves swapped (18 gives 33).
std::int32_t SwappedNibbles(std::int32_t v);

// A language id from a primary language and a sublanguage (their low 16
// bits; the sublanguage shifted left by 10), and its parts back.
std::int32_t MakeLangId(std::int32_t primary, std::int32_t sub);
std::int32_t PrimaryLanguage(std::int32_t langId);  // the low 10 bits
std::int32_t SubLanguage(std::int32_t langId);      // shifted right by 10

// The colour depth of a display from its bits per pixel and, for 16 bits,
// the levels counted in the green and blue channels (a display of 32 levels
// in both keeps 5 bits a channel: depth 15).
int ColorDepth(int bitsPerPixel, int greenLevels, int blueLevels);
// 2 to that depth, as the 32-bit integer the host gets (the low 32 bits:
// 32 bits give 0).
std::int32_t ColorCount(int depth);

// Counts the levels of each channel the way a 16-bit display stores grey
// levels 255 down to 0: a channel's count rises each time its stored value
// is lower than after the previous grey. `stored(grey)` answers the colour
// actually stored (0xBBGGRR), or -1 when setting the pixel fails, which
// makes every count 0.
struct ChannelLevels {
    int red = 1, green = 1, blue = 1;
};
template <typename Stored>
ChannelLevels CountLevels(Stored stored) {
    ChannelLevels c;
    long last = -1;
    for (int grey = 255; grey >= 0; --grey) {
        const long now = stored(grey);
        if (now == -1) return ChannelLevels{0, 0, 0};
        if (last != -1) {
            if ((now & 0xFF) < (last & 0xFF)) ++c.red;
            if (((now >> 8) & 0xFF) < ((last >> 8) & 0xFF)) ++c.green;
            if (((now >> 16) & 0xFF) < ((last >> 16) & 0xFF)) ++c.blue;
        }
        last = now;
    }
    return c;
}

}  // namespace tarvo
