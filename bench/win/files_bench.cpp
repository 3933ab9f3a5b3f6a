// File family speed through the replacement host, beside plain Windows
// doing the same work in the same run.
//
//   files_bench [megabytes to copy, default 256] [files in the tree, default 20000]
//
// Copy: FIL_COPY of one file with a progress procedure, called from a host
// program (the interpreter runs the procedure for every progress command),
// against CopyFileA of the same file; and FIL_COPY without progress. Each
// runs nine times, the three taking turns at going first, after one copy
// that brings the source into the file cache. Figures are the best of the
// nine runs (the one least disturbed by the rest of the machine).
//
// Tree: a tree of directories holding the files. The baseline is a plain
// FindFirstFileA / FindNextFileA recursion that visits every entry. The
// library walks it with FIL_TREE (every subdirectory: it visits every entry
// too), and lists every directory FIL_TREE found with FIL_FIRST / FIL_NEXT,
// one call per entry, which again visits every entry. The calls are made
// twice: by the least host there can be (DispatchAPI with a callback that
// keeps the returned record, calls built by hand: the library's own cost)
// and by the replacement host (host.Call, as tarvo-run calls). Each runs
// nine times, taking turns at going first; figures are the best runs. The
// last line is as many FIL_NEXT calls with no search open: the replacement
// host's cost of the calls alone.
//
// Profile files: the section scan and a key list over files of 10 000 and
// 100 000 lines, once each: the time per line shows nothing grows faster
// than the file.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/protocol.h"
#include "runner/host.h"
#include "runner/lang/interp.h"

namespace {

using tarvo::run::ByValue;
using tarvo::run::Host;
using tarvo::run::Outcome;
using tarvo::run::Value;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 9;

std::string Folder(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = dir + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of several runs: the one least disturbed by the rest of the
// machine.
double Best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void Fail(const std::string& what) {
    std::fprintf(stderr, "files_bench: %s\n", what.c_str());
    std::exit(1);
}

std::int64_t SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA a;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a)) return -1;
    return (static_cast<std::int64_t>(a.nFileSizeHigh) << 32) | a.nFileSizeLow;
}

void BenchCopy(Host& host, const std::string& dir, std::int64_t megabytes) {
    const std::string source = dir + "\\source.bin";
    {
        HANDLE f =
            CreateFileA(source.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        std::vector<char> block(1 << 20);
        std::uint32_t x = 12345;
        for (char& c : block) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
        for (std::int64_t i = 0; i < megabytes; ++i) {
            block[0] = static_cast<char>(i);
            DWORD written;
            WriteFile(f, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
        }
        CloseHandle(f);
    }
    const std::int64_t length = megabytes << 20;
    const std::string target = dir + "\\target.bin";
    tarvo::run::lang::Interpreter in(host);
    in.write = [](const std::string&) {};
    double inCommands = 0;
    {
        auto inner = host.hooks.executeCommand;
        host.hooks.executeCommand = [&inCommands, inner](const std::string& c) {
            int r = 0;
            inCommands += Seconds([&] { r = inner(c); });
            return r;
        };
    }
    auto runCopy = [&](bool progress) {
        const std::string blocks = std::to_string(length / 4096 + 1);
        const std::string program =
            "PUBLIC shown, calls\nshown = -1\ncalls = 0\n"
            "r = FIL_COPY('" +
            source + "', '" + target + "'" + (progress ? ", 'Progress'" : "") +
            ")\n"
            "IF r <> 0 OR (" +
            (progress ? "shown <> 100 OR calls <> " + blocks : std::string(".F.")) +
            ")\n"
            "  ERROR 'copy failed'\nENDIF\n"
            "PROCEDURE Progress\nPARAMETERS n\nshown = n\ncalls = calls + 1\nENDPROC\n";
        auto r = in.RunText(program, "BENCH");
        if (r.error != 0) Fail("FIL_COPY: " + r.Describe());
    };
    auto windowsCopy = [&] {
        if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) Fail("CopyFileA");
    };
    windowsCopy();  // the source into the cache
    std::vector<double> windows, library, plain;
    const std::function<void()> runs[3] = {
        [&] { windows.push_back(Seconds(windowsCopy)); },
        [&] {
            library.push_back(Seconds([&] { runCopy(true); }));
            if (SizeOf(target) != length) Fail("FIL_COPY wrote a target of another size");
        },
        [&] { plain.push_back(Seconds([&] { runCopy(false); })); },
    };
    for (int round = 0; round < kRounds; ++round) {
        for (int k = 0; k < 3; ++k) {  // each first, second and third in turn
            DeleteFileA(target.c_str());
            runs[(round + k) % 3]();
        }
    }
    DeleteFileA(target.c_str());
    DeleteFileA(source.c_str());
    const double w = Best(windows), l = Best(library), p = Best(plain);
    const double mb = static_cast<double>(length) / 1e6;
    std::printf("copy of %lld MB (%lld blocks of 4096 bytes, a progress command each)\n",
                static_cast<long long>(megabytes), static_cast<long long>(length / 4096 + 1));
    std::printf("  CopyFileA                      %7.3f s  %7.0f MB/s\n", w, mb / w);
    std::printf("  FIL_COPY with progress         %7.3f s  %7.0f MB/s  speed x%.2f of CopyFileA\n",
                l, mb / l, w / l);
    std::printf("  FIL_COPY without progress      %7.3f s  %7.0f MB/s  speed x%.2f of CopyFileA\n",
                p, mb / p, w / p);
    std::printf("  (the host spent %.4f s a copy running the progress commands)\n", inCommands / kRounds);
}

// Every entry below `dir`, by FindFirstFileA recursion.
void FindAll(const std::string& dir, long* files, long* dirs) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*.*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const char* n = fd.cFileName;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ++*dirs;
            FindAll(dir + "\\" + n, files, dirs);
        } else {
            ++*files;
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

// 100 files a directory, 10 directories in each of the top ones.
void MakeTree(const std::string& root, long fileCount) {
    CreateDirectoryA(root.c_str(), nullptr);
    long made = 0;
    for (int a = 0; made < fileCount; ++a) {
        const std::string top = root + "\\top" + std::to_string(a);
        CreateDirectoryA(top.c_str(), nullptr);
        for (int b = 0; b < 10 && made < fileCount; ++b) {
            const std::string sub = top + "\\sub" + std::to_string(b);
            CreateDirectoryA(sub.c_str(), nullptr);
            for (long f = 0; f < 100 && made < fileCount; ++f, ++made) {
                HANDLE h = CreateFileA((sub + "\\file" + std::to_string(f) + ".dat").c_str(),
                                       GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
                CloseHandle(h);
            }
        }
    }
}

// The least a host can do: TARVO.fll loaded with tables of its own, a
// callback that keeps the returned record, and calls built by hand.
#ifdef _WIN64
constexpr const char* kExport = "DispatchAPI";
#else
constexpr const char* kExport = "@DispatchAPI@4";
#endif
using Dispatch = int(__fastcall*)(tarvo::RequestBlock*);
tarvo::ValueRecord g_returned;

void __fastcall BareCallback(tarvo::ServiceBlock* b) {
    if (b->code == tarvo::kSvcReturnValue)
        std::memcpy(&g_returned, tarvo::FromAddr<tarvo::ValueRecord>(b->arg1), sizeof g_returned);
    b->arg1 = 0;
}

struct BareHost {
    HMODULE module = nullptr;
    Dispatch dispatch = nullptr;
    std::vector<std::uint8_t> handles, values;

    explicit BareHost(const std::string& path) {
        using namespace tarvo;
        module = LoadLibraryA(path.c_str());
        dispatch = reinterpret_cast<Dispatch>(reinterpret_cast<void*>(GetProcAddress(module, kExport)));
        if (!dispatch) Fail("cannot load " + path);
        handles.assign(kHandleSlotsOffset + 4 * 256, 0);
        values.assign(kValueSlotsOffset + 4 * 16, 0);
        const HandleTableHeader h{1, 256};
        std::memcpy(handles.data(), &h, sizeof h);
        const ValueTableHeader v{1, 0, 16};
        std::memcpy(values.data(), &v, sizeof v);
        RequestBlock load{};
        load.code = kReqLoad;
        load.function = static_cast<Addr>(reinterpret_cast<std::uintptr_t>(&BareCallback));
        load.word0 = static_cast<Addr>(reinterpret_cast<std::uintptr_t>(handles.data()));
        load.word1 = static_cast<Addr>(reinterpret_cast<std::uintptr_t>(values.data()));
        dispatch(&load);
    }
    ~BareHost() { FreeLibrary(module); }
    std::uint32_t Request(std::uint32_t code, std::uint32_t a = 0, std::uint32_t b = 0) {
        tarvo::RequestBlock r{};
        r.code = code;
        r.word0 = a;
        r.word1 = b;
        dispatch(&r);
        return r.word0;
    }
    std::uint32_t Handler(const char* name) {
        using namespace tarvo;
        const auto* header = FromAddr<const LibraryHeader>(Request(kReqDescribe));
        const auto* records = FromAddr<const FunctionRecord>(header->records);
        for (int i = 0; i < header->count; ++i)
            if (std::strcmp(FromAddr<const char>(records[i].name), name) == 0) return records[i].handler;
        Fail(std::string("no ") + name);
        return 0;
    }
    // Calls a handler with no parameter or one text; answers the text it returned.
    std::string Call(std::uint32_t handler, const std::string* text = nullptr) {
        using namespace tarvo;
        std::uint8_t block[kParamBlockOffset + 2 + sizeof(ParamRecord)] = {};
        auto* r = reinterpret_cast<RequestBlock*>(block);
        r->code = kReqCall;
        r->function = handler;
        auto* p = reinterpret_cast<ParamBlock*>(block + kParamBlockOffset);
        std::uint32_t param = 0;
        if (text) {
            param = Request(kReqAllocHandle, static_cast<std::uint32_t>(text->size()), 1);
            std::memcpy(FromAddr<char>(Request(kReqHandleAddress, param)), text->data(), text->size());
            p->count = 1;
            p->params[0].value.type = 'C';
            p->params[0].value.length = static_cast<std::int32_t>(text->size());
            p->params[0].value.handle = param;
        }
        g_returned = ValueRecord{};
        dispatch(r);
        if (param) Request(kReqFreeHandle, param);
        std::string out;
        if (g_returned.handle) {
            out.assign(FromAddr<const char>(Request(kReqHandleAddress, g_returned.handle)),
                       static_cast<std::size_t>(g_returned.length));
            Request(kReqFreeHandle, g_returned.handle);
        }
        return out;
    }
};

// Every directory of the tree (the root first) from the list FIL_TREE gives.
std::vector<std::string> Directories(const std::string& root, const std::string& list) {
    std::vector<std::string> dirs{root};
    for (std::size_t at = 0, semi; (semi = list.find(';', at)) != std::string::npos; at = semi + 1)
        dirs.push_back(list.substr(at, semi - at));
    return dirs;
}

struct TreeTimes {
    std::vector<double> base, walk, listing;
};

// kRounds rounds of the recursion, FIL_TREE and FIL_FIRST / FIL_NEXT over
// every directory, taking turns at going first; `tree` and `next` make the
// library's calls.
void TimeTree(const std::string& root, long files, long dirCount, TreeTimes& t,
              const std::function<std::string()>& tree,
              const std::function<std::string(const std::string&)>& first,
              const std::function<std::string()>& next) {
    std::vector<std::string> dirs;
    const std::function<void()> runs[3] = {
        [&] {
            long f = 0, d = 0;
            t.base.push_back(Seconds([&] { FindAll(root, &f, &d); }));
            if (f != files) Fail("the tree does not hold every file");
        },
        [&] { t.walk.push_back(Seconds([&] { dirs = Directories(root, tree()); })); },
        [&] {
            if (dirs.empty()) dirs = Directories(root, tree());
            long entries = 0;
            t.listing.push_back(Seconds([&] {
                for (const std::string& d : dirs)
                    for (std::string n = first(d + "\\*.*"); !n.empty(); n = next()) ++entries;
            }));
            // every directory has "." and ".." besides its entries
            if (static_cast<long>(dirs.size()) != dirCount + 1 ||
                entries != files + dirCount + 2 * (dirCount + 1))
                Fail("the library's walk saw another tree");
        },
    };
    for (int round = 0; round < kRounds; ++round)
        for (int k = 0; k < 3; ++k) runs[(round + k) % 3]();
}

void PrintTree(const char* host, const TreeTimes& t, long calls) {
    const double b = Best(t.base), w = Best(t.walk), s = Best(t.listing);
    std::printf("  %s\n", host);
    std::printf("    FindFirstFileA recursion       %7.3f s\n", b);
    std::printf("    FIL_TREE                       %7.3f s  time x%.2f of the recursion\n", w, w / b);
    std::printf("    FIL_FIRST/FIL_NEXT, every dir  %7.3f s  time x%.2f of the recursion (%ld calls)\n",
                s, s / b, calls);
}

// The section scan (FIL_READALLSECTIONS, through the host's line service)
// and a key list (FIL_SECTION, through Windows) of profile files ten times
// apart in size: the time per line stays the same.
void BenchProfile(Host& host, const std::string& dir) {
    std::printf("profile files\n");
    for (int lines : {10000, 100000}) {
        std::string text, keys = "[Keys]\r\n";
        // A header every 50 lines keeps the section list (2 characters a
        // section) below its 8191-character limit, so every line is read.
        for (int i = 0; i < lines / 2; ++i) {
            text += i % 25 == 0 ? "[s]\r\nkey=value\r\n" : "key=value\r\nkey=value\r\n";
            keys += "key" + std::to_string(i) + "=v\r\nk" + std::to_string(i) + "=w\r\n";
        }
        const std::string sections = dir + "\\sections.ini", many = dir + "\\keys.ini";
        for (const auto& [path, data] : {std::pair{sections, text}, std::pair{many, keys}}) {
            HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written;
            WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
            CloseHandle(f);
        }
        std::size_t names = 0, keyNames = 0;
        const double scan = Seconds([&] {
            names = host.Call("FIL_READALLSECTIONS", {Value::Char(sections)}).value().text.size();
        });
        const double list = Seconds([&] {
            keyNames = host.Call("FIL_SECTION", {Value::Char("Keys"), Value::Char(many)}).value().text.size();
        });
        if (names == 0 || keyNames == 0) Fail("the profile lists came back empty");
        std::printf("  %6d lines: FIL_READALLSECTIONS %7.3f s (%.2f us a line), FIL_SECTION %7.3f s "
                    "(%.2f us a line)\n",
                    lines, scan, scan * 1e6 / lines, list, list * 1e6 / lines);
        DeleteFileA(sections.c_str());
        DeleteFileA(many.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t megabytes = argc > 1 ? std::atoll(argv[1]) : 256;
    const long files = argc > 2 ? std::atol(argv[2]) : 20000;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    const std::string dir = std::string(tmp) + "tarvo-files-bench";
    RemoveTree(dir);
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string library = Folder(self) + "\\TARVO.fll";

    const std::string root = dir + "\\tree";
    MakeTree(root, files);
    long baseFiles = 0, baseDirs = 0;
    FindAll(root, &baseFiles, &baseDirs);  // into the cache
    const long calls = baseFiles + 3 * baseDirs + 2 + baseDirs + 1;
    std::printf("tree of %ld files in %ld directories\n", baseFiles, baseDirs);
    {
        BareHost bare(library);
        const std::uint32_t tree = bare.Handler("FIL_TREE"), first = bare.Handler("FIL_FIRST"),
                            next = bare.Handler("FIL_NEXT");
        TreeTimes t;
        TimeTree(
            root, baseFiles, baseDirs, t,
            [&] {
                // FIL_TREE(root, capacity): two parameters, built here.
                using namespace tarvo;
                std::uint8_t block[kParamBlockOffset + 2 + 2 * sizeof(ParamRecord)] = {};
                auto* r = reinterpret_cast<RequestBlock*>(block);
                r->code = kReqCall;
                r->function = tree;
                auto* p = reinterpret_cast<ParamBlock*>(block + kParamBlockOffset);
                const std::uint32_t h = bare.Request(kReqAllocHandle, static_cast<std::uint32_t>(root.size()), 1);
                std::memcpy(FromAddr<char>(bare.Request(kReqHandleAddress, h)), root.data(), root.size());
                p->count = 2;
                p->params[0].value.type = 'C';
                p->params[0].value.length = static_cast<std::int32_t>(root.size());
                p->params[0].value.handle = h;
                p->params[1].value.type = 'I';
                p->params[1].value.integer = 1 << 30;
                g_returned = ValueRecord{};
                bare.dispatch(r);
                bare.Request(kReqFreeHandle, h);
                std::string out(FromAddr<const char>(bare.Request(kReqHandleAddress, g_returned.handle)),
                                static_cast<std::size_t>(g_returned.length));
                bare.Request(kReqFreeHandle, g_returned.handle);
                return out;
            },
            [&](const std::string& pattern) { return bare.Call(first, &pattern); },
            [&] { return bare.Call(next); });
        PrintTree("the least host (DispatchAPI with tables of its own)", t, calls);
    }
    Host host;
    host.traceOn = false;
    std::string why;
    if (!host.Load(library, &why)) Fail(why);
    {
        TreeTimes t;
        TimeTree(
            root, baseFiles, baseDirs, t,
            [&] { return host.Call("FIL_TREE", {Value::Char(root), Value::Int(1 << 30)}).value().text; },
            [&](const std::string& p) { return host.Call("FIL_FIRST", {Value::Char(p)}).value().text; },
            [&] { return host.Call("FIL_NEXT", {}).value().text; });
        PrintTree("the replacement host (host.Call)", t, calls);
        std::vector<double> empty;
        for (int round = 0; round < 3; ++round)
            empty.push_back(Seconds([&] {
                for (long i = 0; i < calls; ++i) host.Call("FIL_NEXT", {});
            }));
        std::printf("    as many FIL_NEXT, no search    %7.3f s  (the replacement host's own cost)\n",
                    Best(empty));
    }
    RemoveTree(root);
    BenchProfile(host, dir);
    BenchCopy(host, dir, megabytes);
    host.Unload();
    RemoveTree(dir);
    return 0;
}
