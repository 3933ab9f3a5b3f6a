// tarvo-run: the replacement host on the command line.
//
//   tarvo-run [--lib PATH] --call NAME [ARG...]   call one function, print its results
//   tarvo-run [--lib PATH] --list                 list the function table
//
// A call argument is a typed literal: C:text, N:1.25, I:42, L:.T., D:<day number>,
// Y:<currency>, T:<day number>, 0: (null). Each returned value record is printed
// as "<letter> width=<w> length=<l> value=<v>"; "(no value)" when none came.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runner/host.h"
#include "runner/print.h"

using namespace tarvo::run;

namespace {

std::string BesideExe(const char* file) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    std::size_t slash = s.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : s.substr(0, slash + 1)) + file;
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
                 "usage: tarvo-run [--lib PATH] --call NAME [ARG...]\n"
                 "       tarvo-run [--lib PATH] --list\n"
                 "ARG: C:text N:1.25 I:42 L:.T. D:<day number> T:<day number> Y:<amount> 0:\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string lib = BesideExe("TARVO.fll");
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--lib") == 0) {
        lib = argv[i + 1];
        i += 2;
    }
    if (i >= argc) return Usage();
    std::string mode = argv[i++];

    Host host;
    std::string why;
    if (!host.Load(lib, &why)) {
        std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
        return 3;
    }
    int rc = 0;
    if (mode == "--list") {
        for (const FunctionInfo& f : host.functions())
            std::printf("%-32s %3d  %s\n", f.name.c_str(), f.count, f.types.c_str());
    } else if (mode == "--call" && i < argc) {
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
    } else {
        rc = Usage();
    }
    host.Unload();
    return rc;
}
