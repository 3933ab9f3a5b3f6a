// Keyboard, mouse, screen and locale: mostly one Windows call each.
#include <windows.h>

#include <string>

#include "host/declare.h"
#include "ui/hardware.h"
#include "ui/input.h"

namespace tarvo {
namespace {

// --- keyboard ---------------------------------------------------------------------

bool KeyGetAsyncKeyState(std::int32_t key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

template <int Key>
bool KeyDown() {
    return (GetKeyState(Key) & 0x8000) != 0;
}

// The thread's keyboard state byte of a toggle key, read and written.
template <int Key>
bool ToggleOn() {
    BYTE state[256] = {};
    GetKeyboardState(state);
    return state[Key] != 0;
}
template <int Key>
bool SetToggle(bool on) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[Key] = on ? 1 : 0;
    return SetKeyboardState(state) != 0;
}
// Insert reads and writes its byte the other way round.
bool KeyIsIns() { return !ToggleOn<VK_INSERT>(); }
bool KeySetIns(bool on) { return SetToggle<VK_INSERT>(!on); }

// KEY_FAST, KEY_SLOW, KEY_NORM: the keyboard controller's "set typematic
// rate and delay" command (243) and the rate byte, to port 96.
template <int Rate>
bool Typematic() {
    if (WritePort(0x60, 243)) WritePort(0x60, Rate);
    return true;
}

std::int32_t KeyFmax() { return GetKeyboardType(2); }
std::int32_t KeyType(std::int32_t which) { return GetKeyboardType(which); }
std::string KeyGetLayoutName() {
    char name[KL_NAMELENGTH + 1] = {};
    GetKeyboardLayoutNameA(name);
    return name;
}
std::int32_t KeyCodePage() { return static_cast<std::int32_t>(GetOEMCP()); }

// --- mouse --------------------------------------------------------------------------

std::int32_t MouX() {
    std::int32_t point[2] = {0, 0};
    GetMousePosition(point, 0);
    return point[0];
}
std::int32_t MouY() {
    std::int32_t point[2] = {0, 0};
    GetMousePosition(point, 0);
    return point[1];
}
bool MouIsDown() {
    std::int32_t point[2] = {0, 0};
    return GetMousePosition(point, 1) != 0;
}

void MouClipCursor(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right) {
    const RECT r{left, top, right, bottom};
    ClipCursor(&r);
}
void MouFreeClipCursor() { ClipCursor(nullptr); }

template <DWORD Flags>
void MouseButton() {
    mouse_event(Flags, 0, 0, 0, static_cast<ULONG_PTR>(GetMessageExtraInfo()));
}

// The pointer moves to (x, y) in screen pixels: absolute coordinates run
// from 0 to 65535 across the primary screen.
void MouMove(std::int32_t x, std::int32_t y) {
    const auto scale = [](std::int32_t v, int size) {
        return static_cast<DWORD>(size > 1 ? MulDiv(v, 65535, size - 1) : 0);
    };
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, scale(x, GetSystemMetrics(SM_CXSCREEN)),
                scale(y, GetSystemMetrics(SM_CYSCREEN)), 0, static_cast<ULONG_PTR>(GetMessageExtraInfo()));
}

// MOU_SETHOR, MOU_SETVER: the DOS mouse driver's functions 7 and 8.
template <int Function>
void MouseLimits(std::int32_t minimum, std::int32_t maximum) {
    CallMouseDriver(Function, static_cast<std::uint16_t>(minimum), static_cast<std::uint16_t>(maximum));
}

bool CurLoad(const char* file) {
    const HCURSOR cursor = LoadCursorFromFileA(file);
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

// --- screen ---------------------------------------------------------------------------

template <int Index>
std::int32_t Metric() {
    return GetSystemMetrics(Index);
}

std::int32_t ScrColors() {
    const HDC screen = GetDC(nullptr);
    const int colours = GetDeviceCaps(screen, NUMCOLORS);
    ReleaseDC(nullptr, screen);
    return colours;
}

// The levels each channel keeps, by setting grey pixels of a 1-by-1
// bitmap compatible with the display and reading back what it stored.
ChannelLevels DisplayLevels(HDC display) {
    ChannelLevels none{0, 0, 0};
    const HDC memory = CreateCompatibleDC(display);
    const HBITMAP bitmap = CreateCompatibleBitmap(display, 1, 1);
    if (!memory || !bitmap) {
        if (memory) DeleteDC(memory);
        if (bitmap) DeleteObject(bitmap);
        return none;
    }
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const ChannelLevels levels = CountLevels([&](int grey) -> long {
        const COLORREF c = SetPixel(memory, 0, 0, RGB(grey, grey, grey));
        return c == CLR_INVALID ? -1 : static_cast<long>(c);
    });
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return levels;
}

std::int32_t ScrColorDepth() {
    const HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return ColorCount(0);
    const int bits = GetDeviceCaps(display, BITSPIXEL);
    const ChannelLevels levels = bits == 16 ? DisplayLevels(display) : ChannelLevels{};
    DeleteDC(display);
    return ColorCount(ColorDepth(bits, levels.green, levels.blue));
}

std::int32_t ScrRoloc(std::int32_t v) { return SwappedNibbles(v); }

// --- locale ---------------------------------------------------------------------------

std::int32_t g_languageSetting = 0;

std::int32_t LngSet(Opt<std::int32_t> setting) {
    const std::int32_t was = g_languageSetting;
    if (setting.present) g_languageSetting = setting.value;
    return was;
}

std::int32_t LngMakeLangId(std::int32_t primary, std::int32_t sub) { return MakeLangId(primary, sub); }
std::int32_t LocGetUserDefaultLanguage() { return GetUserDefaultLangID(); }
std::int32_t LocGetSystemDefaultLanguage() { return GetSystemDefaultLangID(); }
std::int32_t LocGetUserPrimaryLanguage(Opt<std::int32_t> id) {
    return PrimaryLanguage(id.or_else(GetUserDefaultLangID()));
}
std::int32_t LocGetUserSubLanguage(Opt<std::int32_t> id) { return SubLanguage(id.or_else(GetUserDefaultLangID())); }

std::variant<const char*, WorkBuffer> LocGetLocaleSetting(std::int32_t item, Opt<std::int32_t> locale) {
    const LCID lcid = static_cast<LCID>(locale.or_else(LOCALE_USER_DEFAULT));
    const int size = GetLocaleInfoA(lcid, static_cast<LCTYPE>(item), nullptr, 0);
    if (size <= 0) return "";
    WorkBuffer text(static_cast<std::uint32_t>(size) + 1);
    if (GetLocaleInfoA(lcid, static_cast<LCTYPE>(item), text.data, size) <= 0) return "";
    return text;
}

constexpr RowSpec kRows[] = {
#include "ui/input_rows.h"
};

}  // namespace

Family InputFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
