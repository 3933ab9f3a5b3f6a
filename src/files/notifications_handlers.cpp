// Change notifications: the slots, the poll timer and the last-error text.
//
// The timer is a thread timer without a window: its callback runs from the
// host thread's message loop, outside any DispatchAPI, so each tick has an
// abort frame of its own (GuardCallback) and a host error raised by an
// action ends that tick only.
#include <windows.h>

#include <string>

#include "files/notifications.h"
#include "host/declare.h"
#include "files/notifications_state.h"
#include "host/timers.h"

namespace tarvo {
namespace {

constexpr char kDone[] = "The operation completed successfully.";

NotificationTable g_slots;
std::uintptr_t g_timer = 0;
std::int32_t g_period = 5000;
std::string g_lastError;

HANDLE HandleOf(const NotificationSlot& s) { return reinterpret_cast<HANDLE>(s.handle); }
bool InTable(std::int32_t n) { return n >= 0 && n < kNotificationSlots; }

void SetSystemErrorText() {
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                   nullptr, GetLastError(), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    g_lastError = text;
}

void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD);

void StartTimer() {
    g_lastError.clear();
    g_timer = SetTimer(nullptr, 0, static_cast<UINT>(g_period), &Poll);
    if (g_timer) TrackTimer(g_timer);
    else SetSystemErrorText();
}

bool StopPolling() {
    if (g_timer == 0) return true;
    if (!StopTimer(g_timer)) {
        SetSystemErrorText();
        return false;
    }
    g_timer = 0;
    return true;
}

// A slot back to free, its Windows notification closed.
void Release(NotificationSlot& s) {
    if (!s.free()) FindCloseChangeNotification(HandleOf(s));
    s.Free();
}

void ResetSlots() {
    g_lastError.clear();
    for (NotificationSlot& s : g_slots) Release(s);
}

void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    GuardCallback([] {
        g_lastError = kDone;
        for (int n = 0; n < kNotificationSlots; ++n) {
            NotificationSlot& s = g_slots[n];
            if (s.free() || s.suspended) continue;
            if (WaitForSingleObject(HandleOf(s), 0) == WAIT_TIMEOUT) continue;
            if (!FindNextChangeNotification(HandleOf(s))) SetSystemErrorText();
            const std::string action = ActionText(s, n);
            if (s.strategy == 1) ExecuteCommand(action.c_str());
            else WinExec(action.c_str(), SW_SHOWDEFAULT);
        }
    });
}

std::int32_t SetNotification(const char* directory, const char* command, bool subtree, std::int32_t filter) {
    g_lastError = kDone;
    const int n = FirstFreeSlot(g_slots);
    if (n >= 0) {
        const HANDLE h = FindFirstChangeNotificationA(directory, subtree, static_cast<DWORD>(filter));
        if (h != INVALID_HANDLE_VALUE) {
            if (g_timer == 0) StartTimer();
            NotificationSlot& s = g_slots[n];
            s.handle = reinterpret_cast<std::uintptr_t>(h);
            s.path = directory;
            s.command = command;
            s.subtree = subtree;
            s.filter = filter;
            return n;
        }
    }
    g_lastError = std::string("Cannot set notification on ") + directory;
    return -1;
}

// --- the rows' functions ------------------------------------------------------------

std::int32_t NotSet(const char* directory, const char* command, bool subtree, std::int32_t filter) {
    return SetNotification(directory, command, subtree, filter);
}

bool NotKill(std::int32_t n) {
    g_lastError = kDone;
    if (!InTable(n) || g_slots[n].free()) {
        SetLastError(ERROR_INVALID_HANDLE);  // nothing to close
        SetSystemErrorText();
        return false;
    }
    if (!FindCloseChangeNotification(HandleOf(g_slots[n]))) {
        SetSystemErrorText();
        return false;
    }
    g_slots[n].Free();
    if (FreeSlots(g_slots) == kNotificationSlots) StopPolling();
    return true;
}

template <int Suspended>
void Suspend(std::int32_t n) {
    g_lastError = kDone;
    if (InTable(n)) g_slots[n].suspended = Suspended;
}

template <int Suspended>
void SuspendAll() {
    g_lastError = kDone;
    for (NotificationSlot& s : g_slots) s.suspended = Suspended;
}

std::int32_t NotStrategy(std::int32_t n, std::int32_t strategy) {
    g_lastError = kDone;
    if (!InTable(n)) return -1;
    const std::int32_t was = g_slots[n].strategy;
    g_slots[n].strategy = strategy;
    return was;
}

std::int32_t NotFrequency(Opt<std::int32_t> period) {
    g_lastError = kDone;
    const std::int32_t was = g_period;
    if (period.present) {
        g_period = period.value;
        if (g_timer != 0 && StopPolling()) StartTimer();
    }
    return was;
}

std::variant<std::string, bool, std::int32_t> NotInfo(std::int32_t n, std::int32_t what) {
    g_lastError = kDone;
    if (!InTable(n)) return std::string();
    const NotificationSlot& s = g_slots[n];
    switch (what) {
    case 1: return s.path;
    case 2: return s.command;
    case 3: return s.subtree != 0;
    case 4: return s.filter;
    case 5: return s.suspended != 0;
    case 6: return s.strategy;
    default: g_lastError = "Parameter not supported"; return std::string();
    }
}

std::int32_t NotHandlesFree() {
    g_lastError = kDone;
    return FreeSlots(g_slots);
}

template <int Value>
std::int32_t Constant() {
    g_lastError = kDone;
    return Value;
}

bool NotIsTimer() {
    g_lastError = kDone;
    return g_timer != 0;
}

bool NotKillTimer() {
    g_lastError = kDone;
    return StopPolling();
}

std::string NotLastError() { return g_lastError; }

void NotZapAll() {
    g_lastError = kDone;
    ResetSlots();
}

std::string NotSaveAll() {
    g_lastError = kDone;
    return SaveText(g_slots);
}

bool NotRestoreAll(std::string_view text) {
    g_lastError = kDone;
    ResetSlots();
    for (int i = 1; i <= kNotificationSlots; ++i) {
        const SavedNotification r = SavedRecord(text, i);
        if (r.path.empty()) continue;
        const std::int32_t n = SetNotification(r.path.c_str(), r.command.c_str(), r.subtree != 0, r.filter);
        if (n < 0) {
            g_lastError = "Cannot restore notification on " + r.path;
            return false;
        }
        g_slots[n].suspended = r.suspended;
        g_slots[n].strategy = r.strategy;
    }
    return true;
}

std::string NotTest() { return "Hello;0"; }

constexpr RowSpec kRows[] = {
#include "files/notifications_rows.h"
};

}  // namespace

void ResetNotifications() {
    ResetSlots();
    g_timer = 0;
    g_period = 5000;
}

void CloseAllNotifications() {
    for (NotificationSlot& s : g_slots)
        if (!s.free() && !FindCloseChangeNotification(HandleOf(s))) SetSystemErrorText();
    for (NotificationSlot& s : g_slots) s.Free();
    StopPolling();
}

Family NotificationFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
