// File and directory operations through the library: copies with their
// progress commands, slices, watermarks, deletes and renames, directories,
// searches and the tree, on files the tests make in their scratch folder.
// Every copy and slice leaves no channel open (the files it used can be
// deleted afterwards) and reports a failure for a target it did not fill.
#include <algorithm>
#include <sstream>
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

TEST_F(FilesOperationsTest, Copies) {
    // A command for every 4096-byte block, in order, across transfers of
    // 1 MB; an empty file reports 100. An existing target is replaced.
    WriteAll(At("big.bin"), Bytes(3 * (1 << 20) + 17));
    WriteAll(At("empty.bin"), "");
    WriteAll(At("dst.bin"), "an existing target");
    const int blocks = 3 * 256 + 1;
    std::vector<std::string> every;
    for (int k = 1; k <= blocks; ++k) every.push_back("P(" + std::to_string(k * 100 / blocks) + ")");
    for (const auto& [source, commands] :
         {std::pair{"big.bin", every}, std::pair{"empty.bin", std::vector{"P(100)"s}}}) {
        host.trace.clear();
        EXPECT_EQ(Int("FIL_COPY", {C(source), C("dst.bin"), C("P")}), 0);
        EXPECT_EQ(Traced(kSvcExecuteCommand), commands);
        EXPECT_EQ(ReadAll(At("dst.bin")), ReadAll(At(source)));
    }
    // Without a command nothing is sent; a command the host fails changes
    // nothing.
    host.trace.clear();
    EXPECT_EQ(Int("FIL_COPY", {C("big.bin"), C("quiet.bin")}), 0);
    EXPECT_TRUE(Traced(kSvcExecuteCommand).empty());
    host.faults.failCommand = "P(";
    EXPECT_EQ(Int("FIL_COPY", {C("big.bin"), C("quiet.bin"), C("P")}), 0);
    host.faults.failCommand.clear();
    for (const char* f : {"big.bin", "dst.bin", "quiet.bin"}) EXPECT_TRUE(Released(f)) << f;
    // Any fourth parameter: Windows copies, never onto an existing file,
    // without progress and without the host's channels.
    WriteAll(At("old.bin"), "old");
    host.trace.clear();
    Expect({{"FIL_COPY", {C("empty.bin"), C("old.bin"), C("P"), Value::Logical(false)}, "0"},
            {"FIL_COPY", {C("empty.bin"), C("new.bin"), C("P"), Value::Logical(true)}, "1"},
            {"FIL_COPY", {C("missing"), C("x.bin"), C(""), Value::Logical(true)}, "-3"}});
    EXPECT_TRUE(Traced(kSvcExecuteCommand).empty());
    EXPECT_EQ(Traced(kSvcHostFileOpen).size(), 0u);
    EXPECT_EQ(ReadAll(At("old.bin")), "old");
    EXPECT_TRUE(Exists(At("new.bin")));
}

TEST_F(FilesOperationsTest, CopyFailures) {
    WriteAll(At("src.bin"), "source");
    CreateDirectoryA(At("sub").c_str(), nullptr);
    // A source the host cannot open.
    host.faults.failOpen = "src.bin";
    Expect({{"FIL_COPY", {C("src.bin"), C("t.bin")}, "-2"}, {"FIL_COPYTIMES", {C("src.bin")}, "-2"},
            {"FIL_SLICES", {C("src.bin"), I(2)}, "-2"}});
    host.faults.failOpen.clear();
    EXPECT_FALSE(Exists(At("t.bin")));
    // A target that cannot be created, and a copy onto itself, refused
    // before anything is truncated.
    Expect({{"FIL_COPY", {C("src.bin"), C("sub")}, "-1"},
            {"FIL_COPY", {C("src.bin"), C(At("src.bin"))}, "-1"}});
    EXPECT_EQ(ReadAll(At("src.bin")), "source");
    // The host aborting in the middle: both channels closed, the buffer freed.
    WriteAll(At("big.bin"), Bytes(3 << 20));
    const int handles = host.HandlesInUse();
    for (int k : {5, 9, 12}) {
        host.faults.abortAtService = k;
        EXPECT_EQ(host.Call("FIL_COPY", {C("big.bin"), C("t.bin"), C("P")}).error, 1);
        host.faults.abortAtService = 0;
        EXPECT_EQ(host.HandlesInUse(), handles);
        EXPECT_TRUE(Released("t.bin")) << k;
    }
    EXPECT_TRUE(Released("big.bin"));
    EXPECT_TRUE(Released("src.bin"));
}

// An SZDD file (the COMPRESS tool's format) holding `data` as literals only.
std::string Szdd(const std::string& data) {
    std::string out = "SZDD\x88\xF0\x27\x33"s + "A" + "t"s;
    const std::uint32_t n = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(n >> (8 * i)));
    for (std::size_t i = 0; i < data.size(); i += 8) out += "\xFF" + data.substr(i, 8);
    return out;
}

TEST_F(FilesOperationsTest, Expand) {
    const std::string text = "Expanded by the LZ functions of Windows, byte for byte.";
    WriteAll(At("packed.tx_"), Szdd(text));
    const Outcome o = host.Call("FIL_EXPAND", {C("packed.tx_"), C("out.txt")});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(ReadAll(At("out.txt")), text);
    WriteAll(At("plain.txt"), "as it is");
    host.Call("FIL_EXPAND", {C("missing.txt"), C("never.txt")});
    EXPECT_FALSE(Exists(At("never.txt")));
    host.Call("FIL_EXPAND", {C("plain.txt"), C(std::string(200, 'n'))});
    EXPECT_FALSE(Exists(At(std::string(200, 'n')))) << "beyond the LZ functions' 128 characters";
    host.Call("FIL_EXPAND", {C("plain.txt"), C("plain.txt")});
    EXPECT_EQ(ReadAll(At("plain.txt")), "as it is") << "a file is not expanded onto itself";
}

TEST_F(FilesOperationsTest, Slices) {
    const std::string data = Bytes(10000);
    WriteAll(At("src.bin"), data);
    EXPECT_EQ(Int("FIL_SLICES", {C("src.bin"), I(4096)}), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(ReadAll(At("OUTPUT." + std::to_string(i))), data.substr((i - 1) * 4096, 4096));
        EXPECT_TRUE(Released("OUTPUT." + std::to_string(i))) << i;
    }
    EXPECT_FALSE(Exists(At("OUTPUT.4")));
    for (std::int32_t size : {10000, 20000, 0, -4096})
        EXPECT_EQ(Int("FIL_SLICES", {C("src.bin"), I(size)}), -1) << size;
    EXPECT_FALSE(Exists(At("OUTPUT.1"))) << "nothing written";
    EXPECT_EQ(Int("FIL_SLICES", {C("src.bin"), I(9999)}), 2);
    EXPECT_EQ(ReadAll(At("OUTPUT.2")), data.substr(9999));
    // Slice 2 cannot be created: -count, slice 1 stays, no slice after it.
    EXPECT_TRUE(Released("OUTPUT.2"));
    CreateDirectoryA(At("OUTPUT.2").c_str(), nullptr);
    EXPECT_EQ(Int("FIL_SLICES", {C("src.bin"), I(3000)}), -4);
    EXPECT_EQ(ReadAll(At("OUTPUT.1")), data.substr(0, 3000));
    EXPECT_FALSE(Exists(At("OUTPUT.3")));
    RemoveDirectoryA(At("OUTPUT.2").c_str());
    WriteAll(At("small.bin"), "0123456789AB");
    EXPECT_EQ(Int("FIL_SLICES", {C("small.bin"), I(1)}), 12) << "a slice per byte";
    EXPECT_EQ(ReadAll(At("OUTPUT.2")) + ReadAll(At("OUTPUT.12")), "1B");
    EXPECT_TRUE(Released("src.bin"));
    EXPECT_TRUE(Released("small.bin"));
}

// A host that answers block reads in parts (here 1000 bytes at most) still
// gets whole copies and slices.
TEST_F(FilesOperationsTest, ReadsAnsweredInParts) {
    const std::string data = Bytes(3 * (1 << 20) + 17);
    WriteAll(At("src.bin"), data);
    host.faults.readLimit = 1000;
    EXPECT_EQ(Int("FIL_COPY", {C("src.bin"), C("dst.bin")}), 0);
    EXPECT_EQ(Int("FIL_SLICES", {C("src.bin"), I(1 << 20)}), 4);
    host.faults.readLimit = 0;
    EXPECT_TRUE(ReadAll(At("dst.bin")) == data);
    EXPECT_TRUE(ReadAll(At("OUTPUT.2")) == data.substr(1 << 20, 1 << 20));
    EXPECT_TRUE(ReadAll(At("OUTPUT.4")) == data.substr(3 << 20));
}

TEST_F(FilesOperationsTest, Watermark) {
    std::string expected(1000, '.');
    WriteAll(At("a.txt"), expected);
    const std::string mark = "Tarvo";
    const std::string list = Text("FIL_WATERMARK", {C("a.txt"), C(mark)});
    // The file holds the mark's characters at the positions listed, and
    // nothing else changed.
    std::istringstream positions(list + ",");
    for (char c : mark) {
        std::size_t at = 0;
        ASSERT_TRUE(positions >> at && positions.get() == ',') << list;
        EXPECT_GE(at, 100u);
        expected.resize(std::max(expected.size(), at + 1));
        expected[at] = c;
    }
    EXPECT_EQ(positions.peek(), EOF) << list;
    EXPECT_EQ(ReadAll(At("a.txt")), expected) << list;
    // 250 characters at most, and no more than the file holds.
    WriteAll(At("large.txt"), std::string(100000, '.'));
    const std::string longest = Text("FIL_WATERMARK", {C("large.txt"), C(std::string(250, 'm'))});
    EXPECT_EQ(std::count(longest.begin(), longest.end(), ','), 249);
    WriteAll(At("tiny.txt"), "abc");
    Expect({{"FIL_WATERMARK", {C("a.txt"), C(std::string(251, 'm'))}, ""},
            {"FIL_WATERMARK", {C("tiny.txt"), C("abcd")}, ""}});
    EXPECT_EQ(ReadAll(At("a.txt")), expected);
    EXPECT_EQ(ReadAll(At("tiny.txt")), "abc");
    EXPECT_TRUE(Released("a.txt"));
}

TEST_F(FilesOperationsTest, Searches) {
    for (const char* f : {"zz.txt", "aa.txt", "mm.dat"}) WriteAll(At(f), "x");
    // Wine lists a directory sorted (NTFS does too). A new search replaces
    // the open one; a name comes without its folder.
    Expect({{"FIL_FIRST", {C("*.txt")}, "aa.txt"}, {"FIL_FIRST", {C(At("m*"))}, "mm.dat"},
            {"FIL_NEXT", {}, ""}, {"FIL_FIRST", {C("*.txt")}, "aa.txt"}, {"FIL_NEXT", {}, "zz.txt"},
            {"FIL_NEXT", {}, ""}, {"FIL_NEXT", {}, ""},
            {"FIL_FIRST", {C(std::string(300, 'q'))}, ""}, {"FIL_NEXT", {}, ""}});
}

TEST_F(FilesOperationsTest, Tree) {
    for (const char* d : {"a", "a\\b", "a\\b\\c", "a\\d"}) CreateDirectoryA(At(d).c_str(), nullptr);
    Expect({{"FIL_TREE", {C(At("a")), I(1000)}, At("a\\b;") + At("a\\b\\c;") + At("a\\d;")},
            {"FIL_TREE", {C("a"), I(13)}, ""},  // a\d does not fit at the top
            {"FIL_TREE", {C("missing"), I(1000)}, ""}});
    // A subdirectory whose path is longer than MAX_PATH is listed whole
    // (the ANSI functions cannot look into it).
    std::string deep = At("a\\d");
    while (deep.size() < 200) {
        deep += "\\" + std::string(40, 'p');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    const std::string longest = deep + "\\" + std::string(100, 'q');
    ASSERT_TRUE(CreateDirectoryW(
        (L"\\\\?\\" + std::wstring(longest.begin(), longest.end())).c_str(), nullptr));
    const std::string tree = Text("FIL_TREE", {C(At("a")), I(100000)});
    EXPECT_NE(tree.find(";" + longest + ";"), std::string::npos);
}

// Names no file can have: 300 characters, wildcards, a directory where a
// file is expected and the other way round. Every name answers its failure
// value.
TEST_F(FilesOperationsTest, NamesThatNameNoFile) {
    WriteAll(At("a.txt"), "x");
    CreateDirectoryA(At("sub").c_str(), nullptr);
    host.hooks.output = [](const std::string&) {};  // FIL_READBYTE's "Problem" lines
    for (const std::string& bad : {std::string(300, 'n'), "*.txt"s, "a?txt"s}) {
        SCOPED_TRACE(bad);
        const Value v = C(bad);
        Expect({{"FIL_OPEN", {v, I(0)}, "-1"}, {"FIL_SIZE", {v}, "-1"}, {"FIL_GETATT", {v}, "-1"},
                {"FIL_COPY", {v, C("t.bin")}, "-3"}, {"FIL_COPY", {C("a.txt"), v}, "-1"},
                {"FIL_COPYTIMES", {v}, "-3"}, {"FIL_SLICES", {v, I(1)}, "-3"},
                {"FIL_WATERMARK", {v, C("m")}, ""}, {"FIL_GTIME", {v}, ""},
                {"FIL_SDATE", {v, C("20000101")}, ".F."}, {"FIL_INFO", {v}, ".F."},
                {"FIL_DEL", {v}, ".F."}, {"FIL_OPENFILE", {v}, ".F."},
                {"FIL_READALLSECTIONS", {v}, ""}, {"FIL_READBYTE", {v, Value::Num(0, 0)}, ""},
                {"FIL_TREE", {v, I(100)}, ""}});
    }
    Expect({{"FIL_COPY", {C("sub"), C("t.bin")}, "-2"},  // a directory is no source
            {"FIL_SIZE", {C("sub")}, "-1"}, {"FIL_WATERMARK", {C("sub"), C("m")}, ""},
            {"FIL_SLICES", {C("sub"), I(1)}, "-2"}, {"FIL_READALLSECTIONS", {C("sub")}, ""},
            {"FIL_DEL", {C("sub")}, ".F."}, {"FIL_RMDIR", {C("a.txt")}, ".F."}});
    EXPECT_FALSE(Exists(At("t.bin")));
    EXPECT_TRUE(Released("a.txt"));
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
        {"FIL_COPY", {C("a.txt"), C("b.txt"), C("P")}},
        {"FIL_COPY", {C("a.txt"), C("c.txt"), C(""), Value::Logical(true)}},
        {"FIL_TREE", {C("sub"), I(100)}}, {"FIL_CD", {C(".")}}, {"FIL_SETATT", {C("a.txt"), I(32)}},
        {"FIL_SETCOMPRESSION", {C("a.txt"), Value::Logical(true)}},
        {"FIL_GETTEMPFILENAME", {C(dir), C("p"), I(7)}}, {"FIL_GETFOLDERLOCATION", {I(36)}},
        {"FIL_WRIINI", {C("s"), C("k"), C("v"), C(At("a.ini"))}},
    };
    host.hostile = true;
    for (const auto& [name, args] : calls) {
        for (int fault = 0; fault < 6; ++fault) {
            SCOPED_TRACE(std::string(name) + " fault " + std::to_string(fault));
            host.allocCount = host.resizeCount = 0;
            host.faults.failAllocAt = fault < 3 ? fault + 1 : 0;
            host.faults.failResizeAt = fault >= 3 ? fault - 2 : 0;
            const int handles = host.HandlesInUse();
            const std::string answer = Ask(name, args);
            EXPECT_TRUE(answer.rfind("error", 0) != 0 || answer == "error 182") << answer;
            EXPECT_EQ(host.HandlesInUse(), handles);
            EXPECT_EQ(host.channels.open(), 0);
        }
    }
    host.faults = {};
    host.hostile = HostileRun();
    EXPECT_EQ(Text("FIL_TREE", {C("sub"), I(100)}), "sub\\deeper;");
}

}  // namespace
}  // namespace tarvo::test
