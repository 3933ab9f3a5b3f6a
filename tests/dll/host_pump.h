// For the tests of timers: the host thread's messages served until a
// condition holds, and the commands the library sends collected.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runner/host.h"

namespace tarvo::test {

// Pumps the thread's messages until `done` or 5 s; false when time ran out.
inline bool PumpUntil(run::Host& host, const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done(); host.Pump(10))
        if (GetTickCount() - start > 5000) return false;
    return true;
}

// Every command the library sends from now on goes into `commands`.
inline void CollectCommands(run::Host& host, std::vector<std::string>& commands) {
    host.hooks.executeCommand = [&commands](const std::string& c) {
        commands.push_back(c);
        return 0;
    };
}

}  // namespace tarvo::test
