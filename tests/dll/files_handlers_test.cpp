// What the file handlers add to their plain functions: the host's channels
// (opened, read, measured and always closed), variables by reference,
// result records, the Windows calls behind each name, and the files left on
// disk. Where Wine answers otherwise than Windows the test says so.
#include <io.h>

#include <fcntl.h>

#include <algorithm>
#include <string>

#include "files_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

// --- handle I/O ---------------------------------------------------------------

TEST_F(FilesTest, ChannelsThroughTheHost) {
    WriteAll(At("a.txt"), "abcdefgh");
    WriteAll(At("empty.txt"), "");
    const std::int32_t ch = Int("FIL_OPEN", {Value::Char("a.txt"), Value::Int(0)});
    ASSERT_GT(ch, 0);
    run::Returned r = host.Call("FIL_TELL", {Value::Int(ch)}).returns.at(0);
    EXPECT_EQ(r.type, 'I');
    EXPECT_EQ(r.width, 10);
    EXPECT_TRUE(Logical("FIL_ISBOF", {Value::Int(ch)}));
    EXPECT_FALSE(Logical("FIL_ISEOF", {Value::Int(ch)}));
    EXPECT_EQ(Int("FIL_LEN", {Value::Int(ch)}), 8);
    EXPECT_EQ(Int("FIL_TELL", {Value::Int(ch)}), 0) << "measuring does not move the channel";

    const std::uint32_t var = host.NewVariable(Value::Char(std::string(5, '-')));
    Outcome o = host.Call(
        "FIL_READ", {run::ByValue(Value::Int(ch)), run::ByRef(var), run::ByValue(Value::Int(3))});
    EXPECT_EQ(o.value().integer, 3);
    EXPECT_EQ(host.Variable(var).text, "abc--");
    EXPECT_EQ(Int("FIL_TELL", {Value::Int(ch)}), 3);
    EXPECT_FALSE(Logical("FIL_ISBOF", {Value::Int(ch)}));
    EXPECT_EQ(Int("FIL_LEN", {Value::Int(ch)}), 8);
    EXPECT_EQ(Int("FIL_TELL", {Value::Int(ch)}), 3);
    // FILEOPEN and OPENFILE are the same; a second channel on the same file.
    const std::int32_t second = Int("OPENFILE", {Value::Char(At("a.txt")), Value::Int(0)});
    EXPECT_GT(second, 0);
    EXPECT_NE(second, ch);
    EXPECT_TRUE(Logical("FIL_CLOSE", {Value::Int(second)}));
    EXPECT_TRUE(Logical("CLOSEFILE", {Value::Int(ch)}));
    EXPECT_FALSE(Logical("FILECLOSE", {Value::Int(ch)})) << "closed already";
    EXPECT_TRUE(Released(At("a.txt")));

    EXPECT_EQ(Int("FIL_OPEN", {Value::Char("missing.txt"), Value::Int(0)}), -1);
    const std::int32_t e = Int("FIL_OPEN", {Value::Char("empty.txt"), Value::Int(2)});
    EXPECT_TRUE(Logical("FIL_ISBOF", {Value::Int(e)}));
    EXPECT_TRUE(Logical("FIL_ISEOF", {Value::Int(e)})) << "an empty file stands at both ends";
    EXPECT_EQ(Int("FIL_TELL", {Value::Int(e)}), 0);
    EXPECT_TRUE(Logical("FIL_CLOSE", {Value::Int(e)}));
}

TEST_F(FilesTest, ReadIntoAVariable) {
    WriteAll(At("a.txt"), "0123456789ABCD");
    std::int32_t ch = Int("FIL_OPEN", {Value::Char("a.txt"), Value::Int(0)});
    ASSERT_GT(ch, 0);
    auto read = [&](std::uint32_t var, std::int32_t count) {
        return host.Call("FIL_READ", {run::ByValue(Value::Int(ch)), run::ByRef(var),
                                      run::ByValue(Value::Int(count))});
    };
    host.Call("FIL_READ", {run::ByValue(Value::Int(ch)),
                           run::ByRef(host.NewVariable(Value::Char(std::string(10, ' ')))),
                           run::ByValue(Value::Int(10))});
    // 4 bytes left: 10 asked into 20 blanks gives 4, the rest stays blank.
    const std::uint32_t blanks = host.NewVariable(Value::Char(std::string(20, ' ')));
    host.trace.clear();
    Outcome o = read(blanks, 10);
    EXPECT_EQ(o.error, 0);
    EXPECT_EQ(o.value().integer, 4);
    EXPECT_EQ(host.Variable(blanks).text, "ABCD" + std::string(16, ' '));
    // The count goes back before the variable is stored.
    std::vector<std::uint32_t> order;
    for (const run::Trace& t : host.trace)
        if (t.code == kSvcReturnValue || t.code == kSvcStoreVariable) order.push_back(t.code);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{kSvcReturnValue, kSvcStoreVariable}));

    // Never more than the variable holds; a negative count reads nothing.
    EXPECT_TRUE(Logical("FIL_CLOSE", {Value::Int(ch)}));
    ch = Int("FIL_OPEN", {Value::Char("a.txt"), Value::Int(0)});
    const std::uint32_t small = host.NewVariable(Value::Char("xyz"));
    EXPECT_EQ(read(small, 100).value().integer, 3);
    EXPECT_EQ(host.Variable(small).text, "012");
    EXPECT_EQ(read(small, -4).value().integer, 0);
    EXPECT_EQ(host.Variable(small).text, "012");
    EXPECT_EQ(Int("FIL_TELL", {Value::Int(ch)}), 3);

    // A variable without text: error 9, no handle left behind.
    const int handles = host.HandlesInUse();
    const std::uint32_t number = host.NewVariable(Value::Num(1.5, 1));
    EXPECT_EQ(read(number, 2).error, 9);
    EXPECT_EQ(host.HandlesInUse(), handles);
    // The host refusing the store: the error comes after the count.
    host.faults.storeVariableError = 12;
    o = read(small, 1);
    host.faults.storeVariableError = 0;
    EXPECT_EQ(o.error, 12);
    EXPECT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(host.HandlesInUse(), handles);
    EXPECT_TRUE(Logical("FIL_CLOSE", {Value::Int(ch)}));
}

TEST_F(FilesTest, ReadByteAndOneShotOpens) {
    WriteAll(At("a.txt"), "ab\0d"s);
    std::string output;
    host.hooks.output = [&](const std::string& s) { output += s; };
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("a.txt"), Value::Num(1.9, 1)}), "b")
        << "the whole part";
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("a.txt"), Value::Num(2, 0)}), "") << "a zero byte";
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("a.txt"), Value::Num(3, 0)}), "d");
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("a.txt"), Value::Num(4, 0)}), "") << "past the end";
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("a.txt"), Value::Num(-1, 0)}), "");
    EXPECT_EQ(output, "");
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("missing.txt"), Value::Num(0, 0)}), "");
    EXPECT_EQ(output, "Problem\n");

    EXPECT_TRUE(Logical("FIL_OPENFILE", {Value::Char("a.txt")}));
    EXPECT_FALSE(Logical("FIL_OPENFILE", {Value::Char("missing.txt")}));
    CreateDirectoryA(At("sub").c_str(), nullptr);
    EXPECT_FALSE(Logical("FIL_OPENFILE", {Value::Char("sub")})) << "a directory";
    // A file another handle holds without sharing is in use.
    HANDLE held =
        CreateFileA(At("a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(Logical("FIL_OPENFILE", {Value::Char("a.txt")}));
    output.clear();
    EXPECT_EQ(Text("FIL_READBYTE", {Value::Char("a.txt"), Value::Num(0, 0)}), "");
    EXPECT_EQ(output, "Problem\n");
    CloseHandle(held);
    EXPECT_TRUE(Released(At("a.txt"))) << "the one-shot opens closed their handles";
}

TEST_F(FilesTest, RuntimeDescriptorsAndHandleCount) {
    const int fd = _open(At("d.txt").c_str(), _O_CREAT | _O_WRONLY | _O_BINARY, 0600);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(Logical("FIL_COMMIT", {Value::Int(fd)}))
        << "the library shares the process's runtime";
    _close(fd);
    EXPECT_FALSE(Logical("FIL_COMMIT", {Value::Int(fd)}));
    EXPECT_FALSE(Logical("FIL_COMMIT", {Value::Int(-1)}));
    EXPECT_FALSE(Logical("FIL_COMMIT", {Value::Int(1 << 30)}));
    EXPECT_GE(Int("FIL_FLUSHALL", {}), 0);
    EXPECT_EQ(Int("FIL_SETHAN", {Value::Int(50)}), 50) << "Windows NT answers the number asked";
    EXPECT_EQ(Int("FIL_SETHANDLECOUNT", {Value::Int(7)}), 7);
}

// --- profile files ------------------------------------------------------------

TEST_F(FilesTest, PrivateProfileFiles) {
    const std::string ini = At("app.ini");
    EXPECT_TRUE(Logical("FIL_WRIINI", {Value::Char("Win"), Value::Char("Top"), Value::Char("12"),
                                       Value::Char(ini)}));
    EXPECT_TRUE(Logical("FIL_WRITEINI", {Value::Char("Win"), Value::Char("Left"), Value::Char("3"),
                                         Value::Char(ini)}));
    EXPECT_TRUE(Logical("WRITEPRIVATEPROFILESTRING", {Value::Char("Other"), Value::Char("k"),
                                                      Value::Char("v"), Value::Char(ini)}));
    EXPECT_EQ(Text("FIL_REAINI", {Value::Char("Win"), Value::Char("top"), Value::Char(ini)}), "12");
    EXPECT_EQ(Text("FIL_READINI", {Value::Char("Win"), Value::Char("Nope"), Value::Char(ini)}), "");
    EXPECT_EQ(Text("GETPRIVATEPROFILESTRING",
                   {Value::Char("Nope"), Value::Char("Top"), Value::Char(ini)}),
              "");
    EXPECT_EQ(
        Text("FIL_REAINI", {Value::Char("Win"), Value::Char("Top"), Value::Char(At("none.ini"))}),
        "");
    EXPECT_EQ(Text("FIL_SECTIO", {Value::Char("Win"), Value::Char(ini)}), "Top;Left");
    EXPECT_EQ(Text("FIL_SECTION", {Value::Char("Other"), Value::Char(ini)}), "k")
        << "no separator after one key";
    EXPECT_EQ(Text("GETPRIVATEPROFILESECTION", {Value::Char("Nope"), Value::Char(ini)}), "");
    // Names Windows' profile functions cannot take (Wine overruns its own
    // buffers on them) are refused before Windows sees them.
    const Value longName = Value::Char(std::string(2048, 'j'));
    const Value longText = Value::Char(std::string(40000, 't'));
    EXPECT_EQ(Text("FIL_REAINI", {Value::Char("s"), Value::Char("k"), longName}), "");
    EXPECT_EQ(Text("FIL_REAINI", {longText, Value::Char("k"), Value::Char(ini)}), "");
    EXPECT_EQ(Text("FIL_SECTIO", {Value::Char("Win"), longName}), "");
    EXPECT_EQ(Text("FIL_WREAIN", {Value::Char("s"), longText}), "");
    EXPECT_EQ(Text("FIL_WSECTI", {longText}), "");
    EXPECT_FALSE(Logical("FIL_WRIINI", {Value::Char("s"), Value::Char("k"), longText, Value::Char(ini)}));
    EXPECT_FALSE(Logical("FIL_WRIINI", {Value::Char("s"), Value::Char("k"), Value::Char("v"), longName}));
    EXPECT_FALSE(Logical("FIL_WWRIIN", {longText, Value::Char("k"), Value::Char("v")}));
    EXPECT_FALSE(Logical("FIL_WRIINI", {Value::Char("s"), Value::Char("k"), Value::Char("v"),
                                        Value::Char(At("no\\such\\dir.ini"))}));

    // A value is cut at 1023 characters, a list of names where its 2048-byte
    // area ends (here just behind key307, whose zero Windows keeps).
    EXPECT_TRUE(Logical("FIL_WRIINI", {Value::Char("Long"), Value::Char("v"),
                                       Value::Char(std::string(1500, 'x')), Value::Char(ini)}));
    EXPECT_EQ(Text("FIL_REAINI", {Value::Char("Long"), Value::Char("v"), Value::Char(ini)}),
              std::string(1023, 'x'));
    std::string keys, text = "[Many]\r\n";
    for (int i = 0; i < 400; ++i) {
        const std::string key = "key" + std::to_string(i);
        text += key + "=1\r\n";
        keys += (i ? ";" : "") + key;
    }
    WriteAll(At("many.ini"), text);
    ASSERT_GT(keys.size(), 2048u);
    EXPECT_EQ(Text("FIL_SECTIO", {Value::Char("Many"), Value::Char(At("many.ini"))}),
              keys.substr(0, keys.find(";key308")));
}

TEST_F(FilesTest, RelativeProfileNamesLiveInTheWindowsFolder) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string name = "tarvo-files-relative.ini";
    const std::string inWindows = std::string(windows) + "\\" + name;
    EXPECT_TRUE(Logical("FIL_WRIINI",
                        {Value::Char("s"), Value::Char("k"), Value::Char("v"), Value::Char(name)}));
    EXPECT_TRUE(Exists(inWindows));
    EXPECT_FALSE(Exists(At(name))) << "not the current folder";
    EXPECT_EQ(Text("FIL_REAINI", {Value::Char("s"), Value::Char("k"), Value::Char(name)}), "v");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());  // flush the cache
    DeleteFileA(inWindows.c_str());
}

TEST_F(FilesTest, SystemProfileFile) {
    const char* section = "TarvoFilesTest";
    EXPECT_TRUE(
        Logical("FIL_WWRIIN", {Value::Char(section), Value::Char("Colour"), Value::Char("blue")}));
    EXPECT_TRUE(Logical("WRITEPROFILESTRING", {Value::Char(section), Value::Char("Long"),
                                               Value::Char(std::string(200, 'y'))}));
    EXPECT_EQ(Text("FIL_WREAIN", {Value::Char(section), Value::Char("colour")}), "blue");
    EXPECT_EQ(Text("FIL_READWININI", {Value::Char(section), Value::Char("Long")}),
              std::string(132, 'y'));
    EXPECT_EQ(Text("GETPROFILESTRING", {Value::Char(section), Value::Char("None")}), "");
    EXPECT_EQ(Text("FIL_WSECTI", {Value::Char(section)}), "Colour;Long");
    EXPECT_EQ(Text("GETPROFILESECTION", {Value::Char("TarvoNoSuchSection")}), "");
    const std::string all = ";" + Text("FIL_READWININIALLSECTIONS", {}) + ";";
    EXPECT_NE(all.find(";TarvoFilesTest;"), std::string::npos);
    EXPECT_EQ(all.find(";;"), std::string::npos);
    WriteProfileStringA(section, nullptr, nullptr);  // the test's section goes again
    EXPECT_EQ(Text("FIL_WSECTI", {Value::Char(section)}), "");
}

TEST_F(FilesTest, SectionScanThroughTheHost) {
    WriteAll(At("a.ini"), "[A]\r\n  [B C]\r\n[D] x=1\r\n\t[T]\r\nk=[no]\r\n[E\r\n");
    host.trace.clear();
    EXPECT_EQ(Text("FIL_READALLSECTIONS", {Value::Char("a.ini")}), "A,B C,D,E")
        << "a tab-indented header is not one (Wine's own parser lists T, drops E)";
    EXPECT_GT(Services(kSvcHostFileIo), 5) << "line by line through the host";
    EXPECT_TRUE(Released(At("a.ini")));
    WriteAll(At("b.ini"), "x=1\ny=2");
    EXPECT_EQ(Text("GETPRIVATEPROFILESECTIONS", {Value::Char("b.ini")}), "");
    EXPECT_EQ(Text("FIL_READALLSECTIONS", {Value::Char("missing.ini")}), "");
    // Far more than 8192 characters of names: the list stops at 8191.
    std::string text, expected;
    for (int i = 0; i < 1000; ++i) {
        text += "[section number " + std::to_string(i) + "]\nk=v\n";
        expected += (i ? "," : "") + std::string("section number ") + std::to_string(i);
    }
    WriteAll(At("c.ini"), text);
    EXPECT_EQ(Text("FIL_READALLSECTIONS", {Value::Char("c.ini")}), expected.substr(0, 8191));
    // An abort of the host in the middle still closes the channel and frees
    // the line buffer.
    const int handles = host.HandlesInUse();
    host.faults.abortAtService = 8;
    EXPECT_EQ(host.Call("FIL_READALLSECTIONS", {Value::Char("c.ini")}).error, 1);
    host.faults.abortAtService = 0;
    EXPECT_EQ(host.HandlesInUse(), handles);
    EXPECT_TRUE(Released(At("c.ini")));
}

// --- file information ---------------------------------------------------------

TEST_F(FilesTest, Attributes) {
    WriteAll(At("a.txt"), "x");
    CreateDirectoryA(At("sub").c_str(), nullptr);
    EXPECT_EQ(Int("FIL_GETATT", {Value::Char("a.txt")}), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(Int("GETFILEATTRIBUTE", {Value::Char("missing.txt")}), -1);
    EXPECT_TRUE(Logical("FIL_ISDIRECTORY", {Value::Char("sub")}));
    EXPECT_TRUE(Logical("FIL_ISDIR", {Value::Char("sub")}));
    EXPECT_FALSE(Logical("FIL_ISDIR", {Value::Char("a.txt")}));
    EXPECT_TRUE(Logical("FIL_ISARCHIVED", {Value::Char("a.txt")}));
    EXPECT_TRUE(Logical("FIL_SETATT", {Value::Char("a.txt"),
                                       Value::Int(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                  FILE_ATTRIBUTE_SYSTEM)}));
    EXPECT_EQ(GetFileAttributesA(At("a.txt").c_str()) & 7u, 7u);
    EXPECT_TRUE(Logical("FIL_ISREADONLY", {Value::Char("a.txt")}));
    EXPECT_TRUE(Logical("FIL_ISHIDDEN", {Value::Char("a.txt")}));
    EXPECT_TRUE(Logical("FIL_ISSYSTEM", {Value::Char("a.txt")}));
    EXPECT_TRUE(Logical("FIL_SETATT", {Value::Char("a.txt"), Value::Int(FILE_ATTRIBUTE_NORMAL)}));
    EXPECT_FALSE(Logical("FIL_ISREADONLY", {Value::Char("a.txt")}));
    // Wine keeps no normal, temporary or compressed bit: it reports archive.
    EXPECT_TRUE(
        Logical("FIL_SETATT", {Value::Char("a.txt"), Value::Int(FILE_ATTRIBUTE_TEMPORARY)}));
    EXPECT_FALSE(Logical("FIL_ISNORMAL", {Value::Char("a.txt")}));
    EXPECT_FALSE(Logical("FIL_ISTMP", {Value::Char("a.txt")}));
    EXPECT_FALSE(Logical("FIL_ISCOMPRESSED", {Value::Char("a.txt")}));
    for (const char* name : {"FIL_ISREADONLY", "FIL_ISHIDDEN", "FIL_ISSYSTEM", "FIL_ISDIRECTORY",
                             "FIL_ISARCHIVED", "FIL_ISNORMAL", "FIL_ISTMP", "FIL_ISCOMPRESSED"})
        EXPECT_FALSE(Logical(name, {Value::Char("missing.txt")})) << name;
    EXPECT_FALSE(Logical("FIL_SETATT", {Value::Char("missing.txt"), Value::Int(1)}));
}

TEST_F(FilesTest, StatusSnapshot) {
    for (const char* name : {"FIL_ISIZE", "FIL_IMTIME", "FIL_IATIME", "FIL_ICTIME"})
        EXPECT_EQ(Int(name, {}), -1) << name << " before any FIL_INFO";
    WriteAll(At("a.txt"), "hello");
    FILETIME when;
    SYSTEMTIME st{2001, 12, 0, 31, 4, 30, 0, 0};
    SystemTimeToFileTime(&st, &when);
    HANDLE h =
        CreateFileA(At("a.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, &when, &when);
    CloseHandle(h);
    EXPECT_TRUE(Logical("FIL_INFO", {Value::Char("a.txt")}));
    EXPECT_EQ(Int("FIL_ISIZE", {}), 5);
    EXPECT_EQ(Int("FIL_IMTIME", {}), 1009773000) << "2001-12-31 04:30:00 UTC";
    EXPECT_EQ(Int("FIL_IATIME", {}), 1009773000);
    EXPECT_GT(Int("FIL_ICTIME", {}), 0);
    CreateDirectoryA(At("sub").c_str(), nullptr);
    EXPECT_TRUE(Logical("FIL_INFO", {Value::Char("sub")})) << "a directory has a status too";
    EXPECT_FALSE(Logical("FIL_INFO", {Value::Char("missing.txt")}));
    EXPECT_EQ(Int("FIL_ISIZE", {}), -1) << "a failed FIL_INFO replaces the snapshot";
    EXPECT_EQ(Int("FIL_IMTIME", {}), -1);
}

// The local time of a file's time as Windows converts it.
SYSTEMTIME LocalTimeOf(const std::string& path, int which) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    FILETIME t[3];
    GetFileTime(h, &t[0], &t[1], &t[2]);
    CloseHandle(h);
    FILETIME local;
    FileTimeToLocalFileTime(&t[which == 1 ? 2 : which == 2 ? 1 : 0], &local);
    SYSTEMTIME st;
    FileTimeToSystemTime(&local, &st);
    return st;
}

TEST_F(FilesTest, TimesAndDates) {
    WriteAll(At("a.txt"), "x");
    const Value file = Value::Char("a.txt");
    EXPECT_TRUE(Logical("FIL_SETFILETIME", {file, Value::Char("09:07:33")}));
    SYSTEMTIME st = LocalTimeOf(At("a.txt"), 1);
    EXPECT_EQ(st.wHour * 10000 + st.wMinute * 100 + st.wSecond, 90732)
        << "the last write, even seconds";
    EXPECT_EQ(Text("FIL_GTIME", {file}), "09:07:32");
    EXPECT_EQ(Text("GETFILETIME", {file, Value::Int(1)}), "09:07:32");
    EXPECT_TRUE(Logical("SETFILEDATE", {file, Value::Char("19990305")}));
    EXPECT_EQ(Text("FIL_GDATE", {file}), "19990305");
    EXPECT_EQ(Text("FIL_GTIME", {file}), "09:07:32") << "the time of day stays";
    // The last access, separately.
    EXPECT_TRUE(Logical("FIL_STIME", {file, Value::Char("23:59:59"), Value::Int(2)}));
    EXPECT_TRUE(Logical("FIL_SDATE", {file, Value::Char("20011231"), Value::Int(2)}));
    EXPECT_EQ(Text("FIL_GETFILETIME", {file, Value::Int(2)}), "23:59:58");
    EXPECT_EQ(Text("GETFILEDATE", {file, Value::Int(2)}), "20011231");
    EXPECT_EQ(Text("FIL_GETFILEDATE", {file, Value::Int(1)}), "19990305");
    // Wine answers .T. for the creation time but keeps none of its own: it
    // reads as the last write.
    EXPECT_TRUE(Logical("FIL_SETFILETIME", {file, Value::Char("01:02:03"), Value::Int(3)}));
    EXPECT_EQ(Text("FIL_GTIME", {file, Value::Int(0)}), Text("FIL_GTIME", {file, Value::Int(1)}));
    // Texts of another form write nothing.
    for (const char* bad : {"24:00:00", "9:07:33", "12-00-00", ""})
        EXPECT_FALSE(Logical("FIL_SETFILETIME", {file, Value::Char(bad)})) << bad;
    for (const char* bad : {"20010229", "1979123", "19791231", "2001123x"})
        EXPECT_FALSE(Logical("FIL_SDATE", {file, Value::Char(bad)})) << bad;
    EXPECT_EQ(Text("FIL_GTIME", {file}), "09:07:32");
    EXPECT_EQ(Text("FIL_GDATE", {file}), "19990305");
    // Files that cannot be opened.
    EXPECT_EQ(Text("FIL_GTIME", {Value::Char("missing.txt")}), "");
    EXPECT_EQ(Text("FIL_GDATE", {Value::Char("missing.txt")}), "");
    EXPECT_FALSE(Logical("FIL_SETFILETIME", {Value::Char("missing.txt"), Value::Char("10:00:00")}));
    CreateDirectoryA(At("sub").c_str(), nullptr);
    EXPECT_EQ(Text("FIL_GDATE", {Value::Char("sub")}), "") << "a directory does not open as a file";
}

TEST_F(FilesTest, CompareTimes) {
    WriteAll(At("old.txt"), "x");
    WriteAll(At("new.txt"), "y");
    EXPECT_TRUE(Logical("FIL_SDATE", {Value::Char("old.txt"), Value::Char("19990305")}));
    EXPECT_EQ(
        Int("FIL_COMPARETIME", {Value::Char("old.txt"), Value::Char("new.txt"), Value::Int(1)}),
        -1);
    EXPECT_EQ(
        Int("FIL_COMPARETIME", {Value::Char("new.txt"), Value::Char("old.txt"), Value::Int(1)}), 1);
    EXPECT_EQ(
        Int("FIL_COMPARETIME", {Value::Char("old.txt"), Value::Char("old.txt"), Value::Int(1)}), 0);
    EXPECT_EQ(
        Int("FIL_COMPARETIME", {Value::Char("old.txt"), Value::Char("missing"), Value::Int(1)}), 1)
        << "a file that does not open is the earliest";
    EXPECT_EQ(Int("FIL_COMPARETIME", {Value::Char("missing"), Value::Char("gone"), Value::Int(2)}),
              0);
    // The access time is another time: the old file's was not moved.
    EXPECT_TRUE(
        Logical("FIL_SDATE", {Value::Char("new.txt"), Value::Char("19900101"), Value::Int(2)}));
    EXPECT_EQ(
        Int("FIL_COMPARETIME", {Value::Char("old.txt"), Value::Char("new.txt"), Value::Int(2)}), 1);
}

TEST_F(FilesTest, SizesTypesAndOwner) {
    WriteAll(At("a.txt"), "hello");
    host.trace.clear();
    EXPECT_EQ(Int("FIL_SIZE", {Value::Char("a.txt")}), 5);
    EXPECT_EQ(Services(kSvcHostFileOpen), 1);
    EXPECT_EQ(Services(kSvcHostFileClose), 1);
    EXPECT_EQ(Int("FIL_SIZE", {Value::Char("missing.txt")}), -1);
    EXPECT_EQ(Int("FIL_LENCOMPRESSED", {Value::Char("a.txt")}), 5);
    EXPECT_EQ(Int("FIL_LENCOMPRESSED", {Value::Char("missing.txt")}), -1);
    EXPECT_EQ(Int("FIL_FILETYPE", {Value::Char("a.txt")}), 1);
    EXPECT_EQ(Int("FIL_TYPE", {Value::Char("NUL")}), 2);
    EXPECT_EQ(Int("FILETYPE", {Value::Char("missing.txt")}), -1);
    EXPECT_TRUE(Logical("FIL_AREFILEAPISANSI", {}));
    EXPECT_EQ(Text("FIL_OWNER", {Value::Char("a.txt")}), "OK");
    EXPECT_EQ(Text("FIL_OWNER", {Value::Char("missing.txt")}), "KO");
    EXPECT_TRUE(Released(At("a.txt")));
}

TEST_F(FilesTest, NameParts) {
    const Value path = Value::Char("C:\\dir\\sub\\file.txt");
    run::Returned r = host.Call("FIL_SPLIT", {path, Value::Int(2)}).returns.at(0);
    EXPECT_EQ(r.type, 'H');
    EXPECT_EQ(r.value.text, "\\dir\\sub\\");
    EXPECT_EQ(Text("SPLITPATH", {path, Value::Int(1)}), "C:");
    EXPECT_EQ(Text("FIL_SPLIT", {path, Value::Int(3)}), "file");
    EXPECT_EQ(Text("FIL_SPLIT", {path, Value::Int(0)}), ".txt");
    EXPECT_EQ(Text("FIL_DRIVE", {path}), "C:");
    EXPECT_EQ(Text("FIL_PATH", {path}), "\\dir\\sub\\");
    EXPECT_EQ(Text("FIL_NAME", {path}), "file");
    EXPECT_EQ(Text("FIL_EXT", {path}), ".txt");
    EXPECT_EQ(Text("FIL_FNAME", {Value::Char("C:\\dir\\file.txt \t")}), "file.txt");
    EXPECT_EQ(Text("FIL_FNAME", {Value::Char("A:name")}), "name");
    EXPECT_EQ(Text("FIL_EXT", {Value::Char("a.b\0.c"s)}), ".b") << "the path ends at a zero byte";
    const std::string longDir = "\\" + std::string(300, 'd') + "\\";
    EXPECT_EQ(Text("FIL_PATH", {Value::Char("C:" + longDir + "f")}), longDir);
}

TEST_F(FilesTest, NamesWindowsFinds) {
    WriteAll(At("a long file name.text"), "x");
    const std::string shortName = Text("FIL_SHORTNAME", {Value::Char(At("a long file name.text"))});
    ASSERT_FALSE(shortName.empty());
    EXPECT_NE(shortName, At("a long file name.text"));
    char longName[MAX_PATH];
    ASSERT_GT(GetLongPathNameA(shortName.c_str(), longName, MAX_PATH), 0u)
        << "Wine hashes short names";
    EXPECT_STRCASEEQ(longName, At("a long file name.text").c_str());
    EXPECT_EQ(Text("FIL_SHORTNAME", {Value::Char("missing.txt")}), "");

    EXPECT_EQ(Text("FIL_FULLNAME", {Value::Char("x.txt")}), At("x.txt"));
    EXPECT_EQ(Text("FIL_FULLNAME", {Value::Char("sub\\..\\y")}), At("y"));
    // Wine's ANSI path functions stop at MAX_PATH (Windows answers longer
    // full names too, and the area grows for them).
    EXPECT_EQ(Text("FIL_FULLNAME", {Value::Char(std::string(250, 'n'))}), "");

    EXPECT_EQ(Text("FIL_GETUNIVERSALNAME", {Value::Char("c:\\dir")}), "") << "no network here";
    EXPECT_EQ(Text("FIL_GETUNIVERSALNAME", {Value::Char("\\\\server\\share")}), "");
    EXPECT_EQ(Text("FIL_GETUNIVERSALNAME", {Value::Char("C")}), "");

    const std::string made =
        Text("FIL_GETTEMPFILENAME", {Value::Char(dir), Value::Char("pre"), Value::Int(0)});
    EXPECT_EQ(made.substr(0, dir.size() + 4), dir + "\\pre");
    EXPECT_TRUE(Exists(made)) << "unique number 0 creates the file";
    const std::string named =
        Text("FIL_GETTEMPFILENAME", {Value::Char(dir), Value::Char("pre"), Value::Int(0x1234)});
    EXPECT_STRCASEEQ(named.c_str(), At("pre1234.tmp").c_str());
    EXPECT_FALSE(Exists(named));
    EXPECT_EQ(Text("FIL_GETTEMPFILENAME",
                   {Value::Char(At("missing")), Value::Char("pre"), Value::Int(0)}),
              "");
    EXPECT_EQ(Text("FIL_GETTEMPFILENAME",
                   {Value::Char(std::string(300, 'd')), Value::Char("p"), Value::Int(0)}),
              "");

    WriteAll(At("here.txt"), "x");
    CreateDirectoryA(At("one").c_str(), nullptr);
    CreateDirectoryA(At("two").c_str(), nullptr);
    WriteAll(At("two\\there.txt"), "x");
    SetEnvironmentVariableA("TARVO_WHERE", (At("one") + ";;" + At("two") + "\\").c_str());
    EXPECT_EQ(Text("FIL_WHERE", {Value::Char("here.txt"), Value::Char("TARVO_WHERE")}),
              At("here.txt"));
    EXPECT_EQ(Text("FIL_WHERE", {Value::Char("there.txt"), Value::Char("TARVO_WHERE")}),
              At("two\\there.txt"));
    EXPECT_EQ(Text("FIL_WHERE", {Value::Char("nowhere.txt"), Value::Char("TARVO_WHERE")}), "");
    EXPECT_EQ(Text("FIL_WHERE", {Value::Char("there.txt"), Value::Char("TARVO_UNSET")}), "");
    EXPECT_EQ(Text("FIL_WHERE", {Value::Char(""), Value::Char("TARVO_WHERE")}), "");
    SetEnvironmentVariableA("TARVO_WHERE", nullptr);

    // An association of the test's own (the prefix may have none for .txt;
    // Wine's classes root shows only the machine's classes).
    HKEY key;
    RegCreateKeyA(HKEY_CLASSES_ROOT, ".tarvotest", &key);
    RegSetValueA(key, nullptr, REG_SZ, "TarvoTest.File", 14);
    RegCloseKey(key);
    RegCreateKeyA(HKEY_CLASSES_ROOT, "TarvoTest.File\\shell\\open\\command", &key);
    RegSetValueA(key, nullptr, REG_SZ, "C:\\windows\\notepad.exe %1", 26);
    RegCloseKey(key);
    WriteAll(At("a.tarvotest"), "x");
    WriteAll(At("a.unknownext"), "x");
    std::string program = Text("FIL_FNDEXE", {Value::Char("a.tarvotest"), Value::Char(dir)});
    for (const char* k : {"TarvoTest.File\\shell\\open\\command", "TarvoTest.File\\shell\\open",
                          "TarvoTest.File\\shell", "TarvoTest.File", ".tarvotest"})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, k);
    std::transform(program.begin(), program.end(), program.begin(), ::tolower);
    EXPECT_EQ(program, "c:\\windows\\notepad.exe");
    EXPECT_EQ(Text("FIL_FINDEXE", {Value::Char("a.unknownext"), Value::Char(dir)}), "");
    EXPECT_EQ(Text("FIL_FNDEXE", {Value::Char("missing.tarvotest"), Value::Char(dir)}), "");
    EXPECT_EQ(Text("FIL_FNDEXE", {Value::Char(std::string(2048, 'f')), Value::Char(dir)}), "")
        << "a name the shell cannot take (Wine overruns a buffer on it)";

    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_STRCASEEQ(Text("FIL_GETFOLDERLOCATION", {Value::Int(0x24)}).c_str(), windows);
    EXPECT_EQ(Text("FIL_GETFOLDERLOCATION", {Value::Int(0x11)}), "") << "My Computer is virtual";
    EXPECT_EQ(Text("FIL_GETFOLDERLOCATION", {Value::Int(0x7f)}), "");
}

}  // namespace
}  // namespace tarvo::test
