// The window group: FindHostWindow (113), HostWindowToHwnd (112),
// GetWindowMetric (42) and ShowDialog (82). The main window is made before
// the library loads and goes after it is released; host programs find it
// under the name SCREEN.
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

void ServeWindows(ServiceCall& call) {
    HWND main = call.host.windows.main;
    switch (call.code()) {
    case kSvcFindHostWindow: {
        // FindHostWindow(0, 1) is the main window, and so is the window
        // named SCREEN (the host's _SCREEN); no other window has a name yet.
        const bool main = call.arg(1) == 0 ? call.arg(2) == 1
                                           : _stricmp(call.text.c_str(), "SCREEN") == 0;
        return call.Answer(main ? kMainWindowId : 0);
    }
    case kSvcHostWindowToHwnd:
        return call.Answer(call.arg(1) == kMainWindowId ? static_cast<std::int32_t>(
                                                              reinterpret_cast<std::uintptr_t>(main))
                                                        : 0);
    case kSvcGetWindowMetric: {
        RECT rc{};
        if (call.arg(1) != kMainWindowId || !GetWindowRect(main, &rc)) return call.Answer(0);
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
