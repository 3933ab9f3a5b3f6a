// tarvo-fuzz: the signature fuzzer over the loaded library.
//
//   tarvo-fuzz [--seed N] [--count N] [--hostile] [--only NAME[,NAME...]] [--limit SECONDS] [--lib PATH]
//
// Calls every name of the table (but the hooks and the names kept away from
// random arguments) --count times with arguments made from its type string,
// in a scratch folder of its own that is the current folder meanwhile. Exit
// codes: 0 no failure, 1 failures (each printed with the call and the
// command that replays it), 2 bad usage, 3 the library does not load, 4 a
// call did not return within the time limit, 5 the process crashed.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>

#include "host/catalogue.h"
#include "runner/fuzz/fuzz.h"

using namespace tarvo::run;

namespace {

std::string g_replay;  // the options that run the same calls again: seed, count, mode
std::atomic<bool> g_running{true};

std::string ReplayOptions(const FuzzOptions& o) {
    return "--seed " + std::to_string(o.seed) + " --count " + std::to_string(o.callsPerName) +
           (o.hostile ? " --hostile" : "");
}

void PrintCurrent(const char* what) {
    std::fprintf(stderr, "tarvo-fuzz: %s during %s\nreplay: tarvo-fuzz %s --only %s\n", what,
                 CurrentFuzzCall().c_str(), g_replay.c_str(),
                 CurrentFuzzCall().substr(0, CurrentFuzzCall().find('(')).c_str());
    std::fflush(stderr);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* e) {
    char what[64];
    std::snprintf(what, sizeof what, "exception 0x%08lX",
                  static_cast<unsigned long>(e->ExceptionRecord->ExceptionCode));
    PrintCurrent(what);
    TerminateProcess(GetCurrentProcess(), 5);
    return EXCEPTION_EXECUTE_HANDLER;
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string ScratchFolder() {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    const std::string dir = std::string(tmp) + "tarvo-fuzz-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "\\sub").c_str(), nullptr);
    return dir;
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = dir + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

void OpenTables(Host& host, const std::string& folder) {
    const std::string path = folder + "\\fuzz.dbf";
    Tables& t = host.tables;
    const std::vector<tarvo::dbf::Field> fields = {{"NAME", 'C', 10}, {"N", 'N', 8, 2}, {"I", 'I'},
                                                    {"D", 'D'}, {"L", 'L'}, {"M", 'M'}};
    if (t.Create(1, path, "", fields, false) == 0) {
        for (int i = 1; i <= 3; ++i) {
            t.AppendBlank(1);
            t.Replace(1, "NAME", Value::Char("row " + std::to_string(i)));
            t.Replace(1, "M", Value::Char(std::string(static_cast<std::size_t>(100 * i), 'm')));
        }
        t.Use(1, path, "", false, 1, true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    FuzzOptions options;
    unsigned limitSeconds = 20;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string lib = Folder(self) + "\\TARVO.fll";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--seed" && more) options.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--count" && more) options.callsPerName = std::atoi(argv[++i]);
        else if (a == "--hostile") options.hostile = true;
        else if (a == "--only" && more) options.only = argv[++i];
        else if (a == "--limit" && more) limitSeconds = static_cast<unsigned>(std::atoi(argv[++i]));
        else if (a == "--lib" && more) lib = argv[++i];
        else {
            std::fprintf(stderr, "usage: tarvo-fuzz [--seed N] [--count N] [--hostile] [--only NAME[,NAME...]] "
                                 "[--limit SECONDS] [--lib PATH]\n");
            return 2;
        }
    }
    g_replay = ReplayOptions(options);
    SetUnhandledExceptionFilter(OnCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    // Names kept away from random arguments, and every name sharing a handler with one.
    std::set<std::string> marked;
    for (const tarvo::CatalogueEntry& e : tarvo::Catalogue())
        if (e.noFuzz) marked.insert(e.name);

    options.scratch = ScratchFolder();
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    SetCurrentDirectoryA(options.scratch.c_str());

    Host host;
    host.traceOn = false;  // a long run would grow the trace without end
    std::string why;
    if (!host.Load(lib, &why)) {
        std::fprintf(stderr, "tarvo-fuzz: %s\n", why.c_str());
        return 3;
    }
    // The table functions meet a real table: one with records and a memo,
    // open read-only in work area 1 (random appends and replacements are
    // refused there, so a run cannot fill the disk).
    OpenTables(host, options.scratch);
    std::set<std::uint32_t> markedHandlers;
    for (const FunctionInfo& f : host.functions())
        if (marked.count(f.name)) markedHandlers.insert(f.handler);
    auto skip = [&](const std::string& name) {
        const FunctionInfo* f = host.Find(name);
        return !f || markedHandlers.count(f->handler) != 0;
    };

    // A call that does not return within the limit ends the run.
    std::thread watchdog([&] {
        unsigned last = 0;
        DWORD since = GetTickCount();
        while (g_running) {
            Sleep(200);
            if (FuzzCallSerial() != last) {
                last = FuzzCallSerial();
                since = GetTickCount();
            } else if (last != 0 && GetTickCount() - since > limitSeconds * 1000) {
                PrintCurrent("no answer within the time limit");
                TerminateProcess(GetCurrentProcess(), 4);
            }
        }
    });

    const FuzzReport report = FuzzNames(host, options, skip);
    g_running = false;
    watchdog.join();
    host.Unload();
    SetCurrentDirectoryA(cwd);
    RemoveTree(options.scratch);

    for (const FuzzFailure& f : report.failures)
        std::printf("FAILED %s call %d: %s\n  %s\n  replay: tarvo-fuzz %s --only %s\n",
                    f.name.c_str(), f.call, f.what.c_str(), f.arguments.c_str(), g_replay.c_str(),
                    f.name.c_str());
    std::printf("tarvo-fuzz: %d names, %d calls (%d ended with a host error), %zu failures; "
                "seed %llu%s\n",
                report.names, report.calls, report.errors, report.failures.size(),
                static_cast<unsigned long long>(options.seed), options.hostile ? ", hostile" : "");
    return report.failures.empty() ? 0 : 1;
}
