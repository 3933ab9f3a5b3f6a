// The drawing and screen functions give back every device context and GDI
// object they take: stand-ins for the Windows calls count what the library
// takes and gives back. (Wine's GetGuiResources always answers 0, so the
// process's own counts cannot tell.)
#include <windows.h>

#include "runner/imports.h"
#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

int g_taken = 0, g_given = 0;
void* g_real[8] = {};
enum { kGetDc, kReleaseDc, kCreatePen, kDeleteObject, kCreateCompatibleDc, kDeleteDc, kCreateBitmap, kCreateDc };

template <typename F>
F Real(int i) {
    return reinterpret_cast<F>(g_real[i]);
}
HDC WINAPI CountGetDc(HWND w) {
    HDC dc = Real<HDC(WINAPI*)(HWND)>(kGetDc)(w);
    g_taken += dc != nullptr;
    return dc;
}
int WINAPI CountReleaseDc(HWND w, HDC dc) {
    const int done = Real<int(WINAPI*)(HWND, HDC)>(kReleaseDc)(w, dc);
    g_given += done != 0;
    return done;
}
HPEN WINAPI CountCreatePen(int style, int width, COLORREF c) {
    HPEN p = Real<HPEN(WINAPI*)(int, int, COLORREF)>(kCreatePen)(style, width, c);
    g_taken += p != nullptr;
    return p;
}
BOOL WINAPI CountDeleteObject(HGDIOBJ o) {
    const BOOL done = Real<BOOL(WINAPI*)(HGDIOBJ)>(kDeleteObject)(o);
    g_given += done != 0;
    return done;
}
HDC WINAPI CountCreateCompatibleDc(HDC dc) {
    HDC made = Real<HDC(WINAPI*)(HDC)>(kCreateCompatibleDc)(dc);
    g_taken += made != nullptr;
    return made;
}
BOOL WINAPI CountDeleteDc(HDC dc) {
    const BOOL done = Real<BOOL(WINAPI*)(HDC)>(kDeleteDc)(dc);
    g_given += done != 0;
    return done;
}
HBITMAP WINAPI CountCreateBitmap(HDC dc, int w, int h) {
    HBITMAP b = Real<HBITMAP(WINAPI*)(HDC, int, int)>(kCreateBitmap)(dc, w, h);
    g_taken += b != nullptr;
    return b;
}
HDC WINAPI CountCreateDc(LPCSTR a, LPCSTR b, LPCSTR c, const DEVMODEA* d) {
    HDC dc = Real<HDC(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*)>(kCreateDc)(a, b, c, d);
    g_taken += dc != nullptr;
    return dc;
}

TEST_F(DllTest, DrawingGivesBackWhatItTakes) {
    const struct {
        const char* dll;
        const char* name;
        void* stand;
    } calls[] = {
        {"USER32.dll", "GetDC", reinterpret_cast<void*>(&CountGetDc)},
        {"USER32.dll", "ReleaseDC", reinterpret_cast<void*>(&CountReleaseDc)},
        {"GDI32.dll", "CreatePen", reinterpret_cast<void*>(&CountCreatePen)},
        {"GDI32.dll", "DeleteObject", reinterpret_cast<void*>(&CountDeleteObject)},
        {"GDI32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(&CountCreateCompatibleDc)},
        {"GDI32.dll", "DeleteDC", reinterpret_cast<void*>(&CountDeleteDc)},
        {"GDI32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(&CountCreateBitmap)},
        {"GDI32.dll", "CreateDCA", reinterpret_cast<void*>(&CountCreateDc)},
    };
    for (int i = 0; i < 8; ++i) {
        g_real[i] = run::PatchImport(host.module(), calls[i].dll, calls[i].name, calls[i].stand);
        ASSERT_NE(g_real[i], nullptr) << calls[i].name;
    }
    HWND w = CreateWindowA("STATIC", "canvas", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr,
                           nullptr, nullptr);
    for (HWND active : {w, static_cast<HWND>(nullptr)}) {  // with no active window: the screen
        SetActiveWindow(active);
        const Value four[] = {Value::Int(10), Value::Int(10), Value::Int(40), Value::Int(80)};
        host.Call("GRA_CARVE", {four[0], four[1], four[2], four[3]});
        host.Call("GRA_RECTAN", {four[0], four[1], four[2], four[3]});
        host.Call("GRA_CIRCLE", {four[0], four[1], four[2], four[3]});
        host.Call("GRA_LINE", {four[0], four[1], four[2], four[3], Value::Int(0), Value::Int(3), Value::Int(1),
                               Value::Int(2), Value::Int(3)});
        host.Call("GRA_LINE", {four[0], four[1], four[2], four[3], Value::Int(99), Value::Int(-5), Value::Int(1),
                               Value::Int(2), Value::Int(3)});  // a pen Windows may refuse
    }
    host.Call("SCR_COLORS", {});
    host.Call("SCR_COLORDEPTH", {});
    EXPECT_GT(g_taken, 10);
    EXPECT_EQ(g_given, g_taken);
    for (int i = 0; i < 8; ++i) run::PatchImport(host.module(), calls[i].dll, calls[i].name, g_real[i]);
    DestroyWindow(w);
}

}  // namespace
}  // namespace tarvo::test
