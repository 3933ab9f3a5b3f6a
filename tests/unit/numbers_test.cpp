#include "strings/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "strings/random.h"

using namespace std::string_literals;

namespace tarvo {
namespace {

TEST(NumBytes, IntegerToBytesAndBack) {
    EXPECT_EQ(NumBinToC(0x44434241), "ABCD");
    EXPECT_EQ(NumBinToC(0), "\0\0\0\0"s);
    // Truncating divisions: negative numbers give their own bytes.
    EXPECT_EQ(NumBinToC(-1), "\xFF\0\0\0"s);
    EXPECT_EQ(NumBinToC(-2 * 16777216 - 5), "\xFB\0\0\xFE"s);
    EXPECT_EQ(NumBinToC(INT_MIN), "\0\0\0\x80"s);

    EXPECT_EQ(NumCToBin("\x01\x02\x03\x04"), 67305985);
    EXPECT_EQ(NumCToBin("ABCDEF"), 0x44434241);
    EXPECT_EQ(NumCToBin("\xFF"), -1);
    EXPECT_EQ(NumCToBin("\xFF\x01"), 255);
    EXPECT_EQ(NumCToBin(""), 0);
    EXPECT_EQ(NumCToBin("\x80\x80\x80\x80"), 2139062144);  // wraps to 32 bits
}

TEST(NumBits, BitsAndBytesOfIntegers) {
    EXPECT_TRUE(NumBitTest(-1, 31));
    EXPECT_FALSE(NumBitTest(5, 1));
    EXPECT_TRUE(NumBitTest(5, 34));
    EXPECT_TRUE(NumBitTest(4, -30));
    EXPECT_FALSE(NumBitTest(INT_MAX, 31));
    EXPECT_EQ(NumBinLow(0x1234), 0x34);
    EXPECT_EQ(NumBinHi(0x1234), 0x12);
    EXPECT_EQ(NumBinLow(-1), 255);
    EXPECT_EQ(NumBinHi(INT_MIN), 0);
}

TEST(NumTexts, HexadecimalLikeStrtol) {
    EXPECT_EQ(NumHtoi("ff"), 255);
    EXPECT_EQ(NumHtoi("0x1A"), 26);
    EXPECT_EQ(NumHtoi("zz"), 0);
    EXPECT_EQ(NumHtoi(" \t\n-0X10"), -16);
    EXPECT_EQ(NumHtoi("+A"), 10);
    EXPECT_EQ(NumHtoi("1fz9"), 31);
    EXPECT_EQ(NumHtoi("0x"), 0);
    EXPECT_EQ(NumHtoi("0xg"), 0);
    EXPECT_EQ(NumHtoi("- 1"), 0);
    EXPECT_EQ(NumHtoi(""), 0);
    EXPECT_EQ(NumHtoi("7fffffff"), INT_MAX);
    EXPECT_EQ(NumHtoi("80000000"), INT_MAX);
    EXPECT_EQ(NumHtoi("ffffffffffffffffff"), INT_MAX);
    EXPECT_EQ(NumHtoi("-80000000"), INT_MIN);
    EXPECT_EQ(NumHtoi("-80000001"), INT_MIN);
}

TEST(NumTexts, OctalAndBinary) {
    EXPECT_EQ(NumOctal(8), "10");
    EXPECT_EQ(NumOctal(0), "0");
    EXPECT_EQ(NumOctal(-1), "37777777777");
    EXPECT_EQ(NumBinToNum("101"), 5);
    EXPECT_EQ(NumBinToNum("1111111111111111"), 65535);
    EXPECT_EQ(NumBinToNum(("11" + std::string(16, '0')).c_str()), 0);
    EXPECT_EQ(NumBinToNum("1x1"), 5);
    EXPECT_EQ(NumBinToNum("2"), 0);
    EXPECT_EQ(NumBinToNum(""), 0);
}

TEST(Random, SeedingGeneratorIsTheRuntimes) {
    CrtRand r;
    r.seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int e : expected) EXPECT_EQ(r.next(), e);
}

TEST(Random, SeedingMakesTheSixteenWordsIndependent) {
    R250 s;
    RandomSeed(s, 12345);
    EXPECT_EQ(s.index, 0);
    for (int k = 0; k < 16; ++k) {
        const std::uint32_t word = s.words[3 + 11 * k];
        EXPECT_EQ(word >> (15 - k), 1u) << k;  // the top bit is 0x8000 >> k
    }
    for (std::uint32_t w : s.words) EXPECT_LE(w, 0xFFFFu);
}

// The numbers follow x[n] = x[n - 250] XOR x[n - 147], and a seed always
// gives the same sequence.
TEST(Random, SequenceFollowsTheShiftRegister) {
    R250 a, b;
    RandomSeed(a, 7);
    RandomSeed(b, 7);
    std::vector<std::uint16_t> x;
    for (int n = 0; n < 1000; ++n) {
        x.push_back(RandomNext(a));
        ASSERT_EQ(RandomNext(b), x.back());
    }
    for (std::size_t n = 250; n < x.size(); ++n) ASSERT_EQ(x[n], x[n - 250] ^ x[n - 147]) << n;
    RandomSeed(b, 8);
    EXPECT_NE(RandomNext(b), x[0]);
}

}  // namespace
}  // namespace tarvo
