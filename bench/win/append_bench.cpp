// Building a text in a loop through the interpreter, beside plain C++
// appending the same pieces to a std::string, in one run.
//
//   append_bench [appends, default 100000]
//
// Each case is a program as host developers write it (a FOR loop of
// `buf = buf + piece`), run by the interpreter tarvo-run uses; "loop only"
// is the same loop with a numeric assignment, the interpreter's own cost
// per round; "procedure call" calls a procedure of two statements each
// round (as a progress command does). The ratio to the C++ baseline is the
// figure that carries over between machines; the times show that the work
// grows with the result, not with its square.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runner/host.h"
#include "runner/lang/interp.h"

namespace {

using namespace tarvo::run;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

struct Case {
    const char* name;
    const char* program;  // %d: the number of appends
    const char* piece;    // what C++ appends each round ("" for the loop only)
};

const Case kCases[] = {
    {"loop only", "n = 0\nFOR i = 1 TO %d\n  n = n + 1\nENDFOR\n", ""},
    {"1-char pieces", "b = ''\nFOR i = 1 TO %d\n  b = b + 'x'\nENDFOR\n? LEN(b)\n", "x"},
    {"6-char pieces", "b = ''\nFOR i = 1 TO %d\n  b = b + 'abcdef'\nENDFOR\n? LEN(b)\n", "abcdef"},
    {"local in a procedure", "DO build\nPROCEDURE build\nLOCAL b, i\nb = ''\nFOR i = 1 TO %d\n"
     "  b = b + 'abcdef'\nENDFOR\n? LEN(b)\nENDPROC\n", "abcdef"},
    {"array element", "DIMENSION a(3)\na(2) = ''\nFOR i = 1 TO %d\n  a(2) = a(2) + 'abcdef'\nENDFOR\n"
     "? LEN(a(2))\n", "abcdef"},
    {"procedure call", "PUBLIC shown, calls\ncalls = 0\nFOR i = 1 TO %d\n  Progress(i)\nENDFOR\n? calls\n"
     "PROCEDURE Progress\nPARAMETERS n\nshown = n\ncalls = calls + 1\nENDPROC\n", ""},
    {"CSV line", "b = ''\nFOR i = 1 TO %d\n  b = b + IIF(i > 1, ',', '') + TRANSFORM(i)\nENDFOR\n"
     "? LEN(b)\n", ",12345"},
};

}  // namespace

int main(int argc, char** argv) {
    int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    Host host;
    lang::Interpreter in(host);
    std::string printed;
    in.write = [&](const std::string& s) { printed += s; };

    std::printf("%-24s %10s %12s %12s %8s\n", "case", "result", "interpreter", "C++", "ratio");
    for (const Case& c : kCases) {
        char program[512];
        std::snprintf(program, sizeof program, c.program, n);
        printed.clear();
        auto start = Clock::now();
        lang::RunResult r = in.RunText(program, "BENCH");
        double interpreted = Seconds(start);
        if (!r.ok()) {
            std::fprintf(stderr, "%s: %s\n", c.name, r.Describe().c_str());
            return 1;
        }
        start = Clock::now();
        std::string buf;
        for (int i = 0; i < n; ++i) buf += c.piece;
        volatile std::size_t keep = buf.size();
        double plain = Seconds(start);
        (void)keep;
        std::size_t first = printed.find_first_not_of(" \r\n");
        std::string result =
            first == std::string::npos ? "-" : printed.substr(first, printed.find_first_of("\r\n", first) - first);
        std::printf("%-24s %10s %10.3f s %10.6f s %8.0f\n", c.name, result.c_str(), interpreted, plain,
                    plain > 0 ? interpreted / plain : 0.0);
    }
    return 0;
}
