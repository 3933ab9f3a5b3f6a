// The signature fuzzer: every row of the loaded function table (the hooks
// and the rows kept away from random arguments aside) is called a fixed
// number of times with arguments that fit its type string and lean on the
// edges: integers at byte, word and 32-bit limits, numbers NaN, infinite,
// huge and tiny, texts of 0 to 65536 bytes with zero bytes, high codes,
// separators, quotes, numbers and dates as text, long names and paths into
// a scratch folder, dates near the calendar's landmarks, variables by
// reference of every type and undefined ones.
//
// A call passes when it returns, leaves no more handles in use and no more
// handles locked than the name's first call left, keeps every result inside
// its handle, and the library still answers TST_TEST(3) with 27 afterwards.
// Every name draws from its own generator seeded by the run's seed and the
// name, so `--only NAME` with the same seed replays its calls exactly.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runner/host.h"

namespace tarvo::run {

struct FuzzOptions {
    std::uint64_t seed = 1;
    int callsPerName = 40;
    bool hostile = false;         // moving blocks, 0xCC fill, failing allocations
    std::string only;             // names separated by commas (one: a replay), or all when empty
    std::string scratch;          // the folder paths point into (and the current one)
};

struct FuzzFailure {
    std::string name;
    int call = 0;                 // 1-based within the name
    std::string what;             // what went wrong
    std::string arguments;        // the call, readable
};

struct FuzzReport {
    int names = 0;
    int calls = 0;
    int errors = 0;               // calls that ended with a host error (allowed)
    std::vector<FuzzFailure> failures;
};

// The call about to be made, readable, kept up to date so that a crash or a
// hang can be reported with it.
const std::string& CurrentFuzzCall();
// Counts the calls made so far; safe to read from another thread.
unsigned FuzzCallSerial();

// Runs the fuzzer over every eligible name of the loaded table. `skip` tells
// whether a name is kept away from random arguments.
FuzzReport FuzzNames(Host& host, const FuzzOptions& options,
                     const std::function<bool(const std::string& name)>& skip);

// A readable form of a call's arguments (texts shortened, lengths shown).
std::string DescribeArgs(const Host& host, const std::vector<Arg>& args);

}  // namespace tarvo::run
