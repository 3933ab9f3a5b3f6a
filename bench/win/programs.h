// What the benchmarks that time host-language programs share: a case is a
// program with %d for the count, run through the interpreter and timed.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "runner/lang/interp.h"

namespace tarvo::bench {

struct Case {
    const char* name;
    const char* program;  // %d: the count
};

// Seconds the program took with `n` for its count; a failing program ends
// the benchmark.
inline double RunProgram(run::lang::Interpreter& in, const Case& c, int n) {
    char program[1024];
    std::snprintf(program, sizeof program, c.program, n);
    const auto start = std::chrono::steady_clock::now();
    const run::lang::RunResult r = in.RunText(program, "BENCH");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!r.ok()) {
        std::fprintf(stderr, "%s: %s\n", c.name, r.Describe().c_str());
        std::exit(1);
    }
    return seconds;
}

}  // namespace tarvo::bench
