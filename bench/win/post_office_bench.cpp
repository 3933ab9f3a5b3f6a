// The post office: 10 000 messages sent with MSG_SEND through the replacement
// host, then read back as a reading program does (list the account's *.msg
// files, read each, split its six fields). Beside it, in the same run, the
// same sends made the plain way with the Windows profile functions and no
// lock (GetPrivateProfileString for the accounts, the directories and the
// number, a file created over any old one, WritePrivateProfileString for the
// two counters), into a folder of its own.
//
//   post_office_bench [messages, default 10000]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runner/host.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(f);
}

// Reads every message of a folder; answers how many had six fields.
int ReadMessages(const std::string& dir) {
    int whole = 0;
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA((dir + "\\*.msg").c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return 0;
    std::string bytes;
    do {
        HANDLE f = CreateFileA((dir + "\\" + d.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        bytes.resize(d.nFileSizeLow);
        DWORD got = 0;
        ReadFile(f, bytes.data(), d.nFileSizeLow, &got, nullptr);
        CloseHandle(f);
        int zeros = 0;
        for (DWORD i = 0; i < got; ++i) zeros += bytes[i] == '\0';
        whole += zeros == 5;
    } while (FindNextFileA(h, &d));
    FindClose(h);
    return whole;
}

// One message sent the plain way: the profile functions and no lock.
bool PlainSend(const std::string& office, const std::string& to, const std::string& content) {
    char list[2048], dir[2048], root[260], next[12], counter[12];
    GetPrivateProfileStringA("ACCOUNTS", nullptr, "", list, sizeof list, office.c_str());
    GetPrivateProfileStringA(to.c_str(), "Dir", "", dir, sizeof dir, office.c_str());
    GetPrivateProfileStringA("ROOT", "Dir", "", root, sizeof root, office.c_str());
    GetPrivateProfileStringA("SEQUENCING", "next", "", next, sizeof next, office.c_str());
    const long number = *next ? std::atol(next) + 1 : 1;
    char path[600];
    std::snprintf(path, sizeof path, "%s\\%s\\%012ld.msg", root, dir, number);
    HANDLE f = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    WriteFile(f, content.data(), static_cast<DWORD>(content.size()), &put, nullptr);
    CloseHandle(f);
    WritePrivateProfileStringA("SEQUENCING", "next", std::to_string(number).c_str(), office.c_str());
    GetPrivateProfileStringA("MESSAGES", "counter", "", counter, sizeof counter, office.c_str());
    WritePrivateProfileStringA("MESSAGES", "counter", std::to_string(std::atol(counter) + 1).c_str(),
                               office.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    char self[MAX_PATH], tmp[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string exeDir(self, n);
    exeDir = exeDir.substr(0, exeDir.find_last_of("\\/") + 1);
    GetTempPathA(MAX_PATH, tmp);
    const std::string root = std::string(tmp) + "tarvo-post-office-bench";
    std::system(("cmd /c rmdir /s /q \"" + root + "\" >nul 2>nul").c_str());
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\smith").c_str(), nullptr);
    CreateDirectoryA((root + "\\plain").c_str(), nullptr);
    const std::string office = root + "\\post.ini", plainOffice = root + "\\plain.ini";
    const std::string accounts = "[ACCOUNTS]\r\nsmith=\r\njones=\r\n[SMITH]\r\nDir=smith\r\n"
                                 "[JONES]\r\nDir=jones\r\n[ROOT]\r\nDir=" + root + "\r\n";
    WriteAll(office, accounts);
    WriteAll(plainOffice, "[ACCOUNTS]\r\nplain=\r\n[PLAIN]\r\nDir=plain\r\n[ROOT]\r\nDir=" + root + "\r\n");
    const std::string body(100, 'b');

    tarvo::run::Host host;
    std::string why;
    if (!host.Load(exeDir + "TARVO.fll", &why)) {
        std::fprintf(stderr, "%s\n", why.c_str());
        return 1;
    }
    host.traceOn = false;
    using tarvo::run::Value;
    host.Call("MSG_POSTOFFICE", {Value::Char(office)});
    // The first and the last thousand sends are timed apart too: creating a
    // new name costs more the more files its folder holds.
    const int part = count < 2000 ? count / 2 : 1000;
    double firstPart = 0, lastPart = 0;
    auto start = Clock::now();
    auto partStart = start;
    int sent = 0;
    for (int i = 0; i < count; ++i) {
        if (i == count - part) partStart = Clock::now();
        sent += host.Call("MSG_SEND", {Value::Char("smith"), Value::Char("jones"), Value::Char("Subject"),
                                       Value::Char("Category"), Value::Char(body)})
                    .value()
                    .logical;
        if (i == part - 1) firstPart = Seconds(start);
    }
    lastPart = Seconds(partStart);
    const double sendSeconds = Seconds(start);
    host.Unload();
    start = Clock::now();
    const int read = ReadMessages(root + "\\smith");
    const double readSeconds = Seconds(start);

    using namespace std::string_literals;
    const std::string content = "PLAIN\0jones\0" "2024-01-01  00:00:00\0Subject\0Category\0"s + body;
    start = Clock::now();
    double plainFirst = 0;
    int plainSent = 0;
    for (int i = 0; i < count; ++i) {
        if (i == count - part) partStart = Clock::now();
        plainSent += PlainSend(plainOffice, "PLAIN", content);
        if (i == part - 1) plainFirst = Seconds(start);
    }
    const double plainLast = Seconds(partStart);
    const double plainSeconds = Seconds(start);
    start = Clock::now();
    const int plainRead = ReadMessages(root + "\\plain");
    const double plainReadSeconds = Seconds(start);

    std::printf("%-36s %8s %10s %12s\n", "", "messages", "seconds", "messages/s");
    std::printf("%-36s %8d %10.2f %12.0f\n", "MSG_SEND (lock, no replace, rename)", sent, sendSeconds,
                sent / sendSeconds);
    std::printf("%-36s %8d %10.2f %12.0f\n", "plain profile functions, no lock", plainSent, plainSeconds,
                plainSent / plainSeconds);
    std::printf("%-36s %8d %10.2f %12.0f\n", "read back (MSG_SEND's)", read, readSeconds, read / readSeconds);
    std::printf("%-36s %8d %10.2f %12.0f\n", "read back (plain)", plainRead, plainReadSeconds,
                plainRead / plainReadSeconds);
    std::printf("MSG_SEND takes %.2f times as long as the plain send\n", sendSeconds / plainSeconds);
    std::printf("messages/s over the first and the last %d sends: MSG_SEND %.0f and %.0f, plain %.0f and %.0f\n",
                part, part / firstPart, part / lastPart, part / plainFirst, part / plainLast);
    return sent == count && read == count ? 0 : 1;
}
