// Windows: window handles, host windows and their metrics, 3-D edges,
// message boxes and host dialogs. Window and device-context handles travel
// as 32-bit integers; rectangles come as top, left, bottom, right.
#include <windows.h>

#include <string>

#include "host/declare.h"

namespace tarvo {
namespace {

HWND H(std::int32_t handle) { return FromAddr<HWND__>(static_cast<std::uint32_t>(handle)); }
HDC Dc(NumInt handle) { return FromAddr<HDC__>(static_cast<std::uint32_t>(handle.value)); }
std::int32_t Handle(const void* p) { return static_cast<std::int32_t>(Ptr(p)); }
HWND MainWindow() { return FromAddr<HWND__>(HostMainWindow()); }
RECT Rect(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right) {
    return RECT{left, top, right, bottom};
}

std::int32_t WinMsgBox(const char* text, std::int32_t style, const char* caption, std::int32_t language) {
    return MessageBoxExA(GetActiveWindow(), text, caption, static_cast<UINT>(style),
                         static_cast<WORD>(language & 0xFFFF));
}

std::int32_t WinDialog(std::int32_t scheme, Opt<const char*> text, Opt<const char*> b1, Opt<const char*> b2,
                       Opt<const char*> b3) {
    const std::uint32_t buttons[3] = {b1.present ? Ptr(b1.value) : 0, b2.present ? Ptr(b2.value) : 0,
                                      b3.present ? Ptr(b3.value) : 0};
    return ShowDialog(scheme, text.or_else(""), 1, 1, buttons);
}

// The child-window list: "%d^" for each child of the active window, grown
// as far as the children go.
std::string& ChildList() {
    static std::string list;
    return list;
}

BOOL CALLBACK AddChild(HWND child, LPARAM) {
    ChildList() += std::to_string(Handle(child)) + "^";
    return TRUE;
}

bool WinEnumChildren() {
    const HWND active = GetActiveWindow();
    if (!active) return false;
    ChildList().clear();
    EnumChildWindows(active, AddChild, 0);
    return true;
}

std::string WinGetChildren() { return ChildList(); }

bool WinLock(std::int32_t handle) { return LockWindowUpdate(H(handle)) != 0; }

// The instance and the window procedure are pointers, which a 64-bit
// process reads with GetWindowLongPtrA (GetWindowLongA answers 0 for them);
// the 32-bit build has only GetWindowLongA. Addresses fit the protocol's
// 32 bits in both builds.
template <int Index>
std::int32_t WindowLong(Window w) {
    return static_cast<std::int32_t>(GetWindowLongPtrA(FromAddr<HWND__>(w.hwnd), Index));
}

bool WinClearRect(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right) {
    RECT r = Rect(top, left, bottom, right);
    return SetRectEmpty(&r) != 0;
}

bool WinDrawEdge(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right, NumInt dc,
                 std::int32_t edge, std::int32_t flags) {
    RECT r = Rect(top, left, bottom, right);
    return DrawEdge(Dc(dc), &r, static_cast<UINT>(edge), static_cast<UINT>(flags)) != 0;
}

// WIN_SUNKEN and WIN_RAISED: all four sides and the middle.
template <int Edge>
bool Edge3D(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right, NumInt dc) {
    return WinDrawEdge(top, left, bottom, right, dc, Edge, BF_RECT | BF_MIDDLE);
}

std::int32_t WinGetWindowDc(std::int32_t handle) {
    const HDC dc = GetWindowDC(H(handle));
    return dc ? Handle(dc) : -1;
}

bool WinReleaseDc(std::int32_t handle, NumInt dc) { return ReleaseDC(H(handle), Dc(dc)) != 0; }

std::int32_t WinGetActiveWindow() { return Handle(GetActiveWindow()); }
void WinSetActiveWindow(std::int32_t handle) { SetActiveWindow(H(handle)); }
void WinSetForegroundWindow(std::int32_t handle) { SetForegroundWindow(H(handle)); }

std::int32_t WinSetFocus(std::int32_t handle) {
    SetFocus(H(handle));
    return 4;
}

std::int32_t WinGetHandle(const char* title) { return Handle(FindWindowA(nullptr, title)); }

std::int32_t WinSetFocuss(const char* title) {
    const HWND found = FindWindowA(nullptr, title);
    if (found) {
        ShowWindow(found, SW_SHOW);
        BringWindowToTop(found);
    }
    return Handle(found);
}

bool WinGetClientArea(std::int32_t handle, Ref top, Ref left, Ref bottom, Ref right) {
    RECT r{};
    if (!GetWindowRect(H(handle), &r)) return false;
    top.StoreNumber(r.top);
    left.StoreNumber(r.left);
    bottom.StoreNumber(r.bottom);
    right.StoreNumber(r.right);
    return true;
}

std::int32_t WinHandle(const char* name) { return static_cast<std::int32_t>(FindHostWindow(name, 0)); }
std::int32_t WinHwnd(const char* name) {
    return static_cast<std::int32_t>(HostWindowToHwnd(FindHostWindow(name, 0)));
}
std::int32_t WinWhandleToHwnd(std::int32_t host) {
    return static_cast<std::int32_t>(HostWindowToHwnd(static_cast<std::uint32_t>(host)));
}
std::int32_t WinMain() { return static_cast<std::int32_t>(FindHostWindow(nullptr, 1)); }

template <int Which>
std::int32_t HostMetric(std::int32_t host) {
    return GetWindowMetric(static_cast<std::uint32_t>(host), Which);
}

void WinArrangeIconicWindows() { ArrangeIconicWindows(MainWindow()); }
std::int32_t WinTile() { return TileWindows(MainWindow(), MDITILE_HORIZONTAL, nullptr, 20, nullptr); }
std::int32_t WinCascade() { return CascadeWindows(MainWindow(), MDITILE_ZORDER, nullptr, 20, nullptr); }

constexpr RowSpec kRows[] = {
#include "ui/windows_rows.h"
};

}  // namespace

Family WindowFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
