// Text helpers, drive texts and the version text of the companion library.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "kernel/drive_path.h"
#include "kernel/hex_text.h"
#include "kernel/knl_version.h"

namespace {

constexpr char kSentinel = '\x5A';

// A buffer of `size` bytes followed by guard bytes, all preset.
struct Guarded {
    explicit Guarded(std::size_t size) : size(size) { std::memset(bytes, kSentinel, sizeof bytes); }
    char* data() { return bytes; }
    bool GuardIntact() const {
        for (std::size_t i = size; i < sizeof bytes; ++i)
            if (bytes[i] != kSentinel) return false;
        return true;
    }
    std::size_t size;
    char bytes[1024];
};

TEST(KernelHex, NumberMatchesPrintfUpperCase) {
    const std::int32_t values[] = {0, 1, 9, 10, 15, 16, 255, 256, 0x1234ABCD, 0x7FFFFFFF, -1, -16,
                                   std::numeric_limits<std::int32_t>::min()};
    for (std::int32_t v : values) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(v)));
        Guarded buf(100);
        EXPECT_EQ(knl::NumToHex(buf.data(), v), buf.data());
        EXPECT_STREQ(buf.data(), expected) << v;
        EXPECT_TRUE(buf.GuardIntact());
    }
    char buf[100];
    EXPECT_STREQ(knl::NumToHex(buf, -1), "FFFFFFFF");
    EXPECT_STREQ(knl::NumToHex(buf, 0), "0");
    EXPECT_EQ(knl::NumToHex(nullptr, 5), nullptr);
}

TEST(KernelHex, BytesToHexTwoUpperDigitsPerByte) {
    char buf[64];
    EXPECT_STREQ(knl::BytesToHex("AB", buf, 2), "4142");
    EXPECT_STREQ(knl::BytesToHex("\x00\xff\x10z", buf, 4), "00FF107A");  // zero bytes count too
    EXPECT_STREQ(knl::BytesToHex("xyz", buf, 1), "78");                  // only n bytes
}

TEST(KernelHex, BytesToHexEmptyAndNegativeCounts) {
    for (int n : {0, -1, std::numeric_limits<int>::min()}) {
        Guarded buf(1);
        EXPECT_STREQ(knl::BytesToHex("abc", buf.data(), n), "");
        EXPECT_TRUE(buf.GuardIntact());
    }
    Guarded buf(1);
    EXPECT_STREQ(knl::BytesToHex(nullptr, buf.data(), 5), "");
    EXPECT_TRUE(buf.GuardIntact());
}

TEST(KernelHex, AllBytesRoundTripWithinTheirBuffers) {
    char text[256];
    for (int i = 0; i < 256; ++i) text[i] = static_cast<char>(i);
    Guarded hex(2 * 256 + 1);
    knl::BytesToHex(text, hex.data(), 256);
    EXPECT_EQ(std::strlen(hex.data()), 512u);
    EXPECT_TRUE(hex.GuardIntact());
    for (int i = 0; i < 512; ++i) {
        const char c = hex.data()[i];
        ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << i;
    }
    // Back, skipping the pair "00" that would end the text at once.
    Guarded back(512 / 2 + 1);
    knl::HexToBytes(hex.data() + 2, back.data(), 510);
    EXPECT_TRUE(back.GuardIntact());
    EXPECT_EQ(std::memcmp(back.data(), text + 1, 255), 0);
    EXPECT_EQ(back.data()[255], '\0');
}

TEST(KernelHex, HexToBytesReadsPairsInEitherCase) {
    char buf[16];
    EXPECT_STREQ(knl::HexToBytes("414243", buf, 6), "ABC");
    EXPECT_STREQ(knl::HexToBytes("6a6B", buf, 4), "jk");
    EXPECT_STREQ(knl::HexToBytes("414243", buf, 4), "AB");  // only the first n characters
}

TEST(KernelHex, HexToBytesOddCountsAndBadDigits) {
    char buf[16];
    EXPECT_STREQ(knl::HexToBytes("41424", buf, 5), "AB");   // the unpaired digit is ignored
    EXPECT_STREQ(knl::HexToBytes("4", buf, 1), "");
    EXPECT_STREQ(knl::HexToBytes("41ZZ42", buf, 6), "A");   // stops at the bad pair
    EXPECT_STREQ(knl::HexToBytes("414G42", buf, 6), "A");   // bad second digit
    EXPECT_STREQ(knl::HexToBytes("G1", buf, 2), "");
    EXPECT_STREQ(knl::HexToBytes(" 41", buf, 3), "");       // no blanks skipped
    EXPECT_STREQ(knl::HexToBytes("41", buf, 10), "A");      // stops at the terminator
    EXPECT_STREQ(knl::HexToBytes("41", buf, 0), "");
    EXPECT_STREQ(knl::HexToBytes("41", buf, -4), "");
    EXPECT_STREQ(knl::HexToBytes(nullptr, buf, 4), "");
    // "00" gives a zero byte in its place.
    Guarded g(3);
    knl::HexToBytes("0041", g.data(), 4);
    EXPECT_EQ(g.data()[0], '\0');
    EXPECT_EQ(g.data()[1], 'A');
    EXPECT_EQ(g.data()[2], '\0');
    EXPECT_TRUE(g.GuardIntact());
}

TEST(KernelHex, HexToBytesStaysWithinHalfPlusOne) {
    for (int n = 0; n <= 9; ++n) {
        Guarded g(static_cast<std::size_t>(n / 2 + 1));
        knl::HexToBytes("414243444546", g.data(), n);
        EXPECT_TRUE(g.GuardIntact()) << n;
        EXPECT_EQ(std::strlen(g.data()), static_cast<std::size_t>(n < 12 ? n / 2 : 6)) << n;
    }
}

TEST(KernelPadLeft, PadsToWidth) {
    char buf[32];
    EXPECT_STREQ(knl::PadLeft("abc", buf, 6, '*'), "**abc");
    EXPECT_STREQ(knl::PadLeft("abc", buf, 5, ' '), " abc");
    EXPECT_STREQ(knl::PadLeft("", buf, 4, '0'), "000");
    EXPECT_STREQ(knl::PadLeft(nullptr, buf, 3, '-'), "--");
}

TEST(KernelPadLeft, PadCharacterIsTheLowByte) {
    char buf[8];
    EXPECT_STREQ(knl::PadLeft("7", buf, 4, 0x100 | '0'), "007");
    knl::PadLeft("x", buf, 3, -23);  // a signed 0xE9
    EXPECT_EQ(static_cast<unsigned char>(buf[0]), 0xE9);
    EXPECT_STREQ(buf + 1, "x");
    EXPECT_STREQ(knl::PadLeft("x", buf, 4, 0), "  x");  // no pad character: blanks
}

TEST(KernelPadLeft, TextAsLongAsTheFieldOrLonger) {
    for (int widthPlus1 = 1; widthPlus1 <= 8; ++widthPlus1) {
        Guarded g(static_cast<std::size_t>(widthPlus1));
        knl::PadLeft("abcdef", g.data(), widthPlus1, '*');
        EXPECT_TRUE(g.GuardIntact()) << widthPlus1;
        const std::string expected = widthPlus1 - 1 >= 6
                                         ? std::string(static_cast<std::size_t>(widthPlus1 - 7), '*') + "abcdef"
                                         : std::string("abcdef").substr(0, static_cast<std::size_t>(widthPlus1 - 1));
        EXPECT_EQ(g.data(), expected) << widthPlus1;
    }
}

TEST(KernelPadLeft, NoFieldWritesNothing) {
    for (int widthPlus1 : {0, -1, std::numeric_limits<int>::min()}) {
        Guarded g(0);
        EXPECT_EQ(knl::PadLeft("abc", g.data(), widthPlus1, '*'), g.data());
        EXPECT_TRUE(g.GuardIntact());
    }
    EXPECT_EQ(knl::PadLeft("abc", nullptr, 5, '*'), nullptr);
}

TEST(KernelDrivePath, LettersBecomeRoots) {
    EXPECT_EQ(knl::RootPathOf("C"), "C:\\");
    EXPECT_EQ(knl::RootPathOf("c"), "c:\\");
    EXPECT_EQ(knl::RootPathOf("C:"), "C:\\");
    EXPECT_EQ(knl::RootPathOf("d:/"), "d:\\");
    EXPECT_EQ(knl::RootPathOf("  E:  "), "E:\\");
}

TEST(KernelDrivePath, OtherTextsPassUnchanged) {
    EXPECT_EQ(knl::RootPathOf("C:\\"), "C:\\");
    EXPECT_EQ(knl::RootPathOf("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(knl::RootPathOf("\\\\server\\share\\"), "\\\\server\\share\\");
    EXPECT_EQ(knl::RootPathOf("1"), "1");
    EXPECT_EQ(knl::RootPathOf("1:"), "1:");
    EXPECT_EQ(knl::RootPathOf("CD"), "CD");
    EXPECT_EQ(knl::RootPathOf(""), "");
    EXPECT_EQ(knl::RootPathOf("   "), "");
    EXPECT_EQ(knl::RootPathOf(nullptr), "");
}

TEST(KernelDrivePath, ByteCountsSaturateBelowTheSignBit) {
    EXPECT_EQ(knl::ByteCount32(0), 0u);
    EXPECT_EQ(knl::ByteCount32(0x7FFFFFFEu), 0x7FFFFFFEu);
    EXPECT_EQ(knl::ByteCount32(0x7FFFFFFFu), 0x7FFFFFFFu);
    EXPECT_EQ(knl::ByteCount32(0x80000000u), 0x7FFFFFFFu);
    EXPECT_EQ(knl::ByteCount32(0xFFFFFFFFu), 0x7FFFFFFFu);
    EXPECT_EQ(knl::ByteCount32(std::uint64_t(1) << 40), 0x7FFFFFFFu);
    EXPECT_GE(static_cast<std::int32_t>(knl::ByteCount32(~std::uint64_t(0))), 0);
}

TEST(KernelVersion, TextNamesTheVersionNumbers) {
    char buf[256];
    std::memset(buf, 0, sizeof buf);
    EXPECT_EQ(knl::WriteVersionText(buf), buf);
    const std::string expected =
        "KERNEL " + std::to_string(knl::kVersionMajor) + "." + std::to_string(knl::kVersionMinor);
    EXPECT_EQ(std::string(buf), expected);
    EXPECT_EQ(knl::WriteVersionText(nullptr), nullptr);
}

}  // namespace
