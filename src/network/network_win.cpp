// Network functions through Windows: names, connections and their dialogs,
// and the network timer.
// winsock2.h before windows.h, which would bring the older winsock.h.
#include <winsock2.h>
#include <windows.h>

#include <winnetwk.h>

#include "host/services.h"
#include "files/connections_win.h"
#include "network/network.h"

namespace tarvo {
namespace {

HWND MainWindow() { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow())); }

// A name Windows writes into a buffer of 127 characters; empty on failure.
template <BOOL(WINAPI* F)(LPSTR, LPDWORD)>
std::string NameOf() {
    char name[128] = {};
    DWORD size = 127;
    return F(name, &size) ? std::string(name) : std::string();
}

// A dialog's answer: .T. for done and for cancelled (-1), .F. for an error.
bool DialogDone(DWORD answer) { return answer == NO_ERROR || answer == 0xFFFFFFFFu; }

}  // namespace

std::string NetGetComputerName() { return NameOf<&GetComputerNameA>(); }
bool NetSetComputerName(const char* name) { return SetComputerNameA(name) != 0; }
std::string NetGetUserName() { return NameOf<&GetUserNameA>(); }

std::string NetGetHostName() {
    char name[261] = {};
    return gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string();
}

std::string NetGetConnection(const char* local) {
    char remote[262] = {};
    DWORD size = 261;
    return WNetGetConnectionA(local, remote, &size) == NO_ERROR ? std::string(remote)
                                                               : std::string();
}

bool NetCancelConnection(const char* name, OptTyped<bool> force) {
    return WNetCancelConnection2A(name, CONNECT_UPDATE_PROFILE, force.present && force.value) ==
           NO_ERROR;
}

bool NetConnectionDialog() { return DialogDone(WNetConnectionDialog(MainWindow(), RESOURCETYPE_DISK)); }
bool NetDisconnectDialog() {
    return DialogDone(WNetDisconnectDialog(MainWindow(), RESOURCETYPE_DISK));
}

std::string NetEnumConnections() {
    std::string list;
    EachConnection(RESOURCETYPE_ANY, [&](const NETRESOURCEA& resource) {
        if (!resource.lpLocalName || !*resource.lpLocalName) return true;
        return AppendConnection(list, resource.lpLocalName,
                                resource.lpRemoteName ? resource.lpRemoteName : "");
    });
    return list;
}

}  // namespace tarvo
