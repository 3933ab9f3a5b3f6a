// Drive texts as the drive functions read them, and drive lists.
#include <gtest/gtest.h>

#include <string>

#include "system/drive_text.h"

namespace tarvo {
namespace {

using namespace std::string_literals;

int AsciiUpper(int c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }
int NoUpper(int c) { return c; }  // the companion library missing

TEST(DriveText, FirstCharacterNamesTheDrive) {
    struct Case {
        const char* text;
        int number;
        int bit;
        const char* root;
    };
    const Case cases[] = {
        {"c", 3, 2, "C:\\"},       {"C:\\", 3, 2, "C:\\"},   {"z:\\dir\\f.txt", 26, 25, "Z:\\"},
        {"", 0, 31, ""},           {"[", 0, 26, ""},         {"#", 0, 2, ""},
        {"1", 0, 16, ""},          {"\xE9", 0, 8, ""},       {"\\\\server\\share", 0, 27, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DriveText d(c.text, AsciiUpper);
        EXPECT_EQ(d.root(), c.text);
        EXPECT_EQ(d.number(), c.number);
        EXPECT_EQ(d.maskBit(), c.bit);
        EXPECT_EQ(d.letterRoot(), c.root);
    }
    // Without an upper case the letter stays small, and names the same drive.
    const DriveText small("d:", NoUpper);
    EXPECT_EQ(small.letter(), 'd');
    EXPECT_EQ(small.number(), 4);
    EXPECT_EQ(small.maskBit(), 3);
    EXPECT_EQ(small.letterRoot(), "D:\\");
}

TEST(DriveText, LettersOfADriveList) {
    EXPECT_EQ(DriveLetters("A:\\\0C:\\\0D:\\\0\0"s), "ACD");
    EXPECT_EQ(DriveLetters("C:\\\0Z:\\\0\0Q:\\\0\0"s), "CZ");  // stops at the empty path
    EXPECT_EQ(DriveLetters(std::string(257, '\0')), "");
    EXPECT_EQ(DriveLetters(""), "");
    EXPECT_EQ(DriveLetters("C:\\"), "C");  // a list without its end
}

}  // namespace
}  // namespace tarvo
