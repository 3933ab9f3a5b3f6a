// What the file handlers add to their plain functions (which have their own
// unit tests): the host's channels (read, measured and always closed),
// variables by reference, the Windows calls behind each name with the guards
// before them, and every handle closed again. Where Wine answers otherwise
// than Windows the test says so.
#include <io.h>

#include <fcntl.h>

#include <string>

#include "files_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

// --- handle I/O ---------------------------------------------------------------

// FIL_READ fills the variable from its first character and never beyond its
// length, and returns the count before it stores the variable. Measuring
// the channel and testing its ends do not move it.
TEST_F(FilesTest, ChannelsAndReadByReference) {
    WriteAll(At("a.txt"), "0123456789");
    const std::int32_t ch = Int("FIL_OPEN", {C("a.txt"), I(0)});
    auto read = [&](std::uint32_t var, std::int32_t count) {
        return host.Call("FIL_READ",
                         {run::ByValue(I(ch)), run::ByRef(var), run::ByValue(I(count))});
    };
    const std::uint32_t small = host.NewVariable(C("xyz"));
    EXPECT_EQ(read(small, 100).value().integer, 3);
    EXPECT_EQ(read(small, -4).value().integer, 0);
    EXPECT_EQ(host.Variable(small).text, "012");
    Expect({{"FIL_ISBOF", {I(ch)}, ".F."}, {"FIL_ISEOF", {I(ch)}, ".F."},
            {"FIL_LEN", {I(ch)}, "10"}, {"FIL_TELL", {I(ch)}, "3"}});
    const std::uint32_t blanks = host.NewVariable(C(std::string(20, ' ')));
    host.trace.clear();
    EXPECT_EQ(read(blanks, 10).value().integer, 7);
    EXPECT_EQ(host.Variable(blanks).text, "3456789" + std::string(13, ' '));
    std::vector<std::uint32_t> order;
    for (const run::Trace& t : host.trace)
        if (t.code == kSvcReturnValue || t.code == kSvcStoreVariable) order.push_back(t.code);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{kSvcReturnValue, kSvcStoreVariable}));
    // A variable without text: error 9. The host refusing the store: its
    // error after the count. No handle is left behind either way.
    const int handles = host.HandlesInUse();
    EXPECT_EQ(read(host.NewVariable(Value::Num(1.5, 1)), 2).error, 9);
    host.faults.storeVariableError = 12;
    const Outcome o = read(small, 1);
    host.faults.storeVariableError = 0;
    EXPECT_EQ(o.error, 12);
    EXPECT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(host.HandlesInUse(), handles);
    EXPECT_TRUE(Logical("FIL_CLOSE", {I(ch)}));
    EXPECT_TRUE(Released("a.txt"));
}

// Every name that opens a file for one answer closes it again; a file
// another handle holds without sharing does not open.
TEST_F(FilesTest, OneShotOpens) {
    WriteAll(At("a.txt"), "ab\0d"s);
    CreateDirectoryA(At("sub").c_str(), nullptr);
    std::string output;
    host.hooks.output = [&](const std::string& s) { output += s; };
    const Value a = C("a.txt");
    host.trace.clear();
    // FIL_READBYTE takes the whole part of the position; a zero byte is "".
    Expect({{"FIL_READBYTE", {a, Value::Num(1.9, 1)}, "b"},
            {"FIL_READBYTE", {a, Value::Num(2)}, ""}, {"FIL_READBYTE", {a, Value::Num(3)}, "d"},
            {"FIL_READBYTE", {a, Value::Num(4)}, ""}, {"FIL_READBYTE", {a, Value::Num(-1)}, ""},
            {"FIL_OPENFILE", {a}, ".T."}, {"FIL_OPENFILE", {C("sub")}, ".F."},
            {"FIL_SIZE", {a}, "4"}, {"FIL_FILETYPE", {a}, "1"}, {"FIL_OWNER", {a}, "OK"},
            {"FIL_GDATE", {C("sub")}, ""}});  // a directory does not open as a file
    EXPECT_EQ(Traced(kSvcHostFileOpen).size(), 1u) << "FIL_SIZE measures through one channel";
    EXPECT_EQ(Traced(kSvcHostFileClose).size(), 1u);
    EXPECT_EQ(output, "");
    HANDLE held =
        CreateFileA(At("a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Expect({{"FIL_OPENFILE", {a}, ".F."}, {"FIL_READBYTE", {a, Value::Num(0)}, ""}});
    CloseHandle(held);
    EXPECT_EQ(output, "Problem\n");
    EXPECT_TRUE(Released("a.txt"));
}

TEST_F(FilesTest, RuntimeDescriptors) {
    const int fd = _open(At("d.txt").c_str(), _O_CREAT | _O_WRONLY | _O_BINARY, 0600);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(Logical("FIL_COMMIT", {I(fd)})) << "the library shares the process's runtime";
    _close(fd);
    for (std::int32_t closed : {fd, -1, 2048, 1 << 30})
        EXPECT_FALSE(Logical("FIL_COMMIT", {I(closed)})) << closed;
}

// --- profile files ------------------------------------------------------------

// Texts are cut where their areas end: values at 1023 and 132 characters,
// a list of names where Windows fills its 2048 bytes.
TEST_F(FilesTest, ProfileFiles) {
    const Value ini = C(At("app.ini")), s = C("TarvoFilesTest");
    const Value longName = C(std::string(2048, 'j')), longText = C(std::string(40000, 't'));
    Expect({{"FIL_WRIINI", {s, C("k"), C(std::string(1500, 'x')), ini}, ".T."},
            {"FIL_REAINI", {s, C("k"), ini}, std::string(1023, 'x')},
            {"FIL_REAINI", {s, C("k"), C(At("none.ini"))}, ""}, {"FIL_SECTIO", {s, ini}, "k"},
            {"FIL_SECTIO", {C("None"), ini}, ""},
            {"FIL_WRIINI", {s, C("k"), C("v"), C(At("no\\such\\dir.ini"))}, ".F."},
            {"FIL_WWRIIN", {s, C("Colour"), C("blue")}, ".T."},
            {"FIL_WWRIIN", {s, C("Long"), C(std::string(200, 'y'))}, ".T."},
            {"FIL_WREAIN", {s, C("Long")}, std::string(132, 'y')},
            {"FIL_WSECTI", {s}, "Colour;Long"},
            // Names Windows' profile functions cannot take (Wine overruns its
            // own buffers on them) are refused before Windows sees them.
            {"FIL_REAINI", {s, C("k"), longName}, ""}, {"FIL_REAINI", {longText, C("k"), ini}, ""},
            {"FIL_SECTIO", {s, longName}, ""}, {"FIL_WREAIN", {s, longText}, ""},
            {"FIL_WSECTI", {longText}, ""}, {"FIL_WRIINI", {s, C("k"), longText, ini}, ".F."},
            {"FIL_WRIINI", {s, C("k"), C("v"), longName}, ".F."},
            {"FIL_WWRIIN", {longText, C("k"), C("v")}, ".F."}});
    std::string keys, text = "[Many]\r\n";
    for (int i = 0; i < 400; ++i) {
        text += "key" + std::to_string(i) + "=1\r\n";
        keys += (i ? ";key" : "key") + std::to_string(i);
    }
    WriteAll(At("many.ini"), text);
    EXPECT_EQ(Text("FIL_SECTIO", {C("Many"), C(At("many.ini"))}),
              keys.substr(0, keys.find(";key308")))
        << "cut just behind key307, whose zero Windows keeps";
    const std::string all = ";" + Text("FIL_READWININIALLSECTIONS", {}) + ";";
    EXPECT_NE(all.find(";TarvoFilesTest;"), std::string::npos);
    EXPECT_EQ(all.find(";;"), std::string::npos);
    WriteProfileStringA("TarvoFilesTest", nullptr, nullptr);  // the test's section goes again
}

TEST_F(FilesTest, SectionScanThroughTheHost) {
    WriteAll(At("a.ini"), "[A]\r\n  [B C]\r\n\t[T]\r\nk=[no]\r\n[E\r\n");
    WriteAll(At("b.ini"), std::string(5000, '\n'));
    host.trace.clear();
    EXPECT_EQ(Text("FIL_READALLSECTIONS", {C("a.ini")}), "A,B C,E")
        << "a tab-indented header is not one (Wine's own parser lists T, drops E)";
    EXPECT_GT(Traced(kSvcHostFileIo).size(), 4u) << "line by line through the host";
    EXPECT_TRUE(Released("a.ini"));
    // Far more than 8192 characters of names: the list stops at 8191.
    std::string many, expected;
    for (int i = 0; i < 1000; ++i) {
        many += "[section number " + std::to_string(i) + "]\nk=v\n";
        expected += (i ? ",section number " : "section number ") + std::to_string(i);
    }
    WriteAll(At("c.ini"), many);
    EXPECT_EQ(Text("FIL_READALLSECTIONS", {C("c.ini")}), expected.substr(0, 8191));
    // An abort of the host in the middle still closes the channel and frees
    // the line.
    const int handles = host.HandlesInUse();
    host.faults.abortAtService = 8;
    EXPECT_EQ(host.Call("FIL_READALLSECTIONS", {C("b.ini")}).error, 1);
    host.faults.abortAtService = 0;
    EXPECT_EQ(host.HandlesInUse(), handles);
    EXPECT_TRUE(Released("b.ini"));
}

// --- file information ---------------------------------------------------------

TEST_F(FilesTest, Attributes) {
    WriteAll(At("a.txt"), "x");
    const Value a = C("a.txt");
    Expect({{"FIL_SETATT", {a, I(7)}, ".T."}, {"FIL_ISREADONLY", {a}, ".T."},
            {"FIL_ISHIDDEN", {a}, ".T."}, {"FIL_ISSYSTEM", {a}, ".T."},
            {"FIL_ISDIRECTORY", {a}, ".F."}, {"FIL_SETATT", {a, I(128)}, ".T."},
            {"FIL_ISREADONLY", {a}, ".F."}, {"FIL_SETATT", {C("missing.txt"), I(1)}, ".F."},
            // Wine keeps no normal, temporary or compressed bit: it reports archive.
            {"FIL_SETATT", {a, I(256)}, ".T."}, {"FIL_GETATT", {a}, "32"},
            {"FIL_ISTMP", {a}, ".F."}, {"FIL_ISNORMAL", {a}, ".F."},
            {"FIL_ISCOMPRESSED", {a}, ".F."}, {"FIL_ISARCHIVED", {a}, ".T."},
            // Wine has no compressing file system either: the request is refused.
            {"FIL_SETCOMPRESSION", {a, Value::Logical(true)}, ".F."},
            {"FIL_SETCOMPRESSION", {a, Value::Logical(false)}, ".F."}});
    EXPECT_TRUE(Released("a.txt"));
}

TEST_F(FilesTest, TimesAndStatus) {
    WriteAll(At("a.txt"), "hello");
    CreateDirectoryA(At("sub").c_str(), nullptr);
    FILETIME written, accessed;
    const SYSTEMTIME w{2001, 12, 0, 31, 4, 30, 0, 0}, r{1999, 3, 0, 5, 12, 0, 0, 0};
    SystemTimeToFileTime(&w, &written);
    SystemTimeToFileTime(&r, &accessed);
    HANDLE h =
        CreateFileA(At("a.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, &accessed, &written);
    CloseHandle(h);
    const Value a = C("a.txt");
    // The status counts seconds in UTC. Wine keeps no creation time of its
    // own: it is the last write, and setting it answers .T. but changes nothing.
    // A directory has a status, but does not open as a file.
    Expect({{"FIL_INFO", {a}, ".T."}, {"FIL_ISIZE", {}, "5"}, {"FIL_IMTIME", {}, "1009773000"},
            {"FIL_IATIME", {}, "920635200"}, {"FIL_ICTIME", {}, "1009773000"},
            {"FIL_INFO", {C("sub")}, ".T."}, {"FIL_GDATE", {C("sub")}, ""},
            {"FIL_INFO", {C("missing.txt")}, ".F."}, {"FIL_IMTIME", {}, "-1"},
            {"FIL_SETFILETIME", {a, C("09:07:33")}, ".T."},
            {"FIL_SETFILETIME", {a, C("01:02:03"), I(3)}, ".T."},
            {"FIL_GTIME", {a, I(0)}, "09:07:32"},
            {"FIL_SETFILETIME", {C("missing.txt"), C("10:00:00")}, ".F."},
            {"FIL_COMPARETIME", {a, a, I(1)}, "0"},
            {"FIL_COMPARETIME", {C("x"), C("y"), I(2)}, "0"}});
    EXPECT_TRUE(Released("a.txt"));
}

TEST_F(FilesTest, NamePartsArePiecesOfTheParameter) {
    const run::Returned r = Record("FIL_SPLIT", {C("C:\\dir\\file.txt"), I(2)});
    EXPECT_EQ(r.type, 'H');
    EXPECT_EQ(r.value.text, "\\dir\\");
    EXPECT_EQ(Text("FIL_EXT", {C("a.b\0.c"s)}), ".b") << "the path ends at a zero byte";
}

TEST_F(FilesTest, NamesWindowsFinds) {
    CreateDirectoryA(At("one").c_str(), nullptr);
    CreateDirectoryA(At("two").c_str(), nullptr);
    WriteAll(At("two\\there.txt"), "x");
    WriteAll(At("a.exe"), "x");
    SetEnvironmentVariableA("TARVO_WHERE", (At("one") + ";;" + At("two") + "\\").c_str());
    Expect({// Wine's ANSI path functions stop at MAX_PATH (Windows answers
            // longer full names too, and the area grows for them).
            {"FIL_FULLNAME", {C(std::string(250, 'n'))}, ""},
            {"FIL_GETTEMPFILENAME", {C(At("missing")), C("pre"), I(0)}, ""},
            {"FIL_GETTEMPFILENAME", {C(std::string(300, 'd')), C("p"), I(0)}, ""},
            {"FIL_WHERE", {C("there.txt"), C("TARVO_WHERE")}, At("two\\there.txt")},
            {"FIL_WHERE", {C("nowhere.txt"), C("TARVO_WHERE")}, ""},
            {"FIL_WHERE", {C("there.txt"), C("TARVO_UNSET")}, ""},
            {"FIL_WHERE", {C(""), C("TARVO_WHERE")}, ""},
            {"FIL_FNDEXE", {C("a.exe"), C(dir)}, At("a.exe")},  // a program is its own
            // A name the shell cannot take (Wine overruns a buffer on it).
            {"FIL_FNDEXE", {C(std::string(2048, 'f')), C(dir)}, ""},
            {"FIL_GETFOLDERLOCATION", {I(0x11)}, ""},  // My Computer is virtual
            {"FIL_GETFOLDERLOCATION", {I(0x7f)}, ""}});
    SetEnvironmentVariableA("TARVO_WHERE", nullptr);
}

}  // namespace
}  // namespace tarvo::test
