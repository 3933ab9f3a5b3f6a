// Menus built from menu list texts (hostdata/menus.h) and the one object
// function. The popups are modal: TrackPopupMenu runs its own message loop
// until a choice is made or the menu is dismissed.
#include <windows.h>

#include "host/declare.h"
#include "hostdata/menus.h"

namespace tarvo {
namespace {

constexpr UINT kTarvoFormId = 500000;

HWND Hwnd(Window w) { return FromAddr<HWND__>(w.hwnd); }

// A popup menu destroyed on every way out.
struct PopupMenu {
    HMENU menu = CreatePopupMenu();
    ~PopupMenu() { if (menu) DestroyMenu(menu); }
};

void Append(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.separator) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(static_cast<UINT>(item.id)), item.text.c_str());
    }
}

std::int32_t MnuCreate(std::string_view list) {
    std::int32_t point[2] = {0, 0};
    GetMousePosition(point, 0);
    const HWND owner = FromAddr<HWND__>(HostMainWindow());
    PopupMenu popup;
    if (!popup.menu) return 0;
    Append(popup.menu, PopupItems(list));
    return TrackPopupMenu(popup.menu, TPM_RETURNCMD | TPM_NONOTIFY, point[0], point[1], 0, owner,
                          nullptr);
}

void MnuTarvoForm(FormWindow form) {
    if (HMENU system = GetSystemMenu(Hwnd(form), FALSE)) {
        AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(system, MF_STRING, kTarvoFormId, "TARVO.FLL form");
    }
}

void MnuAddSystem(FormWindow form, std::string_view list) {
    const HWND hwnd = Hwnd(form);
    HMENU system = GetSystemMenu(hwnd, FALSE);
    if (!system) return;
    Append(system, SystemItems(list));
    SetMenu(hwnd, system);
    DrawMenuBar(hwnd);
}

std::int32_t MnuPlaySystem(FormWindow form) {
    const HWND hwnd = Hwnd(form);
    HMENU system = GetSystemMenu(hwnd, FALSE);
    POINT corner{0, 0};
    if (!system || !ClientToScreen(hwnd, &corner)) return 0;
    return TrackPopupMenu(system, TPM_RETURNCMD, corner.x, corner.y, 0, hwnd, nullptr);
}

bool ObjAddProperty(ObjectRecord object, const char* name, AnyRecord value) {
    return SetObjectProperty(object.value, name, value.value, 1) == 0;
}

constexpr RowSpec kRows[] = {
#include "hostdata/menus_rows.h"
};

}  // namespace

Family MenuFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
