// Text helpers, drive texts and the version text of the companion library.
// Every result is checked in a buffer of exactly the documented size, with
// guard bytes behind it.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "kernel/drive_path.h"
#include "kernel/hex_text.h"
#include "kernel/knl_version.h"

namespace {

struct Guarded {
    explicit Guarded(int size) : size(size < 0 ? 0 : size) { std::memset(bytes, 0x5A, sizeof bytes); }
    char* data() { return bytes; }
    bool Intact() const { return std::all_of(bytes + size, bytes + sizeof bytes, [](char c) { return c == 0x5A; }); }
    int size;
    char bytes[1024];
};

TEST(KernelHex, NumberInUpperCaseWithinNineBytes) {
    for (std::int32_t v : {0, 9, 10, 15, 16, 255, 0x1234ABCD, INT_MAX, -1, -16, INT_MIN}) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%X", static_cast<unsigned>(v));
        Guarded buf(9);
        EXPECT_EQ(knl::NumToHex(buf.data(), v), buf.data());
        EXPECT_STREQ(buf.data(), expected);
        EXPECT_TRUE(buf.Intact()) << v;
    }
    EXPECT_EQ(knl::NumToHex(nullptr, 5), nullptr);
}

TEST(KernelHex, BytesToHexAndBack) {
    const struct { const char* text; int n; const char* hex; } cases[] = {
        {"AB", 2, "4142"}, {"\x00\xff\x10z", 4, "00FF107A"}, {"xyz", 1, "78"}, {"abc", 0, ""}, {"abc", -1, ""},
        {"abc", INT_MIN, ""}, {nullptr, 5, ""}};
    for (const auto& c : cases) {
        Guarded buf(c.text && c.n > 0 ? 2 * c.n + 1 : 1);
        EXPECT_STREQ(knl::BytesToHex(c.text, buf.data(), c.n), c.hex);
        EXPECT_TRUE(buf.Intact()) << c.hex;
    }
    // All 256 codes there and back (from code 1: "00" would end the text).
    char text[256];
    for (int i = 0; i < 256; ++i) text[i] = static_cast<char>(i);
    Guarded hex(513), back(256);
    knl::BytesToHex(text, hex.data(), 256);
    knl::HexToBytes(hex.data() + 2, back.data(), 510);
    EXPECT_TRUE(hex.Intact() && back.Intact());
    EXPECT_EQ(std::memcmp(back.data(), text + 1, 255), 0);
    EXPECT_EQ(back.data()[255], '\0');
}

TEST(KernelHex, HexToBytesReadsPairsUpToTheFirstBadOne) {
    const struct { const char* hex; int n; const char* bytes; } cases[] = {
        {"414243", 6, "ABC"}, {"6a6B", 4, "jk"}, {"414243", 4, "AB"},   // either case, n characters
        {"414243", 5, "AB"},   {"4", 1, ""},      {"41ZZ42", 6, "A"},   {"414G42", 6, "A"}, {"G1", 2, ""},
        {" 41", 3, ""},       {"41", 10, "A"},   {"41", 0, ""},        {"41", -4, ""},     {nullptr, 4, ""},
    };
    for (const auto& c : cases) {
        Guarded buf(c.n > 0 ? c.n / 2 + 1 : 1);
        EXPECT_STREQ(knl::HexToBytes(c.hex, buf.data(), c.n), c.bytes);
        EXPECT_TRUE(buf.Intact()) << c.hex << " " << c.n;
    }
    Guarded buf(3);  // "00" gives a zero byte in its place
    knl::HexToBytes("0041", buf.data(), 4);
    EXPECT_EQ(std::string(buf.data(), 3), std::string("\0A\0", 3));
    EXPECT_TRUE(buf.Intact());
}

TEST(KernelPadLeft, FieldsOfEveryWidth) {
    const struct { const char* text; int widthPlus1, pad; const char* expected; } cases[] = {
        {"abc", 6, '*', "**abc"}, {"", 4, '0', "000"},        {nullptr, 3, '-', "--"},
        {"7", 4, 0x100 | '0', "007"}, {"x", 3, 0x100, " x"},  // the low byte of the pad
        {"x", 3, -23, "\xE9x"},   {"x", 4, 0, "  x"},         // a pad of 0: blanks
        {"abcdef", 8, '*', "*abcdef"}, {"abcdef", 7, '*', "abcdef"}, {"abcdef", 4, '*', "abc"},  // too long: cut
        {"abcdef", 1, '*', ""},
    };
    for (const auto& c : cases) {
        Guarded buf(c.widthPlus1);
        EXPECT_STREQ(knl::PadLeft(c.text, buf.data(), c.widthPlus1, c.pad), c.expected);
        EXPECT_TRUE(buf.Intact()) << c.expected;
    }
    for (int widthPlus1 : {0, -1, INT_MIN}) {  // no field: nothing written
        Guarded buf(0);
        EXPECT_EQ(knl::PadLeft("abc", buf.data(), widthPlus1, '*'), buf.data());
        EXPECT_TRUE(buf.Intact());
    }
    EXPECT_EQ(knl::PadLeft("abc", nullptr, 5, '*'), nullptr);
}

TEST(KernelDrivePath, LettersBecomeRootsOtherTextsPassUnchanged) {
    const char* const cases[][2] = {
        {"C", "C:\\"},   {"c", "c:\\"},   {"C:", "C:\\"}, {"d:/", "d:\\"},      {"  E:  ", "E:\\"},
        {"C:\\", "C:\\"}, {"\\\\server\\share\\", "\\\\server\\share\\"}, {"1", "1"}, {"1:", "1:"},
        {"CD", "CD"},    {"", ""},        {"   ", ""},      {nullptr, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(knl::RootPathOf(c[0]), c[1]) << (c[0] ? c[0] : "null");
    // Byte counts saturate just below the sign bit.
    EXPECT_EQ(knl::ByteCount32(0x7FFFFFFFu), 0x7FFFFFFFu);
    EXPECT_EQ(knl::ByteCount32(0x80000000u), 0x7FFFFFFFu);
    EXPECT_EQ(knl::ByteCount32(std::uint64_t(1) << 40), 0x7FFFFFFFu);
}

TEST(KernelVersion, TextNamesTheVersionNumbers) {
    char buf[256] = {};
    EXPECT_EQ(knl::WriteVersionText(buf), buf);
    EXPECT_EQ(std::string(buf),
              "KERNEL " + std::to_string(knl::kVersionMajor) + "." + std::to_string(knl::kVersionMinor));
    EXPECT_EQ(knl::WriteVersionText(nullptr), nullptr);
}

}  // namespace
