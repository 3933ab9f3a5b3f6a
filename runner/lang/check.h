// tarvo-run --check: reads programs without running them and tells what
// would fail when they run with the loaded library.
#pragma once

#include <string>
#include <vector>

#include "runner/host.h"

namespace tarvo::run::lang {

// One thing that would fail, at its file and line.
struct Finding {
    std::string file;  // as given
    int line = 0;
    std::string text;  // one sentence (or two), without a line end
};

// Checks the programs at `paths` together (one application: a procedure of
// one may be called from another) against the function table of `host`'s
// loaded library:
//   - every call of a name that is no built-in function of the runner, no
//     function of the library, no procedure of the programs, no function
//     DECLAREd in them and no program file beside them, with the
//     nearest known names;
//   - every call of a library function with too few or too many arguments,
//     or with a literal argument whose type cannot fit its type string;
//   - every DO of a procedure or program that is none of theirs and no file;
//   - every statement the runner does not support or cannot read, and blocks
//     that do not pair up.
// A file that cannot be read is a finding at line 0. Findings come in file
// and line order.
std::vector<Finding> CheckPrograms(const std::vector<std::string>& paths, const Host& host);

}  // namespace tarvo::run::lang
