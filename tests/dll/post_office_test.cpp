// The post office through the library: message files and counters on disk,
// the outcome texts, the field buffers, eight sender processes at once, and
// messages that appear whole.
#include <atomic>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

std::string ReadAll(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// The file as a reader sees it that lets the writer rename and delete
// meanwhile (a file just renamed may still be open for that).
std::string ReadShared(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes(GetFileSize(f, nullptr) == INVALID_FILE_SIZE ? 0 : GetFileSize(f, nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(f);
    return bytes.substr(0, got);
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Fields(const std::string& message) {
    std::vector<std::string> f(1);
    for (char c : message) c ? f.back().push_back(c) : static_cast<void>(f.emplace_back());
    return f;
}

// The files of a folder that match a pattern, in name order.
std::vector<std::string> Files(const std::string& dir, const char* pattern = "*.msg") {
    std::set<std::string> names;
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA((dir + "\\" + pattern).c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return {};
    do
        if (!(d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(d.cFileName);
    while (FindNextFileA(h, &d));
    FindClose(h);
    return {names.begin(), names.end()};
}

std::string Profile(const std::string& file, const char* section, const char* key) {
    char value[64];
    GetPrivateProfileStringA(section, key, "(none)", value, sizeof value, file.c_str());
    return value;
}

class PostOfficeTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        root = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
        office = root + "\\post.ini";
        smith = root + "\\smith";
        CreateDirectoryA(smith.c_str(), nullptr);
        WriteAll(office, "[ACCOUNTS]\r\nsmith=\r\njones=\r\n[SMITH]\r\nDir=smith\r\n"
                         "[JONES]\r\nDir=jones\r\n[ROOT]\r\nDir=" + root + "\r\n");
    }
    bool Send(const std::string& to, const std::string& subject = "Subject", const std::string& body = "Body") {
        return Logical("MSG_SEND", {Value::Char(to), Value::Char("Jones"), Value::Char(subject),
                                    Value::Char("Category"), Value::Char(body)});
    }
    std::string Outcome() { return Text("MSG_LASTERROR", {}); }

    std::string root, office, smith;
};

TEST_F(PostOfficeTest, PathAndOutcome) {
    EXPECT_EQ(Outcome(), "The operation completed successfully");
    EXPECT_FALSE(Send("smith"));
    EXPECT_EQ(Text("MSG_POSTOFFICE", {Value::Char(office)}), "") << "the path before the call";
    EXPECT_EQ(Outcome(), "The operation completed successfully");
    EXPECT_FALSE(Send(std::string(300, 'q')));
    EXPECT_EQ(Outcome(), ("Destination " + std::string(300, 'Q')).substr(0, 255)) << "cut to 255";
    EXPECT_EQ(Text("MSG_POSTOFFICE", {}), office);
    EXPECT_EQ(Outcome(), "The operation completed successfully") << "reset without a parameter too";
    // Only a character parameter is a path.
    EXPECT_EQ(host.Call("MSG_POSTOFFICE", {run::ByValue(Value::Int(7))}, false).value().text, office);
    EXPECT_EQ(Text("MSG_POSTOFFICE", {}), office);
}

TEST_F(PostOfficeTest, MessageFilesAndCounters) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    auto stamp = [] {
        SYSTEMTIME t;
        GetLocalTime(&t);
        char s[32];
        wsprintfA(s, "%d-%02d-%02d  %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        return std::string(s);
    };
    const std::string before = stamp();
    ASSERT_TRUE(Send("sMiTh", "", "")) << Outcome();
    const std::string after = stamp();
    EXPECT_EQ(Files(smith), std::vector<std::string>{"000000000001.msg"});
    const std::string m = ReadAll(smith + "\\000000000001.msg");
    EXPECT_EQ(m.substr(0, 12) + m.substr(32), "SMITH\0Jones\0\0\0Category\0"s);
    EXPECT_TRUE(before <= m.substr(12, 20) && m.substr(12, 20) <= after) << m.substr(12, 20);
    EXPECT_EQ(Profile(office, "SEQUENCING", "next") + Profile(office, "MESSAGES", "counter"), "11");
    // A file already there under the next number is never replaced.
    WriteAll(smith + "\\000000000002.msg", "someone else's");
    ASSERT_TRUE(Send("SMITH", "Second", "x\0y"s));
    EXPECT_EQ(ReadAll(smith + "\\000000000002.msg"), "someone else's");
    EXPECT_EQ(ReadAll(smith + "\\000000000003.msg").substr(33), "Second\0Category\0x\0y"s);
    EXPECT_EQ(Profile(office, "SEQUENCING", "next") + Profile(office, "MESSAGES", "counter"), "32");
    EXPECT_EQ(Profile(office, "ROOT", "Dir"), root) << "the rest of the file as it was";
}

TEST_F(PostOfficeTest, Failures) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    EXPECT_FALSE(Send("jon"));  // part of an account name, without a directory
    EXPECT_EQ(Outcome(), "Post Office directory of JON not found");
    EXPECT_FALSE(Send("jones"));  // its folder is missing
    EXPECT_EQ(Outcome(), "Cannot open " + root + "\\jones\\000000000001.msg in Post Office");
    WriteAll(root + "\\jones", "a file where the folder should be");
    EXPECT_FALSE(Send("jones"));
    EXPECT_EQ(Outcome(), "Cannot open " + root + "\\jones\\000000000001.msg in Post Office");
    Text("MSG_POSTOFFICE", {Value::Char(root + "\\missing.ini")});
    EXPECT_FALSE(Send("smith"));
    EXPECT_EQ(Outcome(), "Destination SMITH not found");
    WriteAll(office, "[ACCOUNTS]\r\nsmith=\r\n[SMITH]\r\nDir=smith\r\n");
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    EXPECT_FALSE(Send("smith"));
    EXPECT_EQ(Outcome(), "Root directory of the Post Office not found");
    EXPECT_TRUE(Files(smith, "*").empty()) << "no file left, temporary or not";
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "(none)");
}

// A post office file that cannot be written (another program holds it open
// for reading only) still delivers; its counters stay, and the next message
// takes the number after the file already there.
TEST_F(PostOfficeTest, PostOfficeThatCannotBeWritten) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    HANDLE held = CreateFileA(office.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(Send("smith", "one"));
    EXPECT_TRUE(Send("smith", "two"));
    CloseHandle(held);
    EXPECT_EQ(Files(smith), (std::vector<std::string>{"000000000001.msg", "000000000002.msg"}));
    EXPECT_EQ(Fields(ReadAll(smith + "\\000000000002.msg")).at(3), "two");
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "(none)");
}

// The field buffers MSG_READ fills (their texts are the row examples')
// are released by the unload hook.
TEST_F(PostOfficeTest, FieldBuffersEndWithTheLibrary) {
    EXPECT_TRUE(Logical("MSG_READ", {}));
    EXPECT_EQ(Text("MSG_TO", {}), "A ...");
    host.Unload();
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    EXPECT_EQ(Text("MSG_TO", {}), "") << "the unload hook releases them";
}

// Eight processes send 200 messages each through one post office at once:
// every message arrives whole under its own number, and the counters count
// them all.
TEST_F(PostOfficeTest, EightSendersAtOnce) {
    constexpr int kSenders = 8, kEach = 200;
    std::vector<PROCESS_INFORMATION> running(kSenders);
    for (int k = 0; k < kSenders; ++k) {
        const std::string script = root + "\\sender" + std::to_string(k) + ".prg";
        WriteAll(script, "=MSG_POSTOFFICE('" + office + "')\r\n"
                         "FOR i = 1 TO " + std::to_string(kEach) + "\r\n"
                         "  IF NOT MSG_SEND('smith', 'sender" + std::to_string(k) +
                             "', TRANSFORM(i), 'load', REPLICATE('b', 1000) + TRANSFORM(i))\r\n"
                         "    ? MSG_LASTERROR()\r\n"
                         "  ENDIF\r\n"
                         "ENDFOR\r\n");
        std::string command = "\"" + BesideExe("tarvo-run.exe") + "\" \"" + script + "\"";
        STARTUPINFOA si{sizeof si};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &si, &running[k]));
    }
    for (PROCESS_INFORMATION& pi : running) {
        DWORD code = 1;
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 600000), WAIT_OBJECT_0);
        EXPECT_TRUE(GetExitCodeProcess(pi.hProcess, &code) && code == 0);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    const std::vector<std::string> files = Files(smith);
    std::set<std::string> sent;
    for (const std::string& name : files) {
        const std::vector<std::string> f = Fields(ReadAll(smith + "\\" + name));
        ASSERT_EQ(f.size(), 6u) << name;
        EXPECT_EQ(f[5], std::string(1000, 'b') + f[3]) << name;
        sent.insert(f[1] + "/" + f[3]);
    }
    EXPECT_EQ(files.size(), static_cast<std::size_t>(kSenders * kEach));
    EXPECT_EQ(sent.size(), static_cast<std::size_t>(kSenders * kEach)) << "no message twice";
    EXPECT_EQ(files.back(), "000000001600.msg");
    EXPECT_EQ(Profile(office, "SEQUENCING", "next") + "/" + Profile(office, "MESSAGES", "counter"), "1600/1600");
}

// A message file appears whole: its name comes into the folder by a rename
// of a file already written, never created empty and then written (the
// folder's change notifications show which), and a reader that reads every
// message the moment it is listed finds each one complete.
TEST_F(PostOfficeTest, ReaderNeverSeesHalfAMessage) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    const std::string body(1024 * 1024, 'z');
    HANDLE watch = CreateFileA(smith.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE |
                               FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    std::atomic<bool> done{false};
    std::atomic<int> seen{0}, partial{0}, renamedIn{0}, writtenInPlace{0};
    std::thread reader([&] {
        for (std::set<std::string> known; !done;)
            for (const std::string& name : Files(smith))
                if (known.insert(name).second) {
                    ++seen;
                    const std::vector<std::string> f = Fields(ReadShared(smith + "\\" + name));
                    partial += f.size() != 6 || f[5] != body;
                }
    });
    std::thread watcher([&] {
        OVERLAPPED ov{};
        ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        alignas(DWORD) static char events[64 * 1024];
        for (DWORD got = 0;; ResetEvent(ov.hEvent)) {
            if (!ReadDirectoryChangesW(watch, events, sizeof events, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME |
                                       FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE, nullptr, &ov, nullptr))
                break;
            while (WaitForSingleObject(ov.hEvent, 50) == WAIT_TIMEOUT)
                if (done) CancelIo(watch);  // then the wait below ends, failing
            if (!GetOverlappedResult(watch, &ov, &got, TRUE)) break;
            for (const char* at = events; got > 0;) {
                const auto* e = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at);
                const std::wstring name(e->FileName, e->FileNameLength / sizeof(WCHAR));
                if (name.size() > 4 && name.substr(name.size() - 4) == L".msg") {
                    if (e->Action == FILE_ACTION_RENAMED_NEW_NAME) ++renamedIn;
                    else ++writtenInPlace;
                }
                if (!e->NextEntryOffset) break;
                at += e->NextEntryOffset;
            }
            if (done) break;
        }
        CloseHandle(ov.hEvent);
    });
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(Send("smith", "s", body)) << Outcome();
    host.Pump(200);  // time for the last notifications
    done = true;
    reader.join();
    watcher.join();
    CloseHandle(watch);
    EXPECT_GT(seen.load(), 0);
    EXPECT_EQ(partial.load(), 0);
    EXPECT_GT(renamedIn.load(), 0);
    EXPECT_EQ(writtenInPlace.load(), 0);
    for (const std::string& name : Files(smith)) DeleteFileA((smith + "\\" + name).c_str());
}

}  // namespace
}  // namespace tarvo::test
