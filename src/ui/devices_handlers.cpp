// The clipboard, the serial-port names, the common dialogs and drawing on
// the active window. Dialogs and the clipboard belong to the host's main
// window; N parameters are read from their values' integer fields.
#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <optional>
#include <string>

#include "host/companion.h"
#include "host/dispatch.h"
#include "host/declare.h"
#include "ui/custom_colors.h"

namespace tarvo {
namespace {

HWND MainWindow() { return FromAddr<HWND__>(HostMainWindow()); }

// --- clipboard ----------------------------------------------------------------------

// The clipboard, open for as long as this lives (when Windows opened it).
struct OpenClipboardOf {
    bool open;
    explicit OpenClipboardOf(HWND owner) : open(OpenClipboard(owner) != 0) {}
    ~OpenClipboardOf() {
        if (open) CloseClipboard();
    }
};

std::int32_t ClpCountFormats() { return CountClipboardFormats(); }

bool ClpIsFormatAvailable(std::int32_t format) {
    OpenClipboardOf clipboard(MainWindow());
    return clipboard.open && IsClipboardFormatAvailable(static_cast<UINT>(format));
}

std::string ClpGetText() {
    OpenClipboardOf clipboard(MainWindow());
    if (!clipboard.open || (!IsClipboardFormatAvailable(CF_TEXT) && !IsClipboardFormatAvailable(CF_OEMTEXT)))
        return "";
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!text) return "";
    const std::size_t length = strnlen(text, GlobalSize(data));
    std::string copy = length <= kMaxTextLength ? std::string(text, length) : std::string();
    GlobalUnlock(data);
    return copy;
}

bool ClpEmpty() { return EmptyClipboardOf(HostMainWindow()) != 0; }

// --- serial ports -------------------------------------------------------------------

DCB g_serialSettings{};

std::int32_t ComDcb(const char* settings) {
    g_serialSettings.DCBlength = sizeof g_serialSettings;
    return BuildCommDCBA(settings, &g_serialSettings);
}

std::int32_t ComOpen(Unread<'C'>, Unread<'I'>, Unread<'I'>) { return 0; }

std::optional<std::int32_t> ComWrite(Unread<'I'>, const char* text, Unread<'I'>) {
    if (std::strlen(text) >= 129) return -1;
    return std::nullopt;
}

std::int32_t ComRead(Unread<'I'>, Ref variable, std::int32_t count) {
    if (variable.IsField()) RaiseError(kErrFieldNotVariable);
    LoadedVariable loaded(variable);
    ValueRecord& value = loaded.value;
    if (value.type != 'C') RaiseError(kErrNotCharacter302);
    if (count > value.length) RaiseError(kErrVariableTooShort);
    if (value.length > 0)
        if (char* text = HandleToPointer(value.handle)) std::memset(text, 0, static_cast<std::size_t>(value.length));
    variable.Store(value);
    return 0;
}

// --- dialogs ----------------------------------------------------------------------------

std::string DlgOpen(std::string_view filter, const char* title, const char* folder, NumInt flags) {
    // The filter's pairs are separated by zero bytes and end with two.
    const std::string filters = std::string(filter) + std::string(2, '\0');
    std::string file(8192, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = MainWindow();
    ofn.hInstance = LibraryInstance();
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder;
    ofn.lpstrTitle = title;
    ofn.Flags = static_cast<DWORD>(flags.value);
    if (!GetOpenFileNameA(&ofn)) return "";
    return file.c_str();
}

std::int32_t DlgColor(NumInt initial, NumInt flags) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = MainWindow();
    cc.rgbResult = static_cast<COLORREF>(initial.value);
    cc.lpCustColors = reinterpret_cast<COLORREF*>(CustomColors());
    cc.Flags = static_cast<DWORD>(flags.value);
    return ChooseColorA(&cc) == TRUE ? static_cast<std::int32_t>(cc.rgbResult) : -1;
}

std::string DlgFont(NumInt color, std::int32_t smallest, std::int32_t largest, NumInt flags) {
    LOGFONTA font{};
    char style[20] = "";
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = MainWindow();
    cf.lpLogFont = &font;
    cf.Flags = static_cast<DWORD>(flags.value);
    cf.rgbColors = static_cast<COLORREF>(color.value);
    cf.nFontType = SCREEN_FONTTYPE;
    cf.lpszStyle = style;
    if (smallest != 0) cf.nSizeMin = smallest;
    if (largest != 0) cf.nSizeMax = largest;
    if (ChooseFontA(&cf) != TRUE) return "";
    style[sizeof style - 1] = '\0';
    return std::string(font.lfFaceName) + "," + std::to_string(cf.iPointSize / 10) + "," + style;
}

// The find dialog is modeless: what it shows must outlive the call. One
// stays open at a time; a new call closes the one before.
struct FindDialog {
    FINDREPLACEA request{};
    std::string text;
    HWND window = nullptr;
};
FindDialog& Find() {
    static FindDialog find;
    return find;
}

void DlgFind(std::string_view what) {
    FindDialog& find = Find();
    if (find.window && IsWindow(find.window)) DestroyWindow(find.window);
    find.window = nullptr;
    find.text.assign(what);
    find.text.push_back('\0');
    find.request = FINDREPLACEA{};
    find.request.lStructSize = sizeof find.request;
    find.request.hwndOwner = MainWindow();
    find.request.lpstrFindWhat = find.text.data();
    find.request.wFindWhatLen = static_cast<WORD>(what.size() < 0xFFFF ? what.size() : 0xFFFF);
    find.window = FindTextA(&find.request);
}

// --- drawing ------------------------------------------------------------------------------

// The device context of the active window, released when this goes.
struct ActiveDc {
    HWND window = GetActiveWindow();
    HDC dc = GetDC(window);
    ~ActiveDc() {
        if (dc) ReleaseDC(window, dc);
    }
};

void GraRectan(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    ActiveDc active;
    if (active.dc) Rectangle(active.dc, left, top, right, bottom);
}

void GraCircle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    ActiveDc active;
    if (active.dc) Ellipse(active.dc, left, top, right, bottom);
}

// A pen selected into a device context for as long as this lives.
struct SelectedPen {
    HDC dc;
    HPEN pen;
    HGDIOBJ before = nullptr;
    SelectedPen(HDC d, int style, int width, COLORREF color) : dc(d), pen(CreatePen(style, width, color)) {
        if (pen) before = SelectObject(dc, pen);
    }
    ~SelectedPen() {
        if (before) SelectObject(dc, before);
        if (pen) DeleteObject(pen);
    }
};

void GraLine(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right, std::int32_t style,
             std::int32_t width, std::int32_t red, std::int32_t green, std::int32_t blue) {
    ActiveDc active;
    if (!active.dc) return;
    SelectedPen pen(active.dc, style, width, RGB(red, green, blue));
    MoveToEx(active.dc, left, top, nullptr);
    LineTo(active.dc, right, bottom);
}

std::int32_t GraCarve(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right) {
    ActiveDc active;
    if (!active.dc) return -1;
    const COLORREF colors[2] = {RGB(128, 128, 128), RGB(255, 255, 255)};
    for (int offset = 0; offset < 2; ++offset) {
        SelectedPen pen(active.dc, PS_SOLID, 0, colors[offset]);
        if (!pen.pen) return -2;
        if (!pen.before) return -5;
        const int t = top + offset, l = left + offset, b = bottom + offset, r = right + offset;
        if (!MoveToEx(active.dc, l, t, nullptr)) return -4;
        const POINT path[4] = {{r, t}, {r, b}, {l, b}, {l, t}};
        for (const POINT& p : path)
            if (!LineTo(active.dc, p.x, p.y)) return -3;
    }
    return 0;
}

constexpr RowSpec kRows[] = {
#include "ui/devices_rows.h"
};

}  // namespace

Family DeviceFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
