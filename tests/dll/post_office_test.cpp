// The post office through the library: message files and counters on disk,
// the outcome texts, the field buffers, eight sender processes at once, and a
// reader that never catches a message half written.
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
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Fields(const std::string& message) {
    std::vector<std::string> f(1);
    for (char c : message) {
        if (c) f.back().push_back(c);
        else f.emplace_back();
    }
    return f;
}

// Field i of a message file; empty when it has none.
std::string FieldOf(const std::string& path, std::size_t i) {
    const std::vector<std::string> f = Fields(ReadAll(path));
    return i < f.size() ? f[i] : std::string();
}

// The files of a folder that match a pattern, in name order.
std::vector<std::string> Files(const std::string& dir, const char* pattern) {
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
std::vector<std::string> Messages(const std::string& dir) { return Files(dir, "*.msg"); }

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
        CreateDirectoryA((root + "\\smith").c_str(), nullptr);
        WriteAll(office, "[ACCOUNTS]\r\nsmith=\r\njones=\r\n[SMITH]\r\nDir=smith\r\n"
                         "[JONES]\r\nDir=jones\r\n[ROOT]\r\nDir=" + root + "\r\n");
    }
    bool Send(const std::string& to, const std::string& subject = "Subject",
              const std::string& body = "Body") {
        return Logical("MSG_SEND", {Value::Char(to), Value::Char("Jones"), Value::Char(subject),
                                    Value::Char("Category"), Value::Char(body)});
    }
    std::string LastOutcome() { return Text("MSG_LASTERROR", {}); }

    std::string root, office;
};

TEST_F(PostOfficeTest, PathAndOutcome) {
    EXPECT_EQ(Text("MSG_LASTERROR", {}), "The operation completed successfully");
    EXPECT_FALSE(Send("smith"));
    EXPECT_EQ(LastOutcome(), "Cannot send message because no Post Office");
    EXPECT_EQ(Text("MSG_POSTOFFICE", {Value::Char(office)}), "") << "the path before the call";
    EXPECT_EQ(LastOutcome(), "The operation completed successfully");
    EXPECT_FALSE(Send("bob"));
    EXPECT_EQ(LastOutcome(), "Destination BOB not found");
    EXPECT_EQ(Text("MSG_POSTOFFICE", {}), office);
    EXPECT_EQ(LastOutcome(), "The operation completed successfully") << "reset without a parameter too";
    EXPECT_EQ(Text("MSG_POSTOFFICE", {}), office);
    // Only a character parameter is a path.
    run::Outcome o = host.Call("MSG_POSTOFFICE", {run::ByValue(Value::Int(7))}, false);
    EXPECT_EQ(o.value().text, office);
    EXPECT_EQ(Text("MSG_POSTOFFICE", {}), office);
    // Names of 300 characters: the outcome is cut to 255.
    EXPECT_FALSE(Send(std::string(300, 'q')));
    EXPECT_EQ(LastOutcome(), ("Destination " + std::string(300, 'Q')).substr(0, 255));
}

TEST_F(PostOfficeTest, MessageFilesAndCounters) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    ASSERT_TRUE(Send("sMiTh", "", "")) << LastOutcome();
    GetLocalTime(&after);
    EXPECT_EQ(LastOutcome(), "The operation completed successfully");
    EXPECT_EQ(Messages(root + "\\smith"), std::vector<std::string>{"000000000001.msg"});
    const std::string m = ReadAll(root + "\\smith\\000000000001.msg");
    ASSERT_EQ(m.size(), 5u + 1 + 5 + 1 + 20 + 1 + 0 + 1 + 8 + 1 + 0);
    EXPECT_EQ(m.substr(0, 12), "SMITH\0Jones\0"s);
    EXPECT_EQ(m.substr(32), "\0\0Category\0"s);
    char low[32], high[32];
    wsprintfA(low, "%d-%02d-%02d  %02d:%02d:%02d", before.wYear, before.wMonth, before.wDay, before.wHour,
              before.wMinute, before.wSecond);
    wsprintfA(high, "%d-%02d-%02d  %02d:%02d:%02d", after.wYear, after.wMonth, after.wDay, after.wHour,
              after.wMinute, after.wSecond);
    EXPECT_GE(m.substr(12, 20), low);
    EXPECT_LE(m.substr(12, 20), high);
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "1");
    EXPECT_EQ(Profile(office, "MESSAGES", "counter"), "1");

    // A file already there under the next number is never replaced.
    WriteAll(root + "\\smith\\000000000002.msg", "someone else's");
    ASSERT_TRUE(Send("SMITH", "Second", "x\0y"s));
    EXPECT_EQ(ReadAll(root + "\\smith\\000000000002.msg"), "someone else's");
    EXPECT_EQ(FieldOf(root + "\\smith\\000000000003.msg", 3), "Second");
    EXPECT_EQ(ReadAll(root + "\\smith\\000000000003.msg").substr(40), "Category\0x\0y"s);
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "3");
    EXPECT_EQ(Profile(office, "MESSAGES", "counter"), "2");
    // The rest of the post office file is as it was.
    EXPECT_EQ(Profile(office, "ROOT", "Dir"), root);
}

TEST_F(PostOfficeTest, FailuresWriteNothing) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    // JON is part of the account list, but has no directory.
    EXPECT_FALSE(Send("jon"));
    EXPECT_EQ(LastOutcome(), "Post Office directory of JON not found");
    // jones's folder does not exist.
    EXPECT_FALSE(Send("jones"));
    EXPECT_EQ(LastOutcome(), "Cannot open " + root + "\\jones\\000000000001.msg in Post Office");
    WriteAll(office, "[ACCOUNTS]\r\nsmith=\r\n[SMITH]\r\nDir=smith\r\n");
    EXPECT_FALSE(Send("smith"));
    EXPECT_EQ(LastOutcome(), "Root directory of the Post Office not found");
    Text("MSG_POSTOFFICE", {Value::Char(root + "\\missing.ini")});
    EXPECT_FALSE(Send("smith"));
    EXPECT_EQ(LastOutcome(), "Destination SMITH not found");
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "(none)");
    EXPECT_TRUE(Files(root + "\\smith", "*").empty()) << "no temporary file left either";
}

// A post office file that cannot be written (here another program holds it
// open for reading only) still delivers; its counters stay, and the next
// message takes the number after the file already there.
TEST_F(PostOfficeTest, PostOfficeThatCannotBeWritten) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    HANDLE held = CreateFileA(office.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(Send("smith", "one"));
    EXPECT_TRUE(Send("smith", "two"));
    CloseHandle(held);
    EXPECT_EQ(Messages(root + "\\smith"),
              (std::vector<std::string>{"000000000001.msg", "000000000002.msg"}));
    EXPECT_EQ(FieldOf(root + "\\smith\\000000000001.msg", 3), "one");
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "(none)");
    // A folder that is a file: nothing can be made in it.
    WriteAll(root + "\\jones", "a file");
    EXPECT_FALSE(Send("jones"));
    EXPECT_EQ(LastOutcome(), "Cannot open " + root + "\\jones\\000000000001.msg in Post Office");
}

TEST_F(PostOfficeTest, FieldBuffers) {
    const char* names[6] = {"MSG_FROM", "MSG_TO", "MSG_DATETIME", "MSG_SUBJECT", "MSG_CATEGORY", "MSG_BODY"};
    const char* labels[6] = {"De ...", "A ...", "Datetime ...", "Sujet ...", "Cat\xE9gorie ...", "Corps ..."};
    for (const char* n : names) EXPECT_EQ(Text(n, {}), "") << n;
    EXPECT_TRUE(Logical("MSG_READ", {}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(names[i], {}), labels[i]);
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
    std::vector<PROCESS_INFORMATION> running;
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
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &si, &pi));
        running.push_back(pi);
    }
    for (PROCESS_INFORMATION& pi : running) {
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 600000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    const std::vector<std::string> files = Messages(root + "\\smith");
    EXPECT_EQ(files.size(), static_cast<std::size_t>(kSenders * kEach));
    std::set<std::string> sent;
    for (const std::string& name : files) {
        const std::vector<std::string> f = Fields(ReadAll(root + "\\smith\\" + name));
        ASSERT_EQ(f.size(), 6u) << name;
        EXPECT_EQ(f[0], "SMITH");
        EXPECT_EQ(f[5], std::string(1000, 'b') + f[3]) << name;
        sent.insert(f[1] + "/" + f[3]);
    }
    EXPECT_EQ(sent.size(), static_cast<std::size_t>(kSenders * kEach)) << "no message twice";
    EXPECT_EQ(files.front(), "000000000001.msg");
    EXPECT_EQ(files.back(), "000000001600.msg");
    EXPECT_EQ(Profile(office, "SEQUENCING", "next"), "1600");
    EXPECT_EQ(Profile(office, "MESSAGES", "counter"), "1600");
}

// A message file appears whole: its name comes into the folder by a rename
// of a file already written, and is never created empty and then written.
// The folder's change notifications show it, and a reader that reads every
// message file the moment it is listed finds each one complete.
TEST_F(PostOfficeTest, ReaderNeverSeesHalfAMessage) {
    Text("MSG_POSTOFFICE", {Value::Char(office)});
    const std::string body(1024 * 1024, 'z');
    const std::string dir = root + "\\smith";
    HANDLE watch = CreateFileA(dir.c_str(), FILE_LIST_DIRECTORY,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    ASSERT_NE(watch, INVALID_HANDLE_VALUE);
    std::atomic<bool> done{false};
    std::atomic<int> seen{0}, partial{0}, renamedIn{0}, writtenInPlace{0};
    std::string firstPartial;  // the reader's, read after it ends
    std::thread reader([&] {
        std::set<std::string> known;
        while (!done) {
            for (const std::string& name : Messages(dir)) {
                if (!known.insert(name).second) continue;
                const std::vector<std::string> f = Fields(ReadAll(dir + "\\" + name));
                ++seen;
                if (f.size() != 6 || f[5] != body) {
                    if (!partial++)
                        firstPartial = name + ": " + std::to_string(f.size()) + " fields, the last of " +
                                       std::to_string(f.back().size()) + " bytes";
                }
            }
        }
    });
    std::thread watcher([&] {
        OVERLAPPED ov{};
        ov.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        alignas(DWORD) static char events[64 * 1024];
        const DWORD what = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
        for (;;) {
            ResetEvent(ov.hEvent);
            if (!ReadDirectoryChangesW(watch, events, sizeof events, FALSE, what, nullptr, &ov, nullptr)) break;
            while (WaitForSingleObject(ov.hEvent, 50) == WAIT_TIMEOUT)
                if (done) {
                    CancelIo(watch);
                    WaitForSingleObject(ov.hEvent, 1000);
                    CloseHandle(ov.hEvent);
                    return;
                }
            DWORD got = 0;
            if (!GetOverlappedResult(watch, &ov, &got, FALSE)) break;
            for (const char* at = events; got > 0;) {
                const auto* e = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at);
                const std::wstring name(e->FileName, e->FileNameLength / sizeof(WCHAR));
                if (name.size() > 4 && name.substr(name.size() - 4) == L".msg") {
                    if (e->Action == FILE_ACTION_RENAMED_NEW_NAME) ++renamedIn;
                    else if (e->Action == FILE_ACTION_ADDED || e->Action == FILE_ACTION_MODIFIED)
                        ++writtenInPlace;
                }
                if (!e->NextEntryOffset) break;
                at += e->NextEntryOffset;
            }
        }
        CloseHandle(ov.hEvent);
    });
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(Send("smith", "s", body)) << LastOutcome();
    host.Pump(200);  // time for the last notifications
    done = true;
    reader.join();
    watcher.join();
    CloseHandle(watch);
    EXPECT_GT(seen.load(), 0);
    EXPECT_EQ(partial.load(), 0) << firstPartial;
    EXPECT_GT(renamedIn.load(), 0);
    EXPECT_EQ(writtenInPlace.load(), 0);
    for (const std::string& name : Messages(dir)) DeleteFileA((dir + "\\" + name).c_str());
}

}  // namespace
}  // namespace tarvo::test
