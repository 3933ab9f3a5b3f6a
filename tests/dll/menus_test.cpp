// Menus on real windows: the modal popups are driven by a thread that plays
// the user (keys posted to the popup window, class "#32768").
#include <thread>

#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

// Waits for the popup menu, sends it `keys` and waits until it is gone.
// Answers whether a popup appeared.
bool DriveMenu(std::initializer_list<WPARAM> keys) {
    HWND popup = nullptr;
    for (int i = 0; i < 300 && !popup; ++i) {
        popup = FindWindowA("#32768", nullptr);
        if (!popup || !IsWindowVisible(popup)) popup = nullptr, Sleep(10);
    }
    if (!popup) return false;
    for (WPARAM key : keys) PostMessageA(popup, WM_KEYDOWN, key, 0);
    for (int i = 0; i < 100 && IsWindowVisible(popup); ++i) Sleep(10);
    if (IsWindowVisible(popup)) EndMenu();  // never leave the test hanging
    return true;
}

class MenuTest : public DllTest {
protected:
    // Calls `name` while a driver thread answers its popup with `keys`.
    run::Outcome Chosen(const std::string& name, const std::string& text,
                        std::initializer_list<WPARAM> keys, bool* shown) {
        std::thread driver([&] { *shown = DriveMenu(keys); });
        run::Outcome o = host.Call(name, {Value::Char(text)});
        driver.join();
        return o;
    }
    // A call that answers nothing of its own.
    void Act(const std::string& name, std::initializer_list<Value> args) {
        run::Outcome o = host.Call(name, args);
        EXPECT_EQ(o.error, 0) << name << ": " << o.message;
        EXPECT_FALSE(o.hasValue()) << name;
    }
    HMENU SystemMenu() { return GetSystemMenu(host.mainWindow(), FALSE); }
    std::string ItemText(HMENU menu, UINT id) {
        char text[64] = "";
        GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
};

TEST_F(MenuTest, PopupAnswersTheEntryChosen) {
    bool shown = false;
    run::Outcome o = Chosen("MNU_CREATE", "Open^\\-^Close", {VK_DOWN, VK_DOWN, VK_RETURN}, &shown);
    EXPECT_TRUE(shown);
    EXPECT_EQ(o.value().integer, 2) << "the separator takes no number";
    o = Chosen("MNU_CREATE", "Open^\\-^Close", {VK_ESCAPE}, &shown);
    EXPECT_EQ(o.value().integer, 0) << "dismissed";
    EXPECT_EQ(Int("MNU_CREATE", {Value::Char("")}), 0) << "no entries: at once";
    EXPECT_EQ(Int("MNU_CREATE", {Value::Char("^^")}), 0) << "only empty items";

    // A long list, ending in a separator: the last entry is still chosen by
    // its number.
    std::string list;
    for (int i = 1; i <= 3000; ++i) list += "Entry " + std::to_string(i) + "^";
    o = Chosen("MNU_CREATE", list + "\\-", {VK_UP, VK_RETURN}, &shown);
    EXPECT_TRUE(shown);
    EXPECT_EQ(o.value().integer, 3000);
}

TEST_F(MenuTest, SystemMenuOfAForm) {
    const int before = GetMenuItemCount(SystemMenu());
    Act("MNU_TARVOFORM", {Value::Char("Screen")});
    EXPECT_EQ(GetMenuItemCount(SystemMenu()), before + 2);
    EXPECT_EQ(ItemText(SystemMenu(), 500000), "TARVO.FLL form");

    // The system menu pops up at the form and answers the identifier chosen.
    bool shown = false;
    run::Outcome o = Chosen("MNU_PLAYSYSTEM", "screen", {VK_UP, VK_RETURN}, &shown);
    EXPECT_TRUE(shown);
    EXPECT_EQ(o.value().integer, 500000) << "the last entry";

    // A form the host does not know changes nothing and answers 0.
    Act("MNU_ADDSYSTEM", {Value::Char("nosuch"), Value::Char("Print^101")});
    EXPECT_EQ(GetMenuItemCount(SystemMenu()), before + 2);
    EXPECT_EQ(Int("MNU_PLAYSYSTEM", {Value::Char("nosuch")}), 0);

    // Additions become the form's menu bar; the last text without an
    // identifier is left out.
    Act("MNU_ADDSYSTEM", {Value::Char("screen"), Value::Char("Print^101^\\-^Close^102^Lost")});
    EXPECT_EQ(GetMenuItemCount(SystemMenu()), before + 5);
    EXPECT_EQ(ItemText(SystemMenu(), 101), "Print");
    EXPECT_EQ(GetMenu(host.mainWindow()), SystemMenu());

    // A long list of additions.
    std::string list;
    for (int i = 1; i <= 2000; ++i) list += "Item^" + std::to_string(1000 + i) + "^";
    Act("MNU_ADDSYSTEM", {Value::Char("screen"), Value::Char(list)});
    EXPECT_EQ(GetMenuItemCount(SystemMenu()), before + 5 + 2000);
    EXPECT_EQ(ItemText(SystemMenu(), 3000), "Item");
}

}  // namespace
}  // namespace tarvo::test
