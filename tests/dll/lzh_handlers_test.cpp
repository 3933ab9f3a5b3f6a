// LZH_ENCODE and LZH_DECODE through the host: files in, files out, no value.
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "dll_test.h"

namespace tarvo::test {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}
void WriteAll(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}
bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class LzhHandlerTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        dir = ScratchDir("lzh");
    }
    // Encodes and decodes `data` through the library; answers the restored bytes.
    std::string RoundTrip(const std::string& data, std::string* packed = nullptr) {
        WriteAll(dir + "\\in.bin", data);
        run::Outcome e = host.Call("LZH_ENCODE", {Value::Char(dir + "\\in.bin"), Value::Char(dir + "\\packed.lzh")});
        EXPECT_EQ(e.error, 0);
        EXPECT_FALSE(e.hasValue()) << "no return service is called";
        run::Outcome d = host.Call("LZH_DECODE", {Value::Char(dir + "\\packed.lzh"), Value::Char(dir + "\\out.bin")});
        EXPECT_EQ(d.error, 0);
        EXPECT_FALSE(d.hasValue());
        if (packed) *packed = ReadAll(dir + "\\packed.lzh");
        return ReadAll(dir + "\\out.bin");
    }
    std::string dir;
};

TEST_F(LzhHandlerTest, EmptyFileIsJustTheHeader) {
    std::string packed;
    EXPECT_EQ(RoundTrip("", &packed), "");
    EXPECT_EQ(packed, std::string(4, '\0'));
}

TEST_F(LzhHandlerTest, FilesComeBackByteForByte) {
    std::mt19937 rng(7);
    std::string random(50000, '\0');
    for (char& c : random) c = static_cast<char>(rng());
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "The quick brown fox " + std::to_string(i % 17) + "\r\n";
    std::string runs = std::string(70000, 'x') + std::string(5, 'y');
    for (const std::string& data : {std::string("abcde"), random, text, runs}) {
        std::string packed;
        EXPECT_EQ(RoundTrip(data, &packed), data);
        ASSERT_GE(packed.size(), 4u);
        std::uint32_t size = static_cast<std::uint8_t>(packed[0]) | static_cast<std::uint8_t>(packed[1]) << 8 |
                             static_cast<std::uint8_t>(packed[2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(packed[3])) << 24;
        EXPECT_EQ(size, data.size()) << "the header holds the size, least significant byte first";
    }
    EXPECT_LT(RoundTrip(text).size(), text.size() + 1);
}

TEST_F(LzhHandlerTest, MissingInputCodesNothingButCreatesTheOutput) {
    run::Outcome o = host.Call("LZH_ENCODE", {Value::Char(dir + "\\missing.bin"), Value::Char(dir + "\\made.lzh")});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    EXPECT_TRUE(Exists(dir + "\\made.lzh"));
    EXPECT_EQ(ReadAll(dir + "\\made.lzh"), "");
    WriteAll(dir + "\\in.bin", "data");
    o = host.Call("LZH_DECODE", {Value::Char(dir + "\\in.bin"), Value::Char(dir + "\\no\\such\\dir\\out.bin")});
    EXPECT_EQ(o.error, 0) << "an output that cannot be opened is not an error";
}

TEST_F(LzhHandlerTest, TruncatedFileStillWritesTheStatedSize) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i) + "\n";
    std::string packed;
    ASSERT_EQ(RoundTrip(text, &packed), text);
    WriteAll(dir + "\\cut.lzh", packed.substr(0, packed.size() / 2));
    host.Call("LZH_DECODE", {Value::Char(dir + "\\cut.lzh"), Value::Char(dir + "\\cut.out")});
    std::string restored = ReadAll(dir + "\\cut.out");
    EXPECT_EQ(restored.size(), text.size());
    EXPECT_EQ(restored.substr(0, 100), text.substr(0, 100));
    WriteAll(dir + "\\short.lzh", "ab");
    host.Call("LZH_DECODE", {Value::Char(dir + "\\short.lzh"), Value::Char(dir + "\\short.out")});
    EXPECT_EQ(ReadAll(dir + "\\short.out"), "") << "shorter than a header: no output";
}

}  // namespace
}  // namespace tarvo::test
