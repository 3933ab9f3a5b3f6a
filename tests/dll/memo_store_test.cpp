// The host's memo store: memo files in the host's format (FPT) over the
// file-channel group, and the memo group's services over the tables.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "dll_test.h"
#include "runner/services/memo.h"

namespace tarvo::test {
namespace {

using MemoStoreTest = DllTest;

std::string Bytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST_F(MemoStoreTest, FptLayout) {
    const std::string path = ScratchDir("memo") + "\\m.fpt";
    run::Channels& ch = host.channels;
    run::MemoFile m;
    ASSERT_TRUE(m.Create(ch, path));
    EXPECT_EQ(m.Write(ch, "abc"), 8u) << "the first block after the 512-byte header";
    EXPECT_EQ(m.Write(ch, std::string(100, 'x')), 9u);
    EXPECT_EQ(m.nextFree, 11u) << "8 + 100 bytes take two blocks of 64";
    const std::string file = Bytes(path);
    ASSERT_EQ(file.size(), 11u * 64);
    EXPECT_EQ(file.substr(0, 8), std::string("\0\0\0\x0B\0\0\0\x40", 8)) << "big-endian next free, block size";
    EXPECT_EQ(file.substr(512, 12), std::string("\0\0\0\x01\0\0\0\x03" "abc\0", 12));
    EXPECT_EQ(file.substr(576, 8), std::string("\0\0\0\x01\0\0\0\x64", 8));

    std::int32_t offset = 0, length = 0;
    ASSERT_TRUE(m.Find(ch, 9, &offset, &length));
    EXPECT_EQ(offset, 9 * 64 + 8);
    EXPECT_EQ(length, 100);
    EXPECT_FALSE(m.Find(ch, 0, &offset, &length));
    EXPECT_FALSE(m.Find(ch, 11, &offset, &length));
    // The file-channel group closes every channel when the library goes: the
    // file opens again when needed.
    ch.CloseAll();
    std::string text;
    EXPECT_TRUE(m.Read(ch, 8, &text));
    EXPECT_EQ(text, "abc");
    m.Close(ch);

    run::MemoFile again;
    ASSERT_TRUE(again.Open(ch, path));
    EXPECT_EQ(again.nextFree, 11u);
    EXPECT_TRUE(again.Read(ch, 9, &text));
    EXPECT_EQ(text, std::string(100, 'x'));
    again.Close(ch);
}

// The services find a memo field of the current record through its locator;
// anything else is not found.
TEST_F(MemoStoreTest, ServicesOverTheTables) {
    run::Tables& c = host.tables;
    ASSERT_EQ(c.Create(-1, "", "T", {{"NAME", 'C', 5}, {"BODY", 'M'}}, true), 0);
    ASSERT_EQ(c.AppendBlank(-1), 0);
    ASSERT_EQ(c.Replace(-1, "BODY", Value::Char("hello memo")), 0);
    ASSERT_EQ(c.AppendBlank(-1), 0);
    auto serve = [&](std::uint32_t code, std::uint32_t field, std::int16_t area) {
        VariableLocator loc{};
        loc.type = 'R';
        loc.workArea = area;
        std::memcpy(loc.reference, &field, 4);
        ServiceBlock b{};
        b.code = code;
        b.arg1 = code == kSvcGetMemoChannel ? static_cast<std::uint32_t>(area)
                                            : static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&loc));
        host.Serve(&b);
        return static_cast<std::int32_t>(b.arg1);
    };
    EXPECT_EQ(serve(kSvcFindMemo, 2, 1), 0) << "an empty memo";
    EXPECT_EQ(serve(kSvcGetMemoSize, 2, 1), 0);
    ASSERT_EQ(c.Go(-1, 1), 0);
    EXPECT_GT(serve(kSvcGetMemoChannel, 0, 1), 0);
    EXPECT_EQ(serve(kSvcFindMemo, 2, 1), 8 * 64 + 8);
    EXPECT_EQ(serve(kSvcGetMemoSize, 2, 1), 10);
    EXPECT_EQ(serve(kSvcFindMemo, 1, 1), -1) << "a character field";
    EXPECT_EQ(serve(kSvcFindMemo, 3, 1), -1) << "no such field";
    EXPECT_EQ(serve(kSvcFindMemo, 2, 2), -1) << "no table there";
    EXPECT_EQ(serve(kSvcGetMemoSize, 2, 2), 0);
    EXPECT_EQ(serve(kSvcGetMemoChannel, 0, 2), -1);
    ServiceBlock none{};
    none.code = kSvcFindMemo;
    host.Serve(&none);
    EXPECT_EQ(static_cast<std::int32_t>(none.arg1), -1) << "no locator at all";

    const std::string path = c.At(1)->memo.path;
    c.Close(1);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the memo file goes with the cursor";
}

}  // namespace
}  // namespace tarvo::test
