#include "files/watermark.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tarvo {
namespace {

// Draws from a fixed list, round and round; a file as a map of written
// bytes, unless `write` says otherwise.
struct Fake {
    std::vector<std::uint16_t> draws;
    std::function<MarkWrite(std::uint32_t, char)> write = nullptr;
    std::map<std::uint32_t, char> written = {};
    int drawn = 0;
    std::string Place(std::uint32_t size, std::string_view mark) {
        if (!write)
            write = [this](std::uint32_t p, char c) {
                written[p] = c;
                return MarkWrite::kWritten;
            };
        return PlaceWatermark(
            size, mark, [this] { return draws[drawn++ % draws.size()]; }, write);
    }
};

TEST(Watermark, PositionsFollowTheDraws) {
    Fake f{{65535, 0, 32768, 32768, 16384}};
    // 65535 gives the position just past the end; 0 is below 100 and
    // rejected; 32768 twice: the second is taken already.
    EXPECT_EQ(f.Place(1000, "abc"), "1000,500,250");
    EXPECT_EQ(f.written, (std::map<std::uint32_t, char>{{1000, 'a'}, {500, 'b'}, {250, 'c'}}));
    EXPECT_EQ(f.drawn, 5);
    Fake e{{40000}};
    EXPECT_EQ(e.Place(1000, ""), "");
    EXPECT_EQ(e.drawn, 0);
    // 250 characters give a list of any length.
    std::vector<std::uint16_t> draws;
    for (int i = 0; i < 250; ++i) draws.push_back(static_cast<std::uint16_t>(100 + i * 250));
    Fake l{draws};
    const std::string list = l.Place(4000000000u, std::string(250, 'm'));
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), 249);
}

TEST(Watermark, TheThirtyFirstRejectionEndsIt) {
    Fake small{{30000}};
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
    EXPECT_EQ(Fake{draws}.Place(1000, "xy"), "152,305");
    Fake more{draws};
    EXPECT_EQ(more.Place(1000, "xyz"), "");
    EXPECT_EQ(more.written.size(), 2u) << "characters written before the failure stay";
}

TEST(Watermark, FailuresOfTheFile) {
    int seeks = 0;
    Fake f{{40000, 50000}, [&](std::uint32_t, char) {
               return ++seeks == 1 ? MarkWrite::kSeekFailed : MarkWrite::kWritten;
           }};
    EXPECT_EQ(f.Place(1000, "ab"), "762,610") << "an unreachable position is drawn again";
    Fake g{{40000}, [](std::uint32_t, char) { return MarkWrite::kWriteFailed; }};
    EXPECT_EQ(g.Place(1000, "a"), "");
    Fake h{{40000}, [](std::uint32_t, char) { return MarkWrite::kSeekFailed; }};
    EXPECT_EQ(h.Place(1000, "a"), "");
    EXPECT_EQ(h.drawn, 1000) << "a file that is never reachable ends the marking";
}

}  // namespace
}  // namespace tarvo
