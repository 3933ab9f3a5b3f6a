// A network provider for the tests: two connections that live in the
// process that loaded it, Q: to \\FAKESRV\share and T: to \\FAKESRV\other,
// enumerated, looked up and cancelled through the Windows network functions.
// scripts/wine-prefix.sh registers it in the test prefixes; it answers only
// while the process's TARVO_FAKE_NETWORK is 1, so that every other test sees
// no network, as before. Every resource it hands out has its comment and
// provider filled (Wine's network functions need them).
#include <windows.h>

#include <winnetwk.h>

#include <cstring>
#include <cwchar>

// The capability codes of the provider interface (its header declares the
// entry points without C linkage, so it is not included).
constexpr DWORD WNNC_SPEC_VERSION = 0x01, WNNC_SPEC_VERSION51 = 0x00050001,
                WNNC_NET_TYPE = 0x02, WNNC_DRIVER_VERSION = 0x03, WNNC_CONNECTION = 0x06,
                WNNC_CON_CANCELCONNECTION = 0x02, WNNC_CON_GETCONNECTIONS = 0x04,
                WNNC_ENUMERATION = 0x0B, WNNC_ENUM_GLOBAL = 0x01, WNNC_ENUM_LOCAL = 0x02;

namespace {

struct Connection {
    const wchar_t* local;
    const wchar_t* remote;
    bool cancelled;
};
Connection g_connections[] = {{L"Q:", L"\\\\FAKESRV\\share", false},
                              {L"T:", L"\\\\FAKESRV\\other", false}};
constexpr int kCount = sizeof g_connections / sizeof g_connections[0];
const wchar_t kComment[] = L"a share of the fake network";
const wchar_t kProvider[] = L"Fake Network";

bool Answering() {
    char on[4] = "";
    return GetEnvironmentVariableA("TARVO_FAKE_NETWORK", on, sizeof on) == 1 && on[0] == '1';
}

Connection* Find(const wchar_t* name) {
    for (Connection& c : g_connections)
        if (!c.cancelled && name && (_wcsicmp(name, c.local) == 0 || _wcsicmp(name, c.remote) == 0))
            return &c;
    return nullptr;
}

// The enumeration's position: the index of the next connection.
struct Walk {
    int next = 0;
};

}  // namespace

extern "C" {

DWORD WINAPI NPGetCaps(DWORD index) {
    switch (index) {
        case WNNC_SPEC_VERSION: return WNNC_SPEC_VERSION51;
        case WNNC_NET_TYPE: return 0x00FE0000;
        case WNNC_DRIVER_VERSION: return 1;
        case WNNC_CONNECTION: return WNNC_CON_GETCONNECTIONS | WNNC_CON_CANCELCONNECTION;
        case WNNC_ENUMERATION: return WNNC_ENUM_GLOBAL | WNNC_ENUM_LOCAL;
        default: return 0;
    }
}

DWORD WINAPI NPOpenEnum(DWORD scope, DWORD, DWORD, LPNETRESOURCEW, LPHANDLE handle) {
    if (!Answering()) return WN_NO_NETWORK;
    if (scope != RESOURCE_CONNECTED) return WN_NOT_SUPPORTED;
    *handle = new Walk;
    return WN_SUCCESS;
}

// Fills the area with as many of the remaining connections as are asked for
// and fit: the records first, their texts from the end of the area down.
DWORD WINAPI NPEnumResource(HANDLE handle, LPDWORD count, LPVOID area, LPDWORD size) {
    auto* walk = static_cast<Walk*>(handle);
    while (walk->next < kCount && g_connections[walk->next].cancelled) ++walk->next;
    if (walk->next >= kCount) return WN_NO_MORE_ENTRIES;
    auto* records = static_cast<NETRESOURCEW*>(area);
    char* end = static_cast<char*>(area) + *size;
    DWORD given = 0;
    auto put = [&](const wchar_t* text, char* floor) -> wchar_t* {
        const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
        if (end - floor < static_cast<std::ptrdiff_t>(bytes)) return nullptr;
        end -= bytes;
        std::memcpy(end, text, bytes);
        return reinterpret_cast<wchar_t*>(end);
    };
    while (walk->next < kCount && given < *count) {
        const Connection& c = g_connections[walk->next];
        if (c.cancelled) {
            ++walk->next;
            continue;
        }
        char* floor = reinterpret_cast<char*>(records + given + 1);
        char* const before = end;
        wchar_t *local = put(c.local, floor), *remote = local ? put(c.remote, floor) : nullptr,
                *comment = remote ? put(kComment, floor) : nullptr,
                *provider = comment ? put(kProvider, floor) : nullptr;
        if (!provider) {
            end = before;
            if (given == 0) {
                *size = 4096;
                return WN_MORE_DATA;
            }
            break;
        }
        NETRESOURCEW& r = records[given++];
        r.dwScope = RESOURCE_CONNECTED;
        r.dwType = RESOURCETYPE_DISK;
        r.dwDisplayType = RESOURCEDISPLAYTYPE_SHARE;
        r.dwUsage = RESOURCEUSAGE_CONNECTABLE;
        r.lpLocalName = local;
        r.lpRemoteName = remote;
        r.lpComment = comment;
        r.lpProvider = provider;
        ++walk->next;
    }
    *count = given;
    return WN_SUCCESS;
}

DWORD WINAPI NPCloseEnum(HANDLE handle) {
    delete static_cast<Walk*>(handle);
    return WN_SUCCESS;
}

DWORD WINAPI NPGetConnection(LPWSTR local, LPWSTR remote, LPDWORD length) {
    const Connection* c = Answering() ? Find(local) : nullptr;
    if (!c || _wcsicmp(local, c->local) != 0) return WN_NOT_CONNECTED;
    const DWORD need = static_cast<DWORD>(std::wcslen(c->remote) + 1);
    if (*length < need) {
        *length = need;
        return WN_MORE_DATA;
    }
    std::wcscpy(remote, c->remote);
    return WN_SUCCESS;
}

DWORD WINAPI NPCancelConnection(LPWSTR name, BOOL) {
    Connection* c = Answering() ? Find(name) : nullptr;
    if (!c) return WN_NOT_CONNECTED;
    c->cancelled = true;
    return WN_SUCCESS;
}

}  // extern "C"
