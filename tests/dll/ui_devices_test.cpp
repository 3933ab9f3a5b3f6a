// Clipboard, serial-port names, dialogs and drawing, with the dialogs
// answered by a driver thread and the drawings read back pixel by pixel.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <thread>

#include "runner/imports.h"
#include "tests/dll/dll_test.h"
#include "tests/dll/ui_driver.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

class DeviceTest : public DllTest {
protected:
    void PutText(const std::string& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(GlobalLock(g), text.c_str(), text.size() + 1);
        GlobalUnlock(g);
        SetClipboardData(CF_TEXT, g);
        CloseClipboard();
    }
};

TEST_F(DeviceTest, ClipboardText) {
    PutText("hello clipboard");
    EXPECT_EQ(Text("CLP_GETTEXT", {}), "hello clipboard");
    EXPECT_EQ(Int("CLP_COUNTFORMATS", {}), CountClipboardFormats());
    EXPECT_TRUE(Logical("CLP_ISFORMATAVAILABLE", {Value::Int(CF_TEXT)}));
    EXPECT_TRUE(Logical("CLP_ISFORMATAVAILABLE", {Value::Int(CF_OEMTEXT)}));
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

// Another thread holds the clipboard open: nothing can be read.
TEST_F(DeviceTest, ClipboardHeldElsewhere) {
    PutText("held");
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
    EXPECT_EQ(Text("CLP_GETTEXT", {}), "held");
}

TEST_F(DeviceTest, SerialPortNamesCheckWhatTheyAreGiven) {
    EXPECT_EQ(Int("COM_DCB", {Value::Char("COM1:9600,n,8,1")}), 1);
    EXPECT_EQ(Int("COM_DCB", {Value::Char("parity=X")}), 0);
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

    auto color = [&] { return host.Call("DLG_COLOR", {Value::Num(0x123456), Value::Num(CC_RGBINIT)}); };
    EXPECT_EQ(WithDriver("#32770", Press(IDCANCEL), &seen, color).value().integer, -1);
    EXPECT_EQ(WithDriver("#32770", Press(IDOK), &seen, color).value().integer, 0x123456);

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

// Custom colours a user defines in a cancelled dialog stay for the next: a
// stand-in for ChooseColorA sees what the library hands the next dialog.
using ChooseColorFn = BOOL(WINAPI*)(CHOOSECOLORA*);
ChooseColorFn g_realChooseColor = nullptr;
COLORREF g_firstCustom = 0;
BOOL WINAPI SeeCustomColours(CHOOSECOLORA* cc) {
    g_firstCustom = cc->lpCustColors[0];
    return g_realChooseColor(cc);
}

TEST_F(DeviceTest, CustomColoursStay) {
    g_realChooseColor = reinterpret_cast<ChooseColorFn>(run::PatchImport(
        host.module(), "COMDLG32.dll", "ChooseColorA", reinterpret_cast<void*>(&SeeCustomColours)));
    ASSERT_NE(g_realChooseColor, nullptr);
    bool seen = false;
    auto color = [&] {
        return host.Call("DLG_COLOR", {Value::Num(0x00AA55), Value::Num(CC_RGBINIT | CC_FULLOPEN)});
    };
    auto addThenCancel = [](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, 712, 0);  // "Add to Custom Colours"
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(WithDriver("#32770", addThenCancel, &seen, color).value().integer, -1);
    EXPECT_EQ(g_firstCustom, RGB(255, 255, 255)) << "white at load";
    EXPECT_EQ(WithDriver("#32770", Press(IDCANCEL), &seen, color).value().integer, -1);
    EXPECT_EQ(g_firstCustom, 0x00AA55u) << "kept from the cancelled dialog";
    run::PatchImport(host.module(), "COMDLG32.dll", "ChooseColorA", reinterpret_cast<void*>(g_realChooseColor));
}

TEST_F(DeviceTest, DrawingOnTheActiveWindow) {
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

    EXPECT_EQ(Int("GRA_CARVE", {Value::Int(10), Value::Int(20), Value::Int(40), Value::Int(80)}), 0);
    EXPECT_EQ(GetPixel(dc, 50, 10), RGB(128, 128, 128)) << "grey top edge at row 10";
    EXPECT_EQ(GetPixel(dc, 50, 11), RGB(255, 255, 255)) << "white one lower";
    EXPECT_EQ(GetPixel(dc, 20, 25), RGB(128, 128, 128)) << "grey left edge at column 20";
    EXPECT_EQ(GetPixel(dc, 50, 25), back) << "nothing inside";

    host.Call("GRA_LINE", {Value::Int(100), Value::Int(10), Value::Int(100), Value::Int(60), Value::Int(PS_SOLID),
                           Value::Int(1), Value::Int(255), Value::Int(0), Value::Int(0)});
    EXPECT_EQ(GetPixel(dc, 30, 100), RGB(255, 0, 0)) << "a red line along row 100";
    EXPECT_EQ(GetPixel(dc, 30, 101), back);
    host.Call("GRA_RECTAN", {Value::Int(100), Value::Int(20), Value::Int(150), Value::Int(60)});
    EXPECT_EQ(GetPixel(dc, 100, 40), RGB(0, 0, 0)) << "the rectangle's left edge at column 100";
    EXPECT_EQ(GetPixel(dc, 120, 40), RGB(255, 255, 255)) << "its inside";
    host.Call("GRA_CIRCLE", {Value::Int(130), Value::Int(5), Value::Int(170), Value::Int(45)});
    EXPECT_EQ(GetPixel(dc, 150, 25), RGB(255, 255, 255)) << "inside the ellipse, filled";
    EXPECT_EQ(GetPixel(dc, 131, 6), back) << "outside it, in the corner";
    ReleaseDC(w, dc);
    DestroyWindow(w);
}

}  // namespace
}  // namespace tarvo::test
