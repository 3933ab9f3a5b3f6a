// Network functions: names of the computer, the user and the host, the
// connections of local device names to network shares, the network mode,
// four settings kept for the host program, and the network timer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// The connection list: "local^remote;" for each connection with a local
// name, at most 16383 characters (an entry that does not fit whole is left
// out, and so are all after it).
constexpr std::size_t kConnectionListLength = 16383;
// Appends one connection; false when it does not fit (the list is then
// left as it was).
bool AppendConnection(std::string& list, const char* local, const char* remote);

// The four settings kept for the host program, by slot.
enum NetSettingSlot { kNetMax, kNetMode, kNetLevel, kNetUserNo, kNetSettingCount };
std::int32_t& NetSettingValue(int slot);
// Answers the setting; with an integer parameter then sets it.
template <int Slot>
std::int32_t NetSetting(OptTyped<std::int32_t> value) {
    const std::int32_t old = NetSettingValue(Slot);
    if (value.present) NetSettingValue(Slot) = value.value;
    return old;
}
// Answers the network mode; with a logical parameter then sets it.
bool NetSetNet(OptTyped<bool> on);

// The network timer's command, NET_PROC's text (its first 128
// characters); empty at load.
std::string& NetTimerCommand();

// --- Windows (network_win.cpp) ---
std::string NetGetComputerName();
bool NetSetComputerName(const char* name);
std::string NetGetUserName();
std::string NetGetHostName();
std::string NetGetConnection(const char* local);
bool NetCancelConnection(const char* name, OptTyped<bool> force);
bool NetConnectionDialog();
bool NetDisconnectDialog();
std::string NetEnumConnections();

// The network timer (network_handlers.cpp).
bool NetProc(const char* command);
std::int32_t NetTimSet(std::int32_t interval);

}  // namespace tarvo
