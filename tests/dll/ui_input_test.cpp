// Keyboard, mouse, screen and locale rows against the Windows calls made
// here, with input injected in this process and read back.
#include <tuple>

#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

class InputTest : public DllTest {};

void Key(BYTE key, bool down) { keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), down ? 0 : KEYEVENTF_KEYUP, 0); }

TEST_F(InputTest, KeysDownAndToggles) {
    BYTE saved[256], state[256];
    GetKeyboardState(saved);
    const struct { const char* name; int key; } keys[] = {
        {"KEY_ISSHIFT", VK_SHIFT}, {"KBD_ISLSHIFT", VK_LSHIFT},  {"ISRSHIFT", VK_RSHIFT},
        {"KEY_ISCTRL", VK_CONTROL}, {"KBD_ISLCTRL", VK_LCONTROL}, {"ISRCTRL", VK_RCONTROL},
        {"KEY_ISALT", VK_MENU},     {"KEY_ISLALT", VK_LMENU},     {"ISRALT", VK_RMENU}};
    for (const auto& k : keys) {
        for (bool down : {true, false}) {
            GetKeyboardState(state);
            state[k.key] = down ? 0x80 : 0;
            SetKeyboardState(state);
            EXPECT_EQ(Logical(k.name, {}), down) << k.name;
        }
    }
    // Keys pressed through the system's input. (Wine's keybd_event makes
    // every Shift the left one, so the right-hand keys are set above.)
    Key(VK_SHIFT, true);
    EXPECT_TRUE(Logical("ISSHIFT", {}));
    EXPECT_TRUE(Logical("KEY_ISLSHIFT", {}));
    Key(VK_SHIFT, false);
    EXPECT_FALSE(Logical("ISSHIFT", {}));
    Key('A', true);
    EXPECT_TRUE(Logical("KEY_GETASYNCKEYSTATE", {Value::Int('A')}));
    Key('A', false);
    EXPECT_FALSE(Logical("KEY_GETASYNCKEYSTATE", {Value::Int('A')}));

    const struct { const char *is, *set; int key; bool inverted; } toggles[] = {
        {"KEY_ISINS", "KEY_SETINS", VK_INSERT, true},   {"KEY_ISSCRL", "KEY_SETSCR", VK_SCROLL, false},
        {"KEY_ISNUM", "KEY_SETNUM", VK_NUMLOCK, false}, {"KEY_ISCAPS", "KEY_SETCAP", VK_CAPITAL, false}};
    for (const auto& t : toggles) {
        for (bool on : {true, false}) {
            EXPECT_TRUE(Logical(t.set, {Value::Logical(on)})) << t.set;
            EXPECT_EQ(Logical(t.is, {}), on) << t.is;
            GetKeyboardState(state);
            EXPECT_EQ(state[t.key], (on != t.inverted) ? 1 : 0) << t.set;
        }
    }
    SetKeyboardState(saved);
}

TEST_F(InputTest, ScreenAndLocaleAnswerWhatWindowsAnswers) {
    const struct { const char* name; int metric; } metrics[] = {
        {"SCR_COLS", 0}, {"SCR_ROWS", 1}, {"SYS_MINIMUMDRAGWIDTH", 34}, {"SCR_MINIMUMDRAGHEIGHT", 35},
        {"SCR_BITMAPWIDTH", 30}, {"SYS_BITMAPHEIGHT", 31}};
    for (const auto& m : metrics) EXPECT_EQ(Int(m.name, {}), GetSystemMetrics(m.metric)) << m.name;
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(Int("SCR_COLORS", {}), GetDeviceCaps(screen, NUMCOLORS));
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    if (bits == 32) EXPECT_EQ(Int("SCR_COLORDEPTH", {}), 0) << "2 to the 32nd does not fit";
    if (bits == 24) EXPECT_EQ(Int("SCR_COLORDEPTH", {}), 16777216);

    EXPECT_EQ(Int("LOC_GETUSERPRIMARYLANGUAGE", {}), GetUserDefaultLangID() & 0x3FF);
    EXPECT_EQ(Int("KEY_CODEPAGE", {}), static_cast<int>(GetOEMCP()));
    for (int which = 0; which <= 2; ++which)
        EXPECT_EQ(Int("KEY_TYPE", {Value::Int(which)}), GetKeyboardType(which)) << which;
}

TEST_F(InputTest, MouseButtonsPointerAndClipping) {
    const struct { const char *down, *up; int button; } buttons[] = {
        {"MOU_LEFTDOWN", "MOU_LEFTUP", VK_LBUTTON}, {"MOU_RIGHTDOWN", "MOU_RIGHTUP", VK_RBUTTON},
        {"MOU_MIDDLEDOWN", "MOU_MIDDLEUP", VK_MBUTTON}};
    for (const auto& b : buttons) {
        host.Call(b.down, {});
        EXPECT_NE(GetAsyncKeyState(b.button) & 0x8000, 0) << b.down;
        host.Call(b.up, {});
        EXPECT_EQ(GetAsyncKeyState(b.button) & 0x8000, 0) << b.up;
    }
    host.Call("MOU_MOVE", {Value::Int(100), Value::Int(50)});
    POINT p{};
    GetCursorPos(&p);
    EXPECT_NEAR(p.x, 100, 1);
    EXPECT_NEAR(p.y, 50, 1);
    SetCursorPos(123, 77);
    EXPECT_EQ(Int("MOU_X", {}), 123) << "through the host's GetMousePosition";
    EXPECT_EQ(Int("MOU_Y", {}), 77);

    // The null graphics driver enforces the clipping (an X server's may not).
    host.Call("MOU_CLIPCURSOR", {Value::Int(50), Value::Int(100), Value::Int(150), Value::Int(200)});
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_EQ(std::tie(clip.left, clip.top, clip.right, clip.bottom), std::make_tuple(100L, 50L, 200L, 150L));
    host.Call("MOU_FREECLIPCURSOR", {});
    GetClipCursor(&clip);
    EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

// Wine refuses port instructions and the DOS mouse interrupt as Windows NT
// does; the refusal is caught and the calls answer as if they had run.
TEST_F(InputTest, HardwareRefusedWithoutHarm) {
    for (const char* name : {"KEY_FAST", "KEY_SLOW", "KEY_NORM"}) EXPECT_TRUE(Logical(name, {})) << name;
    for (const char* name : {"MOU_SETHOR", "MOU_SETVER"}) {
        run::Outcome o = host.Call(name, {Value::Int(0), Value::Int(639)});
        EXPECT_EQ(o.error, 0) << name;
        EXPECT_FALSE(o.hasValue()) << name;
    }
}

}  // namespace
}  // namespace tarvo::test
