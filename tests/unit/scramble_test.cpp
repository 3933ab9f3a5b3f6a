#include "strings/scramble.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace tarvo {
namespace {

std::string Scrambled(std::string data, std::string_view key) {
    Scramble(data.data(), data.size(), key);
    return data;
}

std::string Hex(std::string_view s) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (char c : s) {
        out += digits[static_cast<unsigned char>(c) >> 4];
        out += digits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

TEST(KeyHash, SignedBytesAndDoubling) {
    EXPECT_EQ(KeyHash("abc"), 19529728);  // 298 doubled 16 times
    EXPECT_EQ(KeyHash(std::string(2000, 'z')).value_or(0) >= 10000000, true);
    // A negative sum doubles until its bits reach the top: -3 ends at 2^30.
    EXPECT_EQ(KeyHash("\xFF\xFE\xFC"), 1073741824);
    // A sum of 0, or one whose bits all shift out (-1), never gets there.
    EXPECT_FALSE(KeyHash("\xFF\xFF\xFE").has_value());
    EXPECT_FALSE(KeyHash("\xFF\xFE\xFE").has_value());
    EXPECT_EQ(ScrambleKey("ab\0cd"s), "ab");
    EXPECT_EQ(ScrambleKey(std::string(1500, 'k')).size(), 1024u);
}

TEST(ScrambleTest, KnownStreamAndSelfInverse) {
    // Long data drives the stream value negative (C remainders).
    std::string data;
    for (int i = 0; i < 300; ++i) data.push_back(static_cast<char>((i * 7 + 1) % 255 + 1));
    const std::string once = Scrambled(data, "secret");
    EXPECT_EQ(Hex(once.substr(0, 8)), "d7032e469b9bfa3e");
    EXPECT_EQ(Hex(once.substr(292)), "455744764b4d5650");
    EXPECT_EQ(Hex(Scrambled("hello", "secret")), "d6dfd9dbdf");
    EXPECT_EQ(Scrambled(once, "secret"), data);
    for (std::size_t n : {0u, 1u, 2u, 253u, 254u, 255u, 1000u}) {
        const std::string text(n, 'q');
        EXPECT_EQ(Scrambled(Scrambled(text, "a key"), "a key"), text) << n;
    }
}

TEST(ScrambleTest, ZeroBytesAndKeyBytesStay) {
    // No byte becomes 0: a byte equal to its key byte stays as it is, both
    // ways. A zero byte becomes its key byte, and stays that afterwards.
    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
    const std::string once = Scrambled(all, "key");
    const std::string twice = Scrambled(once, "key");
    for (std::size_t i = 1; i < 256; ++i) {
        EXPECT_NE(once[i], '\0') << i;
        EXPECT_EQ(twice[i], all[i]) << i;
    }
    EXPECT_EQ(twice[0], once[0]);
    const std::string zero = Scrambled("\0"s, "key");
    EXPECT_NE(zero, "\0"s);
    EXPECT_EQ(Scrambled(zero, "key"), zero);
}

TEST(ScrambleTest, WhatTheKeyDecides) {
    EXPECT_EQ(Scrambled("data", "ab"), "data");
    EXPECT_EQ(Scrambled("data", ""), "data");
    EXPECT_EQ(Scrambled("data", "\xFF\xFF\xFE"), "data") << "a key without a hash";
    // Only the first byte and the hash matter: "abc" and "acb" both sum to 298.
    EXPECT_EQ(Scrambled("some data", "abc"), Scrambled("some data", "acb"));
    EXPECT_NE(Scrambled("some data", "abc"), Scrambled("some data", "bac"));
}

TEST(Checksums, SignedBytes) {
    EXPECT_EQ(StrAscii("abc"), 294);
    EXPECT_EQ(StrAscii("\xC8"), -56);
    EXPECT_EQ(StrAscii(""), 0);
    EXPECT_EQ(StrAscii2("abc"), 590);
    EXPECT_EQ(StrAscii2(""), 0);
    EXPECT_EQ(StrAscii2("a\0b"s), 97 + 3 * 98);
    EXPECT_EQ(StrAscii2("\x80\x80"), -128 * 3);
    // Sums wrap as signed 32-bit values.
    EXPECT_EQ(StrAscii2(std::string(20000, '\x7F')), -368533776);
}

TEST(AddCod, ShiftsModulo256) {
    EXPECT_EQ(StrAddCod("abc", 1), "bcd");
    EXPECT_EQ(StrAddCod("bcd", -1), "abc");
    EXPECT_EQ(StrAddCod("abc", 256), "abc");
    EXPECT_EQ(StrAddCod("abc", 0x7FFFFF01), "bcd");
    EXPECT_EQ(StrAddCod("\xFF" "a", 1), "\0b"s);
    EXPECT_EQ(StrAddCod("", 5), "");
}

}  // namespace
}  // namespace tarvo
