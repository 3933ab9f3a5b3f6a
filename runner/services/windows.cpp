// The window group: FindHostWindow (113), HostWindowToHwnd (112),
// GetWindowMetric (42) and ShowDialog (82). The main window is made before
// the library loads and goes after it is released.
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

constexpr std::int32_t kMainWindowId = 1;

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool OpenWindows(Host& host, std::string* why) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarvoHostMain";
    RegisterClassA(&wc);
    host.windows.main = CreateWindowA("TarvoHostMain", "TARVO host", WS_OVERLAPPEDWINDOW | WS_SYSMENU,
                                      0, 0, 640, 480, nullptr, nullptr, wc.hInstance, nullptr);
    if (host.windows.main) return true;
    *why = "cannot create the host's main window (no graphics driver?)";
    return false;
}

void CloseWindows(Host& host) {
    if (host.windows.main) DestroyWindow(host.windows.main);
    host.windows.main = nullptr;
}

namespace {

// The Windows handle of a host window number (null when there is none).
HWND WindowOf(const HostWindows& w, std::int32_t id) {
    if (id == kMainWindowId) return w.main;
    auto it = w.forms.find(id);
    return it == w.forms.end() ? nullptr : it->second.hwnd;
}

std::int32_t FindByName(const HostWindows& w, const std::string& name) {
    const std::string upper = UpperAscii(name);
    if (upper == "SCREEN") return kMainWindowId;
    for (const auto& [id, form] : w.forms)
        if (form.name == upper) return id;
    return 0;
}

}  // namespace

void ServeWindows(ServiceCall& call) {
    const HostWindows& windows = call.host.windows;
    switch (call.code()) {
    case kSvcFindHostWindow:
        // FindHostWindow(0, 1) is the main window; a name finds SCREEN (the
        // main window) or a form of that name.
        if (call.arg(1) == 0) return call.Answer(call.arg(2) == 1 ? kMainWindowId : 0);
        return call.Answer(FindByName(windows, call.text));
    case kSvcHostWindowToHwnd:
        return call.Answer(static_cast<std::int32_t>(
            reinterpret_cast<std::uintptr_t>(WindowOf(windows, call.arg(1)))));
    case kSvcGetWindowMetric: {
        RECT rc{};
        HWND hwnd = WindowOf(windows, call.arg(1));
        if (!hwnd || !GetWindowRect(hwnd, &rc)) return call.Answer(0);
        const std::int32_t m[6] = {rc.top, rc.bottom, rc.left, rc.right, rc.bottom - rc.top,
                                   rc.right - rc.left};
        std::uint32_t which = call.block.arg2;
        return call.Answer(which < 6 ? m[which] : 0);
    }
    default:  // kSvcShowDialog: nobody answers, so the default button is chosen
        return call.Answer(call.arg(3));
    }
}

}  // namespace tarvo::run
