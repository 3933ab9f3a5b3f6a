// Network functions: the connection list, the settings and the timer command.
#include "network/network.h"

#include <cstring>

#include "hostdata/network_mode.h"

namespace tarvo {

bool AppendConnection(std::string& list, const char* local, const char* remote) {
    const std::size_t added = std::strlen(local) + std::strlen(remote) + 2;
    if (list.size() + added > kConnectionListLength) return false;
    list.append(local).append("^").append(remote).append(";");
    return true;
}

std::int32_t& NetSettingValue(int slot) {
    static std::int32_t values[kNetSettingCount] = {10, 0, 0, 0};
    return values[slot];
}

bool NetSetNet(OptTyped<bool> on) {
    const bool old = NetworkMode();
    if (on.present) NetworkMode() = on.value;
    return old;
}

std::string& NetTimerCommand() {
    static std::string command;
    return command;
}

}  // namespace tarvo
