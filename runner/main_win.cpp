// tarvo-run: the replacement host on the command line.
//
//   tarvo-run [--lib PATH] SCRIPT.prg [ARG...]     run a program (ARGs: its parameters, as text)
//   tarvo-run [--lib PATH] -c "COMMAND"            run one command line
//   tarvo-run [--lib PATH]                         read command lines from standard input
//   tarvo-run [--lib PATH] --call NAME [ARG...]    call one function, print its results
//   tarvo-run [--lib PATH] --list                  list the function table
//   tarvo-run --help-lists                         the commands and functions it knows
//
// The library is TARVO.fll from beside this program (or --lib PATH). A
// program whose first statement is SET LIBRARY TO (or RELEASE LIBRARY)
// chooses its library itself, and nothing is loaded before it runs.
//
// Exit codes: 0 done (QUIT included); 1 an error no TRY or ON ERROR caught
// (its message goes to standard error as "Error N at line L (PROCEDURE):
// text"); 2 bad usage or an unreadable program; 3 the library cannot be
// loaded.
//
// --call arguments are typed literals: C:text, N:1.25, I:42, L:.T., D:<day
// number>, Y:<currency>, T:<day number>, 0: (null). Each returned value record
// is printed as "<letter> width=<w> length=<l> value=<v>"; "(no value)" when
// none came.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "runner/host.h"
#include "runner/lang/interp.h"
#include "runner/lang/parser.h"
#include "runner/print.h"

using namespace tarvo::run;

namespace {

std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    std::size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : s.substr(0, slash);
}

bool ParseArg(const std::string& a, Arg* out) {
    if (a.size() < 2 || a[1] != ':') return false;
    std::string body = a.substr(2);
    switch (a[0]) {
    case 'C': *out = ByValue(Value::Char(body)); return true;
    case 'N': {
        std::size_t dot = body.find('.');
        int decimals = dot == std::string::npos ? 0 : static_cast<int>(body.size() - dot - 1);
        *out = ByValue(Value::Num(std::atof(body.c_str()), decimals));
        return true;
    }
    case 'I': *out = ByValue(Value::Int(std::atoi(body.c_str()))); return true;
    case 'L': *out = ByValue(Value::Logical(body == ".T." || body == "1")); return true;
    case 'D': *out = ByValue(Value::Date(std::atof(body.c_str()))); return true;
    case 'T': *out = ByValue(Value::DateTime(std::atof(body.c_str()))); return true;
    case 'Y': *out = ByValue(Value::Currency(std::llround(std::atof(body.c_str()) * 10000))); return true;
    case '0': *out = ByValue(Value::Null()); return true;
    default: return false;
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tarvo-run [--lib PATH] SCRIPT.prg [ARG...]\n"
                 "       tarvo-run [--lib PATH] -c \"COMMAND\"\n"
                 "       tarvo-run [--lib PATH]            (commands from standard input)\n"
                 "       tarvo-run [--lib PATH] --call NAME [ARG...]\n"
                 "       tarvo-run [--lib PATH] --list\n"
                 "       tarvo-run --help-lists            (the commands and functions it knows)\n"
                 "--call ARG: C:text N:1.25 I:42 L:.T. D:<day number> T:<day number> Y:<amount> 0:\n");
    return 2;
}

int CallMode(const std::string& lib, bool list, int argc, char** argv, int i) {
    Host host;
    std::string why;
    if (!host.Load(lib, &why)) {
        std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
        return 3;
    }
    int rc = 0;
    if (list) {
        for (const FunctionInfo& f : host.functions())
            std::printf("%-32s %3d  %s\n", f.name.c_str(), f.count, f.types.c_str());
    } else {
        std::string name = argv[i++];
        std::vector<Arg> args;
        for (; i < argc; ++i) {
            Arg a;
            if (!ParseArg(argv[i], &a)) {
                host.Unload();
                return Usage();
            }
            args.push_back(a);
        }
        Outcome out = host.Call(name, args);
        for (const Returned& r : out.returns)
            std::printf("%c width=%d length=%d value=%s\n", r.type, r.width, r.length,
                        Display(r.value).c_str());
        if (out.returns.empty() && out.error == 0) std::printf("(no value)\n");
        if (out.error) {
            std::fprintf(stderr, "Error %d: %s\n", out.error, out.message.c_str());
            rc = 1;
        }
    }
    host.Unload();
    return rc;
}

void Report(const lang::RunResult& r) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", r.Describe().c_str());
    std::fflush(stderr);
}

// A script file or a -c command.
int ProgramMode(lang::Interpreter& in, const std::string& text, const std::string& name,
                const std::vector<Value>& args) {
    lang::RunResult compiled;
    std::shared_ptr<lang::Program> program = in.Compile(text, name, &compiled);
    if (!program) {
        Report(compiled);
        return 1;
    }
    if (!lang::Interpreter::ChoosesLibrary(*program)) {
        std::string why;
        if (!in.LoadDefaultLibrary(&why)) {
            std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
            return 3;
        }
    }
    lang::RunResult r = in.Run(program, args);
    in.FinishOutput();
    in.UnloadLibrary();
    in.FinishOutput();
    if (r.error) {
        Report(r);
        return 1;
    }
    return 0;
}

bool ReadLine(std::string* line) {
    line->clear();
    char buf[4096];
    for (;;) {
        if (!std::fgets(buf, sizeof buf, stdin)) return !line->empty();
        *line += buf;
        if (!line->empty() && line->back() == '\n') {
            line->pop_back();
            if (!line->empty() && line->back() == '\r') line->pop_back();
            return true;
        }
    }
}

bool EndsWithContinuation(const std::string& text) {
    std::size_t e = text.find_last_not_of(" \t\r\n");
    return e != std::string::npos && text[e] == ';';
}

// Command lines from standard input; a block (IF ... ENDIF, PROCEDURE ...
// ENDPROC) is read to its end before it runs.
int LineMode(lang::Interpreter& in) {
    std::string why;
    if (!in.LoadDefaultLibrary(&why)) {
        std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
        return 3;
    }
    bool prompt = _isatty(_fileno(stdin)) != 0;
    bool failed = false;
    std::string pending, line;
    for (;;) {
        if (prompt) {
            in.FinishOutput();
            std::fputs(pending.empty() ? "> " : ". ", stdout);
            std::fflush(stdout);
        }
        if (!ReadLine(&line)) break;
        pending += line + "\n";
        if (EndsWithContinuation(pending)) continue;
        lang::Program probe;
        lang::CompileResult c = lang::Compile(pending, &probe, true);
        if (!c.ok && c.incomplete) continue;
        lang::RunResult compiled;
        std::shared_ptr<lang::Program> program = in.Compile(pending, "COMMAND", &compiled, true);
        pending.clear();
        if (!program) {
            if (prompt) in.FinishOutput();
            Report(compiled);
            failed = true;
            continue;
        }
        lang::RunResult r = in.Run(program);
        if (r.error) {
            if (prompt) in.FinishOutput();
            Report(r);
            failed = true;
        }
        if (r.quit) break;
    }
    in.FinishOutput();
    in.UnloadLibrary();
    in.FinishOutput();
    return failed ? 1 : 0;
}

int RealMain(int argc, char** argv) {
    std::string lib = ExeFolder() + "\\TARVO.fll";
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--lib") == 0) {
        lib = argv[i + 1];
        i += 2;
    }
    if (i < argc && std::strcmp(argv[i], "--list") == 0) return CallMode(lib, true, argc, argv, i + 1);
    if (i < argc && std::strcmp(argv[i], "--call") == 0) {
        if (i + 1 >= argc) return Usage();
        return CallMode(lib, false, argc, argv, i + 1);
    }
    if (i < argc && std::strcmp(argv[i], "--help-lists") == 0) {
        std::fputs(lang::SupportedLists().c_str(), stdout);
        return 0;
    }
    if (i < argc && (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0)) {
        Usage();
        return 0;
    }

    // Output is written byte for byte; lines end as the host ends them (CR LF).
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    Host host;
    lang::Interpreter in(host);
    in.defaultLibrary = lib;
    in.libraryFolders.push_back(ExeFolder());

    if (i < argc && std::strcmp(argv[i], "-c") == 0) {
        if (i + 1 >= argc || i + 2 != argc) return Usage();
        return ProgramMode(in, argv[i + 1], "COMMAND", {});
    }
    if (i < argc) {
        std::string path = argv[i++];
        if (!path.empty() && path[0] == '-') return Usage();
        std::ifstream f(path, std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "tarvo-run: cannot read %s\n", path.c_str());
            return 2;
        }
        std::ostringstream text;
        text << f.rdbuf();
        std::vector<Value> args;
        for (; i < argc; ++i) args.push_back(Value::Char(argv[i]));
        return ProgramMode(in, text.str(), path, args);
    }
    return LineMode(in);
}

struct Job {
    int argc;
    char** argv;
    int rc;
};

DWORD WINAPI Worker(LPVOID p) {
    auto* job = static_cast<Job*>(p);
    job->rc = RealMain(job->argc, job->argv);
    return 0;
}

}  // namespace

// Everything runs on one thread (the library keeps its callback and its
// timers per thread), one with room for deeply nested programs.
int main(int argc, char** argv) {
    Job job{argc, argv, 0};
    HANDLE t = CreateThread(nullptr, 256u << 20, Worker, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!t) return RealMain(argc, argv);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    std::fflush(stdout);
    return job.rc;
}
