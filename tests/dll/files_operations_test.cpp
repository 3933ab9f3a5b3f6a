// File and directory operations through the library: the copies with their
// progress commands, slices, watermarks, deletes and renames, directories,
// searches and the tree, on files the tests make in their scratch folder.
// Every copy and slice leaves no channel open (the files it used can be
// deleted afterwards) and reports a failure for a target it did not fill.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "files_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

std::string Bytes(std::size_t n) {
    std::string s(n, '\0');
    std::uint32_t x = 7;
    for (char& c : s) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 23);
    return s;
}

using FilesOperationsTest = FilesTest;

TEST_F(FilesOperationsTest, CopyReportsProgress) {
    const std::string data = Bytes(10000);
    WriteAll(At("src.bin"), data);
    host.trace.clear();
    run::Returned r =
        host.Call("FIL_COPY", {Value::Char("src.bin"), Value::Char("dst.bin"), Value::Char("P")})
            .returns.at(0);
    EXPECT_EQ(r.type, 'I');
    EXPECT_EQ(r.value.integer, 0);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"P(33)", "P(66)", "P(100)"}));
    EXPECT_EQ(ReadAll(At("dst.bin")), data);

    WriteAll(At("page.bin"), Bytes(4096));
    host.trace.clear();
    EXPECT_EQ(
        Int("FIL_COPY", {Value::Char("page.bin"), Value::Char("dst.bin"), Value::Char("Bar.Show")}),
        0);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"Bar.Show(50)", "Bar.Show(100)"}));
    EXPECT_EQ(ReadAll(At("dst.bin")), Bytes(4096)) << "an existing target is replaced";

    WriteAll(At("empty.bin"), "");
    host.trace.clear();
    EXPECT_EQ(
        Int("FIL_COPY", {Value::Char("empty.bin"), Value::Char("made.bin"), Value::Char("P")}), 0);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"P(100)"}));
    EXPECT_TRUE(Exists(At("made.bin")));
    EXPECT_EQ(ReadAll(At("made.bin")), "");

    // A large file: a command for every block, in order, the last with 100.
    const std::string big = Bytes(3 * (1 << 20) + 17);
    WriteAll(At("big.bin"), big);
    host.trace.clear();
    EXPECT_EQ(
        Int("FIL_COPY", {Value::Char("big.bin"), Value::Char("bigcopy.bin"), Value::Char("P")}), 0);
    const int blocks = 3 * 256 + 1;
    std::vector<std::string> expected;
    for (int k = 1; k <= blocks; ++k) expected.push_back("P(" + std::to_string(k * 100 / blocks) + ")");
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(ReadAll(At("bigcopy.bin")), big);
    EXPECT_EQ(Int("FIL_COPYTIMES", {Value::Char("big.bin")}), blocks);

    // Without a command, nothing is sent; a failing command changes nothing.
    host.trace.clear();
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("quiet.bin")}), 0);
    EXPECT_TRUE(Commands().empty());
    host.faults.failCommand = "P(";
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("quiet.bin"), Value::Char("P")}),
              0);
    host.faults.failCommand.clear();
    for (const char* f : {"src.bin", "dst.bin", "page.bin", "empty.bin", "made.bin", "big.bin",
                          "bigcopy.bin", "quiet.bin"})
        EXPECT_TRUE(Released(At(f))) << f;
}

TEST_F(FilesOperationsTest, CopyFailures) {
    WriteAll(At("src.bin"), "source");
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("missing.bin"), Value::Char("t.bin"), Value::Char("P")}),
              -3);
    EXPECT_FALSE(Exists(At("t.bin")));
    // A source the host cannot open.
    host.faults.failOpen = "src.bin";
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("t.bin")}), -2);
    host.faults.failOpen.clear();
    EXPECT_FALSE(Exists(At("t.bin")));
    // A target that cannot be created: a directory.
    CreateDirectoryA(At("sub").c_str(), nullptr);
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("sub")}), -1);
    EXPECT_TRUE(Released(At("src.bin"))) << "the source's channel was closed";
    // A copy onto itself is refused before anything is truncated.
    WriteAll(At("src.bin"), "source");
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char(At("src.bin"))}), -1);
    EXPECT_EQ(ReadAll(At("src.bin")), "source");
    // A source another handle holds without sharing is in use.
    HANDLE held =
        CreateFileA(At("src.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("t.bin")}), -2);
    CloseHandle(held);
    // The host aborting in the middle: both channels are closed, the buffer freed.
    WriteAll(At("big.bin"), Bytes(3 << 20));
    const int handles = host.HandlesInUse();
    for (int k : {5, 9, 12}) {
        host.faults.abortAtService = k;
        EXPECT_EQ(
            host.Call("FIL_COPY", {Value::Char("big.bin"), Value::Char("t.bin"), Value::Char("P")})
                .error,
            1);
        host.faults.abortAtService = 0;
        EXPECT_EQ(host.HandlesInUse(), handles);
        EXPECT_TRUE(Released(At("t.bin"))) << k;
    }
    EXPECT_TRUE(Released(At("big.bin")));
    // No memory for the copy's buffer: 182, channels closed.
    host.hostile = true;
    host.allocCount = 0;
    host.faults.failAllocAt = 1;
    EXPECT_EQ(host.Call("FIL_COPY", {Value::Char("src.bin"), Value::Char("t.bin")}).error, 182);
    host.faults.failAllocAt = 0;
    host.hostile = HostileRun();
    EXPECT_TRUE(Released(At("src.bin")));
}

TEST_F(FilesOperationsTest, SystemCopies) {
    WriteAll(At("src.bin"), "new");
    WriteAll(At("old.bin"), "old");
    host.trace.clear();
    // Four parameters: Windows copies, never onto an existing file, no progress.
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("old.bin"), Value::Char("P"),
                               Value::Logical(false)}),
              0);
    EXPECT_EQ(ReadAll(At("old.bin")), "old");
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("src.bin"), Value::Char("fresh.bin"), Value::Char("P"),
                               Value::Logical(true)}),
              1);
    EXPECT_EQ(ReadAll(At("fresh.bin")), "new");
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Services(kSvcHostFileOpen), 0);
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("missing"), Value::Char("x.bin"), Value::Char(""),
                               Value::Logical(true)}),
              -3);

    EXPECT_FALSE(Logical("FIL_IMMEDIATECOPY",
                         {Value::Char("src.bin"), Value::Char("old.bin"), Value::Logical(true)}));
    EXPECT_EQ(ReadAll(At("old.bin")), "old");
    EXPECT_TRUE(Logical("FIL_IMMEDIATECOPY",
                        {Value::Char("src.bin"), Value::Char("old.bin"), Value::Logical(false)}));
    EXPECT_EQ(ReadAll(At("old.bin")), "new");
    EXPECT_FALSE(Logical("FIL_IMMEDIATECOPY",
                         {Value::Char("missing"), Value::Char("y.bin"), Value::Logical(false)}));
}

TEST_F(FilesOperationsTest, CopyTimes) {
    WriteAll(At("empty.bin"), "");
    WriteAll(At("page.bin"), Bytes(4096));
    WriteAll(At("less.bin"), Bytes(4095));
    EXPECT_EQ(Int("FIL_COPYTIMES", {Value::Char("empty.bin")}), 1);
    EXPECT_EQ(Int("FIL_COPYTIMES", {Value::Char("page.bin")}), 2);
    EXPECT_EQ(Int("FIL_COPYTIMES", {Value::Char("less.bin")}), 1);
    EXPECT_EQ(Int("FIL_COPYTIMES", {Value::Char("missing.bin")}), -3);
    host.faults.failOpen = "page";
    EXPECT_EQ(Int("FIL_COPYTIMES", {Value::Char("page.bin")}), -2);
    host.faults.failOpen.clear();
    EXPECT_TRUE(Released(At("page.bin")));
}

// An SZDD file (the COMPRESS tool's format) holding `data` as literals only.
std::string Szdd(const std::string& data) {
    std::string out = "SZDD\x88\xF0\x27\x33"s + "A" + "t"s;
    const std::uint32_t n = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(n >> (8 * i)));
    for (std::size_t i = 0; i < data.size(); i += 8) {
        out.push_back('\xFF');
        out += data.substr(i, 8);
    }
    return out;
}

TEST_F(FilesOperationsTest, Expand) {
    const std::string text = "Expanded by the LZ functions of Windows, byte for byte.";
    WriteAll(At("packed.tx_"), Szdd(text));
    Outcome o = host.Call("FIL_EXPAND", {Value::Char("packed.tx_"), Value::Char("out.txt")});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "no value";
    EXPECT_EQ(ReadAll(At("out.txt")), text);
    WriteAll(At("plain.txt"), "as it is");
    host.Call("FIL_EXPAND", {Value::Char("plain.txt"), Value::Char("copy.txt")});
    EXPECT_EQ(ReadAll(At("copy.txt")), "as it is");
    host.Call("FIL_EXPAND", {Value::Char("missing.txt"), Value::Char("never.txt")});
    EXPECT_FALSE(Exists(At("never.txt")));
    host.Call("FIL_EXPAND", {Value::Char("plain.txt"), Value::Char(std::string(200, 'n'))});
    EXPECT_FALSE(Exists(At(std::string(200, 'n'))))
        << "beyond the LZ functions' 128-character names";
    host.Call("FIL_EXPAND", {Value::Char("plain.txt"), Value::Char("plain.txt")});
    EXPECT_EQ(ReadAll(At("plain.txt")), "as it is") << "a file is not expanded onto itself";
}

TEST_F(FilesOperationsTest, Slices) {
    const std::string data = Bytes(10000);
    WriteAll(At("src.bin"), data);
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("src.bin"), Value::Int(4096)}), 3);
    EXPECT_EQ(ReadAll(At("OUTPUT.1")), data.substr(0, 4096));
    EXPECT_EQ(ReadAll(At("OUTPUT.2")), data.substr(4096, 4096));
    EXPECT_EQ(ReadAll(At("OUTPUT.3")), data.substr(8192));
    EXPECT_FALSE(Exists(At("OUTPUT.4")));
    for (const char* f : {"OUTPUT.1", "OUTPUT.2", "OUTPUT.3"}) EXPECT_TRUE(Released(At(f)));
    for (std::int32_t size : {10000, 20000, 0, -4096})
        EXPECT_EQ(Int("FIL_SLICES", {Value::Char("src.bin"), Value::Int(size)}), -1) << size;
    EXPECT_FALSE(Exists(At("OUTPUT.1"))) << "nothing written";
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("missing.bin"), Value::Int(10)}), -3);
    host.faults.failOpen = "src.bin";
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("src.bin"), Value::Int(10)}), -2);
    host.faults.failOpen.clear();
    // Slice 2 cannot be created: -count, slice 1 stays.
    CreateDirectoryA(At("OUTPUT.2").c_str(), nullptr);
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("src.bin"), Value::Int(3000)}), -4);
    EXPECT_EQ(ReadAll(At("OUTPUT.1")), data.substr(0, 3000));
    EXPECT_FALSE(Exists(At("OUTPUT.3")));
    // One-byte slices: a slice per byte.
    WriteAll(At("small.bin"), "0123456789AB");
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("small.bin"), Value::Int(1)}), -12)
        << "OUTPUT.2 is a directory";
    RemoveDirectoryA(At("OUTPUT.2").c_str());
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("small.bin"), Value::Int(1)}), 12);
    EXPECT_EQ(ReadAll(At("OUTPUT.2")) + ReadAll(At("OUTPUT.12")), "1B");
    EXPECT_TRUE(Released(At("src.bin")));
    EXPECT_TRUE(Released(At("small.bin")));
}

TEST_F(FilesOperationsTest, Watermark) {
    const std::string original(1000, '.');
    WriteAll(At("a.txt"), original);
    const std::string mark = "Tarvo";
    const std::string list = Text("FIL_WATERMARK", {Value::Char("a.txt"), Value::Char(mark)});
    const std::string file = ReadAll(At("a.txt"));
    std::vector<long> positions;
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        positions.push_back(std::stol(list.substr(at, comma - at)));
        at = comma + 1;
    }
    ASSERT_EQ(positions.size(), mark.size());
    EXPECT_EQ(std::set<long>(positions.begin(), positions.end()).size(), mark.size())
        << "all different";
    std::string changed = original;
    for (std::size_t i = 0; i < mark.size(); ++i) {
        EXPECT_GE(positions[i], 100);
        EXPECT_LE(positions[i], 1000);
        if (static_cast<std::size_t>(positions[i]) >= changed.size())
            changed.resize(positions[i] + 1, '\0');
        changed[positions[i]] = mark[i];
    }
    EXPECT_EQ(file, changed) << "only the mark's bytes changed";

    WriteAll(At("short.txt"), std::string(99, '.'));
    EXPECT_EQ(Text("FIL_WATERMARK", {Value::Char("short.txt"), Value::Char("ab")}), "")
        << "every position falls below 100";
    EXPECT_EQ(ReadAll(At("short.txt")), std::string(99, '.'));
    EXPECT_EQ(Text("FIL_WATERMARK", {Value::Char("a.txt"), Value::Char(std::string(251, 'm'))}),
              "");
    EXPECT_EQ(Text("FIL_WATERMARK", {Value::Char("a.txt"), Value::Char("")}), "");
    WriteAll(At("tiny.txt"), "abc");
    EXPECT_EQ(Text("FIL_WATERMARK", {Value::Char("tiny.txt"), Value::Char("abcd")}), "")
        << "longer than the file";
    EXPECT_EQ(Text("FIL_WATERMARK", {Value::Char("missing.txt"), Value::Char("a")}), "");
    EXPECT_EQ(ReadAll(At("a.txt")), file);
    EXPECT_TRUE(Released(At("a.txt")));
}

TEST_F(FilesOperationsTest, DeleteRenameAndDirectories) {
    WriteAll(At("a.txt"), "x");
    CreateDirectoryA(At("sub").c_str(), nullptr);
    EXPECT_FALSE(Logical("FIL_DEL", {Value::Char("sub")})) << "not a directory";
    EXPECT_FALSE(Logical("KILLDIR", {Value::Char("sub")}));
    EXPECT_TRUE(Exists(At("sub")));
    HANDLE held = CreateFileA(At("a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(Logical("FIL_DEL", {Value::Char("a.txt")})) << "in use";
    CloseHandle(held);
    SetFileAttributesA(At("a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Logical("KILLFILE", {Value::Char("a.txt")})) << "read-only";
    SetFileAttributesA(At("a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(Logical("FIL_DEL", {Value::Char("a.txt")}));
    EXPECT_FALSE(Exists(At("a.txt")));
    EXPECT_FALSE(Logical("FIL_DEL", {Value::Char("a.txt")}));

    WriteAll(At("b.txt"), "b");
    WriteAll(At("c.txt"), "c");
    EXPECT_FALSE(Logical("FIL_RENAME", {Value::Char("b.txt"), Value::Char("c.txt")}))
        << "the new name exists";
    EXPECT_TRUE(Logical("FIL_RENAME", {Value::Char("b.txt"), Value::Char("sub\\moved.txt")}));
    EXPECT_EQ(ReadAll(At("sub\\moved.txt")), "b");
    EXPECT_TRUE(Logical("FIL_RENDIR", {Value::Char("sub"), Value::Char("renamed")}));
    EXPECT_TRUE(Exists(At("renamed\\moved.txt")));
    EXPECT_FALSE(Logical("FIL_RENAME", {Value::Char("*.txt"), Value::Char("d.txt")}))
        << "no wildcards";

    EXPECT_TRUE(Logical("FIL_MKDIR", {Value::Char("new")}));
    EXPECT_FALSE(Logical("FIL_MKDIR", {Value::Char("new")}));
    EXPECT_FALSE(Logical("FIL_MKDIR", {Value::Char("no\\such\\parent")}));
    EXPECT_FALSE(Logical("FIL_RMDIR", {Value::Char("renamed")})) << "not empty";
    EXPECT_TRUE(Logical("FIL_RMDIR", {Value::Char("new")}));
    EXPECT_FALSE(Exists(At("new")));
    EXPECT_FALSE(Logical("FIL_RMDIR", {Value::Char("c.txt")}));

    char cwd[MAX_PATH];
    EXPECT_TRUE(Logical("FIL_CD", {Value::Char("renamed")}));
    GetCurrentDirectoryA(MAX_PATH, cwd);
    EXPECT_EQ(std::string(cwd), At("renamed"));
    EXPECT_TRUE(Exists("moved.txt")) << "relative names follow";
    for (const char* alias : {"CD", "CDIR", "CHDIR", "CHANGEDIRECTORY", "FIL_CHDIR"}) {
        EXPECT_TRUE(Logical(alias, {Value::Char("..")})) << alias;
        EXPECT_TRUE(Logical(alias, {Value::Char("renamed")})) << alias;
    }
    EXPECT_FALSE(Logical("FIL_CD", {Value::Char("missing")}));
    EXPECT_TRUE(Logical("FIL_CD", {Value::Char(dir)}));
}

TEST_F(FilesOperationsTest, Searches) {
    for (const char* f : {"zz.txt", "aa.txt", "mm.dat"}) WriteAll(At(f), "x");
    CreateDirectoryA(At("dir.txt").c_str(), nullptr);
    // Wine lists a directory sorted (NTFS does too).
    std::vector<std::string> names{Text("FIL_FIRST", {Value::Char("*.txt")})};
    for (std::string n; !(n = Text("FIL_NEXT", {})).empty();) names.push_back(n);
    EXPECT_EQ(names, (std::vector<std::string>{"aa.txt", "dir.txt", "zz.txt"}));
    EXPECT_EQ(Text("FIL_NEXT", {}), "") << "still the end";
    EXPECT_EQ(Text("FIL_FIRST", {Value::Char(At("m*"))}), "mm.dat")
        << "the name without its folder";
    EXPECT_EQ(Text("FIL_FIRST", {Value::Char("*.txt")}), "aa.txt")
        << "a new search replaces the open one";
    EXPECT_EQ(Text("FIL_NEXT", {}), "dir.txt");
    EXPECT_EQ(Text("FIL_FIRST", {Value::Char("*.none")}), "");
    EXPECT_EQ(Text("FIL_NEXT", {}), "") << "no search open";
    EXPECT_EQ(Text("FIL_FIRST", {Value::Char(std::string(300, 'q'))}), "");
    EXPECT_EQ(Text("FIL_NEXT", {}), "");
}

TEST_F(FilesOperationsTest, Tree) {
    for (const char* d : {"a", "a\\b", "a\\b\\c", "a\\d", "e"})
        CreateDirectoryA(At(d).c_str(), nullptr);
    WriteAll(At("a\\file.txt"), "x");
    EXPECT_EQ(Text("FIL_TREE", {Value::Char(At("a")), Value::Int(1000)}),
              At("a\\b") + ";" + At("a\\b\\c") + ";" + At("a\\d") + ";");
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("a"), Value::Int(1000)}), "a\\b;a\\b\\c;a\\d;");
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("a"), Value::Int(14)}), "a\\b;a\\b\\c;a\\d;")
        << "exactly enough";
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("a"), Value::Int(13)}), "")
        << "a\\d does not fit at the top";
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("a"), Value::Int(9)}), "a\\b;a\\d;")
        << "c left out, d added";
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("e"), Value::Int(1000)}), "");
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("missing"), Value::Int(1000)}), "");
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("a"), Value::Int(-1)}), "");
    // A subdirectory whose path is longer than MAX_PATH is listed whole
    // (the ANSI functions cannot look into it).
    std::string deep = At("a\\d");
    while (deep.size() < 200) {
        deep += "\\" + std::string(40, 'p');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    const std::string longest = deep + "\\" + std::string(100, 'q');
    const std::wstring wide(longest.begin(), longest.end());
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + wide).c_str(), nullptr));
    const std::string tree = Text("FIL_TREE", {Value::Char(At("a")), Value::Int(100000)});
    EXPECT_NE(tree.find(";" + longest + ";"), std::string::npos);
}

TEST_F(FilesOperationsTest, Compression) {
    WriteAll(At("a.txt"), "x");
    // Wine has no compressing file system: the request is refused.
    EXPECT_FALSE(Logical("FIL_SETCOMPRESSION", {Value::Char("a.txt"), Value::Logical(true)}));
    EXPECT_FALSE(Logical("FIL_SETCOMPRESSION", {Value::Char("a.txt"), Value::Logical(false)}));
    EXPECT_FALSE(Logical("FIL_SETCOMPRESSION", {Value::Char("missing"), Value::Logical(true)}));
    EXPECT_TRUE(Released(At("a.txt")));
}

// Names no file can have: 300 characters, wildcards, a directory where a
// file is expected. Every name answers its failure value.
TEST_F(FilesOperationsTest, NamesThatNameNoFile) {
    WriteAll(At("a.txt"), "x");
    CreateDirectoryA(At("sub").c_str(), nullptr);
    std::string output;
    host.hooks.output = [&](const std::string& s) { output += s; };
    for (const std::string& bad : {std::string(300, 'n'), "*.txt"s, "a?txt"s}) {
        SCOPED_TRACE(bad);
        const Value v = Value::Char(bad);
        EXPECT_EQ(Int("FIL_OPEN", {v, Value::Int(0)}), -1);
        EXPECT_EQ(Int("FIL_SIZE", {v}), -1);
        EXPECT_EQ(Int("FIL_GETATT", {v}), -1);
        EXPECT_EQ(Int("FIL_COPY", {v, Value::Char("t.bin")}), -3);
        EXPECT_EQ(Int("FIL_COPY", {Value::Char("a.txt"), v}), -1);
        EXPECT_EQ(Int("FIL_COPYTIMES", {v}), -3);
        EXPECT_EQ(Int("FIL_SLICES", {v, Value::Int(1)}), -3);
        EXPECT_EQ(Text("FIL_WATERMARK", {v, Value::Char("m")}), "");
        EXPECT_EQ(Text("FIL_GTIME", {v}), "");
        EXPECT_FALSE(Logical("FIL_SDATE", {v, Value::Char("20000101")}));
        EXPECT_FALSE(Logical("FIL_INFO", {v}));
        EXPECT_FALSE(Logical("FIL_DEL", {v}));
        EXPECT_FALSE(Logical("FIL_OPENFILE", {v}));
        EXPECT_EQ(Text("FIL_READALLSECTIONS", {v}), "");
        EXPECT_EQ(Text("FIL_READBYTE", {v, Value::Num(0, 0)}), "");
        EXPECT_EQ(Text("FIL_TREE", {v, Value::Int(100)}), "");
    }
    EXPECT_EQ(Int("FIL_COPY", {Value::Char("sub"), Value::Char("t.bin")}), -2)
        << "a directory is no source";
    EXPECT_EQ(Int("FIL_SIZE", {Value::Char("sub")}), -1);
    EXPECT_EQ(Text("FIL_WATERMARK", {Value::Char("sub"), Value::Char("m")}), "");
    EXPECT_EQ(Int("FIL_SLICES", {Value::Char("sub"), Value::Int(1)}), -2);
    EXPECT_EQ(Text("FIL_READALLSECTIONS", {Value::Char("sub")}), "");
    EXPECT_FALSE(Exists(At("t.bin")));
    EXPECT_TRUE(Released(At("a.txt")));
}

// The rows the fuzzer and the sweep leave alone (they write where random
// names could reach, run commands or walk drives), called here with names
// of the test's own while memory fails at each allocation and resize in
// turn: each ends with its answer or error 182, leaving no handle and no
// channel behind.
TEST_F(FilesOperationsTest, FailingMemoryInRowsKeptFromTheFuzzer) {
    WriteAll(At("a.txt"), Bytes(5000));
    CreateDirectoryA(At("sub").c_str(), nullptr);
    CreateDirectoryA(At("sub\\deeper").c_str(), nullptr);
    const std::pair<const char*, std::vector<Value>> calls[] = {
        {"FIL_COPY", {Value::Char("a.txt"), Value::Char("b.txt"), Value::Char("P")}},
        {"FIL_COPY", {Value::Char("a.txt"), Value::Char("c.txt"), Value::Char(""), Value::Logical(true)}},
        {"FIL_TREE", {Value::Char("sub"), Value::Int(100)}},
        {"FIL_CD", {Value::Char(".")}},
        {"FIL_SETATT", {Value::Char("a.txt"), Value::Int(32)}},
        {"FIL_SETCOMPRESSION", {Value::Char("a.txt"), Value::Logical(true)}},
        {"FIL_GETTEMPFILENAME", {Value::Char(dir), Value::Char("p"), Value::Int(7)}},
        {"FIL_GETFOLDERLOCATION", {Value::Int(36)}},
        {"FIL_WRIINI", {Value::Char("s"), Value::Char("k"), Value::Char("v"), Value::Char(At("a.ini"))}},
    };
    host.hostile = true;
    for (const auto& [name, args] : calls) {
        for (int fault = 0; fault < 6; ++fault) {
            SCOPED_TRACE(std::string(name) + " fault " + std::to_string(fault));
            host.allocCount = host.resizeCount = 0;
            host.faults.failAllocAt = fault < 3 ? fault + 1 : 0;
            host.faults.failResizeAt = fault >= 3 ? fault - 2 : 0;
            const int handles = host.HandlesInUse();
            std::vector<run::Arg> a;
            for (const Value& v : args) a.push_back(run::ByValue(v));
            const Outcome o = host.Call(name, a);
            EXPECT_TRUE(o.error == 0 || o.error == 182) << o.error;
            EXPECT_EQ(host.HandlesInUse(), handles);
            EXPECT_EQ(host.channels.open(), 0);
        }
    }
    host.faults = {};
    host.hostile = HostileRun();
    EXPECT_EQ(Text("FIL_TREE", {Value::Char("sub"), Value::Int(100)}), "sub\\deeper;");
}

}  // namespace
}  // namespace tarvo::test
