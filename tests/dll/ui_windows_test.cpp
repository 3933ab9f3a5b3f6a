// The window functions against the same Windows calls made here, on real
// windows of the test's own (the null graphics driver makes them).
#include "tests/dll/dll_test.h"
#include "tests/dll/ui_driver.h"

namespace tarvo::test {
namespace {

std::int32_t N(const void* p) { return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(p)); }

class WindowTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        ASSERT_NE(host.mainWindow(), nullptr) << "no window can be made: is the graphics driver missing?";
        parent = CreateWindowA("STATIC", "Parent of tests", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        DllTest::TearDown();
    }
    HWND parent = nullptr;
};

TEST_F(WindowTest, OneCallRowsAnswerWhatWindowsAnswers) {
    HWND main = host.mainWindow();
    const struct { const char* name; int index; } longs[] = {
        {"WIN_GETHINSTANCE", -6}, {"WIN_GETEXSTYLE", -20}, {"WIN_GETSTYLE", -16},
        {"WIN_GETWNDPROC", -4},   {"WIN_GETHWNDPARENT", -4}};
    for (const auto& l : longs) {
        // The instance and the window procedure are pointers: in the 64-bit
        // flavour only GetWindowLongPtrA reads them (they fit 32 bits there).
        EXPECT_EQ(Int(l.name, {Value::Int(N(main))}),
                  static_cast<std::int32_t>(GetWindowLongPtrA(main, l.index)))
            << l.name;
        if (l.index == -6 || l.index == -4) EXPECT_NE(Int(l.name, {Value::Int(N(main))}), 0) << l.name;
    }
    // The host's metrics of its main window, by the host's number.
    RECT r{};
    GetWindowRect(main, &r);
    const std::int32_t mainNumber = Int("WIN_MAIN", {});
    const struct { const char* name; LONG value; } metrics[] = {
        {"WIN_TOP", r.top},   {"WIN_BOTTOM", r.bottom},       {"WIN_LEFT", r.left},
        {"WIN_RIGHT", r.right}, {"WIN_HEIGHT", r.bottom - r.top}, {"WIN_WIDTH", r.right - r.left}};
    for (const auto& m : metrics) EXPECT_EQ(Int(m.name, {Value::Int(mainNumber)}), m.value) << m.name;
    EXPECT_EQ(Int("WIN_HWND", {Value::Char("Screen")}), N(main));

    host.windows.forms[7] = {"ORDERS", parent};
    EXPECT_EQ(Int("WIN_HANDLE", {Value::Char("orders")}), 7) << "a host form, known by its name";
}

// The four integers are top, left, bottom, right: the frame's corners show it.
TEST_F(WindowTest, EdgesDrawWhereTheRectangleSays) {
    HDC dc = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 60);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 60, 60};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_TRUE(Logical("WIN_RAISED", {Value::Int(10), Value::Int(20), Value::Int(30), Value::Int(40),
                                       Value::Num(N(dc))}));
    EXPECT_NE(GetPixel(dc, 20, 10), RGB(0, 0, 0)) << "top-left corner (x 20, y 10)";
    EXPECT_NE(GetPixel(dc, 39, 29), RGB(0, 0, 0)) << "bottom-right corner";
    EXPECT_EQ(GetPixel(dc, 15, 10), RGB(0, 0, 0)) << "left of the rectangle";
    EXPECT_EQ(GetPixel(dc, 20, 35), RGB(0, 0, 0)) << "below it";
    EXPECT_EQ(GetPixel(dc, 30, 20), GetSysColor(COLOR_3DFACE)) << "the middle is filled";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(Int("WIN_GETWINDOWDC", {Value::Int(N(parent) + 4000)}), -1);
}

TEST_F(WindowTest, ChildrenOfTheActiveWindow) {
    HWND a = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
    HWND b = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
    ShowWindow(parent, SW_SHOW);
    SetForegroundWindow(parent);
    SetActiveWindow(parent);
    ASSERT_EQ(Int("WIN_GETACTIVEWINDOW", {}), N(parent));
    EXPECT_TRUE(Logical("WIN_ENUMCHILDREN", {}));
    const std::string list = Text("WIN_GETCHILDREN", {});
    const std::string ha = std::to_string(N(a)) + "^", hb = std::to_string(N(b)) + "^";
    EXPECT_TRUE(list == ha + hb || list == hb + ha) << list;  // Windows lists them in Z order
    EXPECT_TRUE(Logical("WIN_ENUMCHILDREN", {}));
    EXPECT_EQ(Text("WIN_GETCHILDREN", {}).size(), list.size()) << "made afresh, not added to";

    // No active window: .F., and the list stays.
    ShowWindow(parent, SW_HIDE);
    SetActiveWindow(nullptr);
    if (GetActiveWindow() == nullptr) {
        EXPECT_FALSE(Logical("WIN_ENUMCHILDREN", {}));
        EXPECT_EQ(Text("WIN_GETCHILDREN", {}), list);
    }
}

TEST_F(WindowTest, RectangleIntoVariables) {
    std::uint32_t v[4];
    for (std::uint32_t& id : v) id = host.NewVariable(Value::Num(-1));
    auto call = [&](std::int32_t hwnd) {
        return host.Call("WIN_GETCLIENTAREA", {run::ByValue(Value::Int(hwnd)), run::ByRef(v[0]), run::ByRef(v[1]),
                                               run::ByRef(v[2]), run::ByRef(v[3])});
    };
    EXPECT_TRUE(call(N(parent)).value().logical);
    RECT r{};
    GetWindowRect(parent, &r);
    const LONG want[] = {r.top, r.left, r.bottom, r.right};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(host.Variable(v[i]).number, want[i]) << i;
    host.Variable(v[0]) = Value::Num(-1);
    EXPECT_FALSE(call(0).value().logical);
    EXPECT_EQ(host.Variable(v[0]).number, -1) << "untouched on failure";
}

TEST_F(WindowTest, MessageBoxLocksAndArrangements) {
    ShowWindow(parent, SW_SHOW);
    SetActiveWindow(parent);
    for (int button : {IDYES, IDNO}) {
        bool seen = false;
        run::Outcome o = WithDriver("#32770", Press(button), &seen, [&] {
            return host.Call("WIN_MSGBOX", {Value::Char("Save?"), Value::Int(MB_YESNO), Value::Char("Report"),
                                            Value::Int(0x040C)});
        });
        EXPECT_TRUE(seen);
        EXPECT_EQ(o.value().integer, button);
    }
    // The host's own dialog answers the default button, its texts left out.
    EXPECT_EQ(Int("WIN_DIALOG", {Value::Int(0)}), 1);

    EXPECT_TRUE(Logical("WIN_LOCK", {Value::Int(N(parent))}));
    EXPECT_FALSE(Logical("WIN_LOCK", {Value::Int(N(parent))})) << "one window at a time";
    EXPECT_TRUE(Logical("WIN_LOCK", {Value::Int(0)}));
    // Wine's TileWindows and CascadeWindows arrange nothing and answer 0.
    EXPECT_EQ(Int("WIN_TILE", {}), 0);
    EXPECT_EQ(Int("WIN_CASCADE", {}), 0);
}

}  // namespace
}  // namespace tarvo::test
