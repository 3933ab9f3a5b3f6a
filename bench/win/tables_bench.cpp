// Tables through the interpreter: appending records of five fields and a
// memo with APPEND BLANK and REPLACE, scanning them, and a SCAN that
// replaces in every record, at two sizes in one run, on a table in the
// temporary folder. The per-record times at both sizes show that the cost
// grows with the count, not faster; "loop only" is the interpreter's own
// cost of a round, the baseline of the ratios.
//
//   tables_bench [large count, default 100000]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/win/programs.h"
#include "runner/host.h"
#include "runner/lang/interp.h"

namespace {

using namespace tarvo::run;
using tarvo::bench::Case;
using tarvo::bench::RunProgram;

const Case kCases[] = {
    {"loop only", "n = 0\nFOR i = 1 TO %d\n  n = n + 1\nENDFOR\n"},
    {"append + replace",
     "CREATE TABLE bench (id I, name C(20), qty N(10,2), day D, ok L, notes M)\n"
     "FOR i = 1 TO %d\n  APPEND BLANK\n"
     "  REPLACE id WITH i, name WITH 'name ' + TRANSFORM(i), qty WITH i / 4, day WITH DATE(), "
     "ok WITH i %% 2 = 0, notes WITH 'memo of record ' + TRANSFORM(i)\nENDFOR\n"},
    {"scan", "USE bench\nn = 0\nSCAN\n  n = n + qty\nENDSCAN\n"},
    {"scan, reading the memo", "USE bench\nn = 0\nSCAN\n  n = n + LEN(notes)\nENDSCAN\n"},
    {"scan + replace", "USE bench\nSCAN FOR ok\n  REPLACE qty WITH qty + 1\nENDSCAN\nUSE\n"},
};

}  // namespace

int main(int argc, char** argv) {
    const int large = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int small = large / 10;
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    SetCurrentDirectoryA(folder);
    Host host;
    lang::Interpreter in(host);
    in.write = [](const std::string&) {};
    std::printf("%-24s %12s %12s %10s %10s\n", "case", "us/rec 10%", "us/rec 100%", "growth", "x loop");
    double loop = 0;
    double small_times[8] = {}, large_times[8] = {};
    int k = 0;
    for (int count : {small, large}) {
        k = 0;
        for (const Case& c : kCases) (count == small ? small_times : large_times)[k++] = RunProgram(in, c, count);
        in.RunText("CLOSE TABLES\nERASE bench.dbf\nERASE bench.fpt\n", "BENCH");
    }
    k = 0;
    for (const Case& c : kCases) {
        const double a = small_times[k], b = large_times[k];
        if (loop == 0) loop = b;
        std::printf("%-24s %12.2f %12.2f %10.2f %10.1f\n", c.name, a * 1e6 / small, b * 1e6 / large,
                    (b / large) / (a / small), b / loop);
        ++k;
    }
    return 0;
}
