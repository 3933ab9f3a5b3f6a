// Clipboard, serial-port names, dialogs and drawing, with the dialogs
// answered by a driver thread and the drawings read back pixel by pixel.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "runner/imports.h"
#include "tests/dll/dll_test.h"
#include "tests/dll/ui_driver.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

class DeviceTest : public DllTest {};

void PutText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(g), text.c_str(), text.size() + 1);
    GlobalUnlock(g);
    SetClipboardData(CF_TEXT, g);
    CloseClipboard();
}

TEST_F(DeviceTest, ClipboardText) {
    PutText("hello clipboard");
    // Another thread holds the clipboard open: nothing can be read.
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr), done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND own = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        OpenClipboard(own);
        SetEvent(opened);
        WaitForSingleObject(done, 5000);
        CloseClipboard();
        DestroyWindow(own);
    });
    WaitForSingleObject(opened, 5000);
    EXPECT_FALSE(Logical("CLP_ISFORMATAVAILABLE", {Value::Int(CF_TEXT)}));
    EXPECT_EQ(Text("CLP_GETTEXT", {}), "");
    SetEvent(done);
    holder.join();
    CloseHandle(opened);
    CloseHandle(done);

    EXPECT_EQ(Text("CLP_GETTEXT", {}), "hello clipboard");
    EXPECT_EQ(Int("CLP_COUNTFORMATS", {}), CountClipboardFormats());
    EXPECT_TRUE(Logical("CLP_ISFORMATAVAILABLE", {Value::Int(CF_TEXT)}));
    EXPECT_FALSE(Logical("CLP_ISFORMATAVAILABLE", {Value::Int(CF_BITMAP)}));
    const std::string big(1 << 20, 'x');
    PutText(big);
    EXPECT_EQ(Text("CLP_GETTEXT", {}), big);

    // A bitmap only: no text, and the clipboard is left closed.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HDC screen = GetDC(nullptr);
    SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 2, 2));
    ReleaseDC(nullptr, screen);
    CloseClipboard();
    EXPECT_EQ(Text("CLP_GETTEXT", {}), "");
    EXPECT_TRUE(OpenClipboard(nullptr)) << "left closed";
    CloseClipboard();

    EXPECT_TRUE(Logical("CLP_EMPTY", {}));
    EXPECT_EQ(Int("CLP_COUNTFORMATS", {}), 0);
}

TEST_F(DeviceTest, SerialPortNamesCheckWhatTheyAreGiven) {
    EXPECT_FALSE(host.Call("COM_WRITE", {Value::Int(1), Value::Char(std::string(128, 'x')), Value::Int(0)}).hasValue())
        << "128 characters still go (the row example shows 129 refused)";
    EXPECT_FALSE(host.Call("COM_WRITE", {Value::Int(1), Value::Char("ab\0"s + std::string(200, 'x')), Value::Int(0)})
                     .hasValue()) << "counted up to the first zero byte";

    const std::uint32_t text = host.NewVariable(Value::Char("abcd")), number = host.NewVariable(Value::Num(5));
    auto read = [&](run::Arg buffer, std::int32_t count) {
        return host.Call("COM_READ", {run::ByValue(Value::Int(1)), buffer, run::ByValue(Value::Int(count))});
    };
    EXPECT_EQ(read(run::ByRef(number), 1).error, 302);
    EXPECT_EQ(read(run::ByRef(text), 5).error, 903);
    EXPECT_EQ(read(run::ByRef(text, 1), 1).error, 129) << "a field";
    EXPECT_EQ(host.Variable(text).text, "abcd");
    EXPECT_EQ(read(run::ByRef(text), 4).value().integer, 0);
    EXPECT_EQ(host.Variable(text).text, std::string(4, '\0'));
}

// Custom colours a user defines in a cancelled dialog stay for the next: a
// stand-in for ChooseColorA sees what the library hands the next dialog.
using ChooseColorFn = BOOL(WINAPI*)(CHOOSECOLORA*);
ChooseColorFn g_realChooseColor = nullptr;
COLORREF g_firstCustom = 0;
BOOL WINAPI SeeCustomColours(CHOOSECOLORA* cc) {
    g_firstCustom = cc->lpCustColors[0];
    return g_realChooseColor(cc);
}

TEST_F(DeviceTest, DialogsAnswerOkAndCancel) {
    bool seen = false;
    const Value filter = Value::Char("Texts\0*.txt\0"s);
    auto open = [&] {
        return host.Call("DLG_OPEN", {filter, Value::Char("Pick"), Value::Char("C:\\"), Value::Num(0)});
    };
    EXPECT_EQ(WithDriver("#32770", Press(IDCANCEL), &seen, open).value().text, "");
    EXPECT_TRUE(seen);
    // The file name typed into the dialog's name box, then OK.
    auto type = [](HWND dialog) {
        HWND box = GetDlgItem(dialog, 1148);
        if (HWND edit = box ? FindWindowExA(box, nullptr, "Edit", nullptr) : nullptr) box = edit;
        SetWindowTextA(box, "chosen.txt");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    const std::string chosen = WithDriver("#32770", type, &seen, open).value().text;
    EXPECT_NE(chosen.find("chosen.txt"), std::string::npos) << chosen;

    {
        run::ImportPatch see(host.module(), "COMDLG32.dll", "ChooseColorA", reinterpret_cast<void*>(&SeeCustomColours));
        ASSERT_TRUE(see.active());
        g_realChooseColor = reinterpret_cast<ChooseColorFn>(see.original());
        auto color = [&] {
            return host.Call("DLG_COLOR", {Value::Num(0x00AA55), Value::Num(CC_RGBINIT | CC_FULLOPEN)});
        };
        auto addThenCancel = [](HWND dialog) {
            SendMessageA(dialog, WM_COMMAND, 712, 0);  // "Add to Custom Colours"
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        };
        EXPECT_EQ(WithDriver("#32770", addThenCancel, &seen, color).value().integer, -1);
        EXPECT_EQ(g_firstCustom, RGB(255, 255, 255)) << "white at load";
        EXPECT_EQ(WithDriver("#32770", Press(IDOK), &seen, color).value().integer, 0x00AA55);
        EXPECT_EQ(g_firstCustom, 0x00AA55u) << "kept from the cancelled dialog";
    }

    auto font = [&] { return host.Call("DLG_FONT", {Value::Num(0), Value::Int(0), Value::Int(0), Value::Num(CF_SCREENFONTS)}); };
    EXPECT_EQ(WithDriver("#32770", Press(IDCANCEL), &seen, font).value().text, "");
    const std::string face = WithDriver("#32770", Press(IDOK), &seen, font).value().text;
    EXPECT_EQ(std::count(face.begin(), face.end(), ','), 2) << face;

    // The find dialog stays open after the call; one at a time.
    host.Call("DLG_FIND", {Value::Char("needle")});
    HWND first = FindWindowA("#32770", nullptr);
    ASSERT_NE(first, nullptr);
    host.Call("DLG_FIND", {Value::Char("other")});
    EXPECT_FALSE(IsWindow(first)) << "closed by the next";
    HWND second = FindWindowA("#32770", nullptr);
    EXPECT_NE(second, nullptr);
    DestroyWindow(second);
}

// The drawing and screen rows give back every device context and GDI
// object they take: stand-ins for the Windows calls count what the library
// takes and gives back. (Wine's GetGuiResources always answers 0, so the
// process's own counts cannot tell.)
int g_taken = 0, g_given = 0;
std::vector<run::Arg> Ints(std::initializer_list<int> values) {
    std::vector<run::Arg> args;
    for (int v : values) args.push_back(run::ByValue(Value::Int(v)));
    return args;
}
void* g_real[8] = {};
template <int Index, bool Takes, typename R, typename... A>
R WINAPI Counted(A... a) {
    const R r = reinterpret_cast<R(WINAPI*)(A...)>(g_real[Index])(a...);
    (Takes ? g_taken : g_given) += r != R{};
    return r;
}

TEST_F(DeviceTest, DrawingOnTheActiveWindowGivesBackWhatItTakes) {
    const struct { const char *dll, *name; void* stand; } calls[] = {
        {"USER32.dll", "GetDC", reinterpret_cast<void*>(&Counted<0, true, HDC, HWND>)},
        {"USER32.dll", "ReleaseDC", reinterpret_cast<void*>(&Counted<1, false, int, HWND, HDC>)},
        {"GDI32.dll", "CreatePen", reinterpret_cast<void*>(&Counted<2, true, HPEN, int, int, COLORREF>)},
        {"GDI32.dll", "DeleteObject", reinterpret_cast<void*>(&Counted<3, false, BOOL, HGDIOBJ>)},
        {"GDI32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(&Counted<4, true, HDC, HDC>)},
        {"GDI32.dll", "DeleteDC", reinterpret_cast<void*>(&Counted<5, false, BOOL, HDC>)},
        {"GDI32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(&Counted<6, true, HBITMAP, HDC, int, int>)},
        {"GDI32.dll", "CreateDCA",
         reinterpret_cast<void*>(&Counted<7, true, HDC, LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*>)},
    };
    for (int i = 0; i < 8; ++i) {
        g_real[i] = run::PatchImport(host.module(), calls[i].dll, calls[i].name, calls[i].stand);
        ASSERT_NE(g_real[i], nullptr) << calls[i].name;
    }
    HWND w = CreateWindowA("STATIC", "canvas", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr,
                           nullptr, nullptr);
    SetForegroundWindow(w);
    SetActiveWindow(w);
    ASSERT_EQ(GetActiveWindow(), w);
    HDC dc = GetDC(w);
    RECT all{0, 0, 200, 150};
    const COLORREF back = RGB(50, 50, 50);
    HBRUSH backBrush = CreateSolidBrush(back);
    FillRect(dc, &all, backBrush);
    DeleteObject(backBrush);

    EXPECT_EQ(host.Call("GRA_CARVE", Ints({10, 20, 40, 80})).value().integer, 0);
    EXPECT_EQ(GetPixel(dc, 50, 10), RGB(128, 128, 128)) << "grey top edge at row 10";
    EXPECT_EQ(GetPixel(dc, 50, 11), RGB(255, 255, 255)) << "white one lower";
    EXPECT_EQ(GetPixel(dc, 20, 25), RGB(128, 128, 128)) << "grey left edge at column 20";
    EXPECT_EQ(GetPixel(dc, 50, 25), back) << "nothing inside";

    host.Call("GRA_LINE", Ints({100, 10, 100, 60, PS_SOLID, 1, 255, 0, 0}));
    EXPECT_EQ(GetPixel(dc, 30, 100), RGB(255, 0, 0)) << "a red line along row 100";
    EXPECT_EQ(GetPixel(dc, 30, 101), back);
    host.Call("GRA_RECTAN", Ints({100, 20, 150, 60}));
    EXPECT_EQ(GetPixel(dc, 100, 40), RGB(0, 0, 0)) << "the rectangle's left edge at column 100";
    EXPECT_EQ(GetPixel(dc, 120, 40), RGB(255, 255, 255)) << "its inside";
    host.Call("GRA_CIRCLE", Ints({130, 5, 170, 45}));
    EXPECT_EQ(GetPixel(dc, 150, 25), RGB(255, 255, 255)) << "inside the ellipse, filled";
    EXPECT_EQ(GetPixel(dc, 131, 6), back) << "outside it, in the corner";
    ReleaseDC(w, dc);

    // A pen Windows may refuse; then everything again with no active window: the screen.
    host.Call("GRA_LINE", Ints({10, 10, 40, 80, 99, -5, 1, 2, 3}));
    SetActiveWindow(nullptr);
    for (const char* shape : {"GRA_CARVE", "GRA_RECTAN", "GRA_CIRCLE"}) host.Call(shape, Ints({10, 10, 40, 80}));
    host.Call("GRA_LINE", Ints({10, 10, 40, 80, 0, 3, 1, 2, 3}));
    host.Call("SCR_COLORS", {});
    host.Call("SCR_COLORDEPTH", {});
    EXPECT_GT(g_taken, 10);
    EXPECT_EQ(g_given, g_taken);
    for (int i = 0; i < 8; ++i) run::PatchImport(host.module(), calls[i].dll, calls[i].name, g_real[i]);
    DestroyWindow(w);
}

}  // namespace
}  // namespace tarvo::test
