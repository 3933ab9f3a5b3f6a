#include "files/file_times.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tarvo {
namespace {

TEST(FileTimes, WhichTimeIsMeant) {
    for (const auto& [which, time] : {std::pair{1, WhichTime::kLastWrite},
                                      {2, WhichTime::kLastAccess},
                                      {3, WhichTime::kCreation},
                                      {0, WhichTime::kCreation},
                                      {-1, WhichTime::kCreation}})
        EXPECT_EQ(ChooseTime(which), time) << which;
    EXPECT_EQ(ChooseTime(Opt<std::int32_t>{}), WhichTime::kLastWrite);
    EXPECT_EQ(ChooseTime(Given<std::int32_t>(2)), WhichTime::kLastAccess);
}

TEST(FileTimes, TimeTexts) {
    // 09:07:33 is stored with two-second resolution and reads 09:07:32.
    EXPECT_EQ(DosTimeText(*DosTimeOfText("09:07:33")), "09:07:32");
    EXPECT_EQ(DosTimeOfText("23:59:59"), 23 * 2048 + 59 * 32 + 29);
    EXPECT_EQ(DosTimeOfText("00:00:01"), 0);
    for (const char* bad : {"24:00:00", "12:60:00", "12:00:60", "9:07:33", "09:07:3", "09-07-33",
                            "09:07:33 ", "ab:cd:ef", "", "+1:00:00"})
        EXPECT_FALSE(DosTimeOfText(bad)) << bad;
    // Every valid time round-trips through its word (to the even second).
    for (int h = 0; h < 24; ++h)
        for (int m = 0; m < 60; m += 7) {
            char text[9];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", h, m, 2 * (h % 30));
            ASSERT_EQ(DosTimeText(*DosTimeOfText(text)), text);
        }
}

TEST(FileTimes, DateTexts) {
    EXPECT_EQ(DosDateOfText("20011231"), 31 + 12 * 32 + 21 * 512);
    for (const char* day : {"19800101", "19990305", "20000229", "21071231"})
        EXPECT_EQ(DosDateText(*DosDateOfText(day)), day);
    EXPECT_EQ(DosDateText(0xFFFF), "21071531") << "fields are shown as stored";
    for (const char* bad : {"19791231", "21080101", "20010229", "21000229", "20010431", "20011301",
                            "20010001", "20010100", "2001123", "200112311", "2001-231"})
        EXPECT_FALSE(DosDateOfText(bad)) << bad;
}

}  // namespace
}  // namespace tarvo
