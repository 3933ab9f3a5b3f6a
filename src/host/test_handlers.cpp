// The two test entries and the do-nothing handler that keeps obsolete names
// callable.
#include <windows.h>

#include "host/declare.h"
#include "host/dispatch.h"

namespace tarvo {
namespace {

std::int32_t TstTest(std::int32_t n) {
    static const std::int32_t kList[6] = {0, 1, 2, 27, 4, 5};
    return n >= 0 && n < 6 ? kList[n] : -1;
}

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CHAR:
        if (wp == 27) {
            DestroyWindow(hwnd);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The window's own message loop runs until WM_DESTROY posts the quit
// message; a window that cannot be made ends the call at once.
void TstTest2(ParamBlock*) {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = LibraryInstance();
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "TARVO";
    RegisterClassA(&wc);  // a second call finds the class registered already
    HWND hwnd = CreateWindowA("TARVO", "Test of TARVO", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              LibraryInstance(), nullptr);
    if (!hwnd) return;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Returns no value at all.
void Nothing(ParamBlock*) {}

constexpr RowSpec kRows[] = {
#include "host/test_rows.h"
};

}  // namespace

Family TestFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
