// A second thread that plays the user for modal UI the library shows on the
// test's thread: it finds the dialog or menu, answers it, and never leaves it
// waiting (anything still up after a second is closed).
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace tarvo::test {

// Runs `call` on this thread while a driver thread waits for a visible
// window of class `windowClass` belonging to this thread and passes it to
// `answer`. `*seen` tells whether one appeared.
template <typename Call>
auto WithDriver(const char* windowClass, std::function<void(HWND)> answer, bool* seen, Call&& call) {
    const DWORD thread = GetCurrentThreadId();
    *seen = false;
    std::thread driver([=] {
        HWND found = nullptr;
        for (int i = 0; i < 300 && !found; ++i) {
            for (HWND h = nullptr; !found && (h = FindWindowExA(nullptr, h, windowClass, nullptr)) != nullptr;)
                if (GetWindowThreadProcessId(h, nullptr) == thread && IsWindowVisible(h)) found = h;
            if (!found) Sleep(10);
        }
        if (!found) return;
        *seen = true;
        answer(found);
        for (int i = 0; i < 100 && IsWindow(found) && IsWindowVisible(found); ++i) Sleep(10);
        if (IsWindow(found) && IsWindowVisible(found)) PostMessageA(found, WM_CLOSE, 0, 0);
    });
    auto result = call();
    driver.join();
    return result;
}

// Answers a dialog box with a button (IDOK, IDCANCEL, IDYES ...).
inline std::function<void(HWND)> Press(int button) {
    return [button](HWND dialog) { PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0); };
}

}  // namespace tarvo::test
