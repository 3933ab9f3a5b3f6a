// The command timers: TIM_SET starts a thread timer without a window that
// runs TIM_PROC's command (host/command_timers.h).
#include <windows.h>

#include <string>

#include "host/command_timers.h"
#include "host/declare.h"
#include "host/timers.h"

namespace tarvo {
namespace {

std::string& TimerCommand() {  // TIM_PROC, empty at load
    static std::string command;
    return command;
}

bool TimProc(const char* command) { return StoreTimerCommand<&TimerCommand>(command); }
std::int32_t TimSet(std::int32_t interval) { return StartCommandTimer<&TimerCommand>(interval); }

bool TimKill(std::int32_t id) {
    StopTimer(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(id)));
    return true;
}

constexpr RowSpec kRows[] = {
#include "datetime/timers_rows.h"
};

}  // namespace

Family TimerFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
