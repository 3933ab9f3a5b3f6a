// Network functions: the rows, and the network timer (host/command_timers.h).
#include "host/command_timers.h"
#include "host/declare.h"
#include "network/network.h"

namespace tarvo {

bool NetProc(const char* command) { return StoreTimerCommand<&NetTimerCommand>(command); }
std::int32_t NetTimSet(std::int32_t interval) {
    return StartCommandTimer<&NetTimerCommand>(interval);
}
namespace {
constexpr RowSpec kRows[] = {
#include "network/network_rows.h"
};
}  // namespace

Family NetworkFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
