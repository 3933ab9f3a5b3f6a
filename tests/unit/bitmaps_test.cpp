#include "files/bitmaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/bitmap_file.h"

namespace tarvo {
namespace {

using test::BitmapFile;

// A file in memory that hands out at most `piece` bytes per read.
struct Memory {
    std::string bytes;
    std::size_t pos = 0;
    std::size_t piece = 0;
    std::size_t reads = 0;
};

BitmapHeader Read(const std::string& bytes, std::size_t piece = 0, std::size_t* reads = nullptr) {
    Memory m{bytes, 0, piece};
    ByteSource source{&m, bytes.size(), [](void* ctx, unsigned char* buf, std::size_t n) {
                          auto* f = static_cast<Memory*>(ctx);
                          ++f->reads;
                          n = std::min(n, f->bytes.size() - f->pos);
                          if (f->piece) n = std::min(n, f->piece);
                          std::copy_n(f->bytes.data() + f->pos, n, buf);
                          f->pos += n;
                          return n;
                      }};
    const BitmapHeader h = ReadBitmapHeader(source);
    if (reads) *reads = m.reads;
    return h;
}

std::string Values(const BitmapHeader& h) {
    return std::to_string(h.code) + " " + std::to_string(h.width) + " " +
           std::to_string(h.height) + " " + std::to_string(h.bits) + " " +
           std::to_string(h.colors);
}

// Every header version and bit count, bottom-up and top-down, read whole or
// in pieces of 5 bytes.
TEST(BitmapHeader, EveryVersionAndDepth) {
    struct Case {
        std::uint32_t infoSize;
        std::int32_t width, height;
        int bits;
        const char* want;
    } cases[] = {
        {12, 5, 3, 1, "0 5 3 1 2"},          {40, 640, 480, 24, "0 640 480 24 256"},
        {40, 7, 2, 4, "0 7 2 4 16"},         {108, 9, 4, 8, "0 9 4 8 256"},
        {124, 3, 3, 16, "0 3 3 16 65536"},   {124, 2, 2, 32, "0 2 2 32 1"},
        {40, 640, -480, 24, "0 640 65056 24 256"},
        {12, 4, 0xFFFF, 24, "0 4 65535 24 256"},
        {40, 70000, 1, 1, "0 4464 1 1 2"},   // the low 16 bits of a wide bitmap
        {16, 1, 1, 8, "0 1 1 8 256"},        // the shortest header of the longer kind
    };
    for (const Case& c : cases) {
        const std::string file = BitmapFile(c.infoSize, c.width, c.height, c.bits);
        EXPECT_EQ(Values(Read(file)), c.want) << c.infoSize << " " << c.bits;
        EXPECT_EQ(Values(Read(file, 5)), c.want) << c.infoSize << " " << c.bits;
    }
}

TEST(BitmapHeader, FailureCodes) {
    const std::string good = BitmapFile(40, 4, 4, 24);
    std::string notBm = good;
    notBm[1] = 'A';
    std::string badSize = good;
    test::PutLe(badSize, 14, 13, 4);
    struct Case {
        std::string bytes;
        std::int32_t code;
    } cases[] = {
        {"", -2},
        {good.substr(0, 13), -2},
        {notBm, -3},
        {good.substr(0, 53), -4},                     // shorter than it says
        {BitmapFile(40, 4, 4, 24, 13), -4},           // a size field below 14
        {BitmapFile(40, 4, 4, 24, 0xFFFFFFFF), -4},   // far more than the file holds
        {BitmapFile(40, 4, 4, 24, 14), -5},           // no information header at all
        {BitmapFile(40, 4, 4, 24, 29), -5},           // too short for the bit count
        {BitmapFile(12, 4, 4, 24, 25), -5},           // the core header, one byte short
        {badSize, -5},
        {BitmapFile(8, 4, 4, 24), -5},
    };
    for (const Case& c : cases) {
        const BitmapHeader h = Read(c.bytes);
        EXPECT_EQ(h.code, c.code) << c.bytes.size();
        EXPECT_EQ(h.width, -1);
        EXPECT_EQ(h.height, -1);
    }
    // Exactly long enough: the core header at 26 bytes, the others at 30.
    EXPECT_EQ(Read(BitmapFile(12, 4, 4, 24, 26)).code, 0);
    EXPECT_EQ(Read(BitmapFile(40, 4, 4, 24, 30)).code, 0);
}

// A size field shorter than the file stops the reading there; a lying one
// larger than the file stops before anything is read after the header.
TEST(BitmapHeader, ReadsOnlyWhatIsAnnounced) {
    std::size_t reads = 0;
    EXPECT_EQ(Read(BitmapFile(40, 1000, 1000, 32, 0xFFFFFFFF), 0, &reads).code, -4);
    EXPECT_EQ(reads, 1u);
    std::string file = BitmapFile(40, 4, 4, 24, 54) + std::string(1 << 20, 'x');
    EXPECT_EQ(Read(file, 0, &reads).code, 0);
    EXPECT_EQ(reads, 2u);
}

TEST(BitmapHeader, SignatureAndKeptValues) {
    const std::string good = BitmapFile(40, 4, 4, 24);
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    EXPECT_TRUE(HasBitmapSignature(bytes, 14));
    EXPECT_FALSE(HasBitmapSignature(bytes, 13));
    EXPECT_FALSE(HasBitmapSignature(reinterpret_cast<const unsigned char*>("MBxxxxxxxxxxxxxx"), 14));
    EXPECT_EQ(ColorsFor(31), INT32_MIN);
    EXPECT_EQ(ColorsFor(33), 2);

    BitmapValues v;
    KeepBitmapHeader(v, Read(good));
    EXPECT_EQ(v.width, 4);
    BitmapHeader failed;
    failed.code = -4;
    KeepBitmapHeader(v, failed);
    EXPECT_EQ(v.width, -1);
    EXPECT_EQ(v.height, -1);
    EXPECT_EQ(v.bits, 24);
    EXPECT_EQ(v.colors, 256);
}

}  // namespace
}  // namespace tarvo
