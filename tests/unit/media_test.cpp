#include "media/media.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

TEST(Media, CommandTemplates) {
    EXPECT_EQ(CdSeekCommand("5"), "seek QXCD to 5 ");
    EXPECT_EQ(CdSeekCommand("12"), "seek QXCD to 12");
    EXPECT_EQ(CdSeekCommand("123"), "seek QXCD to 12");
    EXPECT_EQ(CdSeekCommand(""), "seek QXCD to ");
    EXPECT_EQ(CdTrackPositionCommand("2"), "status QXCD position track 2 ");
    EXPECT_EQ(CdTrackPositionCommand("345"), "status QXCD position track 34");
    EXPECT_EQ(CdTrackPositionCommand(""), "status QXCD position track ");
}

TEST(Media, TruthWordsAndSoundFlags) {
    for (const char* yes : {"true", "vrai"}) EXPECT_TRUE(IsTruthWord(yes)) << yes;
    for (const char* no : {"TRUE", "Vrai", "true ", "", "1", "false"}) EXPECT_FALSE(IsTruthWord(no)) << no;
    EXPECT_EQ(SoundFlags({}), 1u);
    EXPECT_EQ(SoundFlags(Given<std::int32_t>(0)), 0u);
    EXPECT_EQ(SoundFlags(Given<std::int32_t>(0x1F)), 0x1Bu);
    EXPECT_EQ(SoundFlags(Given<std::int32_t>(0x40004)), 0u) << "a resource";
    EXPECT_EQ(SoundFlags(Given<std::int32_t>(0x110001)), 0x10001u) << "an alias number";
    EXPECT_EQ(SoundFlags(Given<std::int32_t>(-1)), 0x3201Bu);
}

TEST(Media, RememberedSound) {
    ResetMedia();
    std::string name = "unchanged";
    EXPECT_FALSE(RememberedSoundName(&name));
    EXPECT_EQ(name, "unchanged");
    const std::string longName(400, 'w');
    RememberSound(longName);
    EXPECT_TRUE(RememberedSoundName(&name));
    EXPECT_EQ(name, longName);
    RememberSound("");
    EXPECT_TRUE(RememberedSoundName(&name));
    EXPECT_EQ(name, "");
    EXPECT_EQ(RememberedSound(), ">>>>");
}

}  // namespace
}  // namespace tarvo
