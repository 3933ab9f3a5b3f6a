// A second thread that plays the user for modal UI the library shows on the
// test's thread: it finds the dialog or menu, answers it, and never leaves it
// waiting (anything still up after a second is closed).
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace tarvo::test {

struct FindWindowOfClass {
    const char* cls;
    HWND found = nullptr;
    static BOOL CALLBACK Each(HWND h, LPARAM p) {
        auto* f = reinterpret_cast<FindWindowOfClass*>(p);
        char name[64] = "";
        GetClassNameA(h, name, sizeof name);
        if (!IsWindowVisible(h) || lstrcmpA(name, f->cls) != 0) return TRUE;
        f->found = h;
        return FALSE;
    }
};

// Runs `call` on this thread while a driver thread waits for a visible
// window of class `windowClass` belonging to this thread and passes it to
// `answer`. `*seen` tells whether one appeared.
template <typename Call>
auto WithDriver(const char* windowClass, std::function<void(HWND)> answer, bool* seen, Call&& call) {
    const DWORD thread = GetCurrentThreadId();
    *seen = false;
    std::thread driver([=] {
        FindWindowOfClass find{windowClass};
        for (int i = 0; i < 300 && !find.found; ++i) {
            EnumThreadWindows(thread, FindWindowOfClass::Each, reinterpret_cast<LPARAM>(&find));
            if (!find.found) Sleep(10);
        }
        if (!find.found) return;
        *seen = true;
        answer(find.found);
        for (int i = 0; i < 100 && IsWindow(find.found) && IsWindowVisible(find.found); ++i) Sleep(10);
        if (IsWindow(find.found) && IsWindowVisible(find.found)) PostMessageA(find.found, WM_CLOSE, 0, 0);
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
