#include "files/watermark.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tarvo {
namespace {

// Draws from a fixed list; a file as a map of written bytes.
struct Fake {
    std::vector<std::uint16_t> draws;
    std::size_t next = 0;
    std::map<std::uint32_t, char> written;
    int drawn = 0;
    std::string Place(std::uint32_t size, std::string_view mark,
                      std::function<MarkWrite(std::uint32_t, char)> write = nullptr) {
        if (!write)
            write = [this](std::uint32_t p, char c) {
                written[p] = c;
                return MarkWrite::kWritten;
            };
        return PlaceWatermark(
            size, mark,
            [this] {
                ++drawn;
                return draws[next++ % draws.size()];
            },
            write);
    }
};

Fake With(std::vector<std::uint16_t> draws) {
    Fake f;
    f.draws = std::move(draws);
    return f;
}

TEST(Watermark, PositionsFollowTheDraws) {
    Fake f = With({65535, 0, 32768, 32768, 16384});
    // 65535 gives the position just past the end; 0 is below 100 and
    // rejected; 32768 twice: the second is taken already.
    EXPECT_EQ(f.Place(1000, "abc"), "1000,500,250");
    EXPECT_EQ(f.written, (std::map<std::uint32_t, char>{{1000, 'a'}, {500, 'b'}, {250, 'c'}}));
    EXPECT_EQ(f.drawn, 5);
}

TEST(Watermark, TheThirtyFirstRejectionEndsIt) {
    Fake small = With({30000});
    EXPECT_EQ(small.Place(99, "a"), "");
    EXPECT_EQ(small.drawn, 31);
    EXPECT_TRUE(small.written.empty());
    // Rejections count over the whole mark: 15 per character, 30 in all,
    // still goes through; one more fails after two characters are written.
    std::vector<std::uint16_t> draws;
    for (int c = 0; c < 3; ++c) {
        draws.insert(draws.end(), 15, 0);
        draws.push_back(static_cast<std::uint16_t>(10000 * (c + 1)));
    }
    Fake many = With(draws);
    EXPECT_EQ(many.Place(1000, "xy"), "152,305");
    Fake more = With(draws);
    EXPECT_EQ(more.Place(1000, "xyz"), "");
    EXPECT_EQ(more.written.size(), 2u) << "characters written before the failure stay";
}

TEST(Watermark, FailuresOfTheFile) {
    Fake f = With({40000, 50000});
    int seeks = 0;
    EXPECT_EQ(f.Place(1000, "ab",
                      [&](std::uint32_t p, char) {
                          return ++seeks == 1 ? MarkWrite::kSeekFailed : MarkWrite::kWritten;
                      }),
              "762,610")
        << "an unreachable position is drawn again";
    Fake g = With({40000});
    EXPECT_EQ(g.Place(1000, "a", [](std::uint32_t, char) { return MarkWrite::kWriteFailed; }), "");
    Fake h = With({40000});
    EXPECT_EQ(h.Place(1000, "a", [](std::uint32_t, char) { return MarkWrite::kSeekFailed; }), "");
    EXPECT_EQ(h.drawn, 1000) << "a file that is never reachable ends the marking";
    Fake e = With({40000});
    EXPECT_EQ(e.Place(1000, ""), "");
    EXPECT_EQ(e.drawn, 0);
}

TEST(Watermark, LongListsAreWhole) {
    std::vector<std::uint16_t> draws;
    for (int i = 0; i < 250; ++i) draws.push_back(static_cast<std::uint16_t>(100 + i * 250));
    Fake f = With(draws);
    const std::string list = f.Place(4000000000u, std::string(250, 'm'));
    EXPECT_GT(list.size(), 1000u);
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), 249);
}

}  // namespace
}  // namespace tarvo
