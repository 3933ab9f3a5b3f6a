// The editor group: EditorOpenFile (95), EditorPosition (96), EditorInsert
// (99), EditorSendKey (100), EditorSelect (103), EditorAction (104),
// EditorGroupUndo (105), EditorEnvironment (108), EditorPositionInView
// (109), EditorCloseFile (110) and EditorSave (111).
#include "runner/services/editors.h"

#include <cstdio>
#include <cstring>

#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

constexpr char kEditorClass[] = "TarvoEditor";

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE) {
        if (HWND edit = GetWindow(hwnd, GW_CHILD)) MoveWindow(edit, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    }
    if (msg == WM_CLOSE) {  // closing from the window itself: the program closes it
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool ReadFile(const std::string& path, std::string* text) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text->append(buffer, n);
    std::fclose(f);
    return true;
}

std::string TextOf(HWND edit) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

HostEditor::Snapshot Take(const HostEditor& e) {
    HostEditor::Snapshot s{TextOf(e.edit)};
    SendMessageA(e.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
    return s;
}

void Restore(HostEditor& e, const HostEditor::Snapshot& s) {
    SetWindowTextA(e.edit, s.text.c_str());
    SendMessageA(e.edit, EM_SETSEL, s.start, s.end);
    SendMessageA(e.edit, EM_SETMODIFY, TRUE, 0);
}

// Before a change: what undo goes back to (once for a whole group).
void BeforeChange(HostEditor& e) {
    e.redo.clear();
    if (e.grouping && e.groupTaken) return;
    e.undo.push_back(Take(e));
    e.groupTaken = e.grouping;
}

void ApplyFont(HostEditor& e) {
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH,
                             e.fontName.c_str());
    if (!font) return;
    SendMessageA(e.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (e.font) DeleteObject(e.font);
    e.font = font;
}

void Close(HostEditor& e) {
    DestroyWindow(e.frame);
    if (e.font) DeleteObject(e.font);
}

// The text the line at the cursor starts with, up to its first non-blank.
std::string IndentOfCurrentLine(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const LRESULT line = SendMessageA(edit, EM_LINEFROMCHAR, end, 0);
    char buffer[1024] = {};
    *reinterpret_cast<WORD*>(buffer) = sizeof buffer - 1;
    const LRESULT n = SendMessageA(edit, EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer));
    std::string indent;
    for (LRESULT i = 0; i < n && (buffer[i] == ' ' || buffer[i] == '\t'); ++i) indent += buffer[i];
    return indent;
}

std::int32_t Answer(LRESULT r) { return static_cast<std::int32_t>(r); }

}  // namespace

std::int32_t OpenEditor(Host& host, const std::string& file) {
    char full[MAX_PATH];
    if (!GetFullPathNameA(file.c_str(), MAX_PATH, full, nullptr)) return 0;
    std::string text;
    if (!ReadFile(full, &text)) return 0;
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kEditorClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    HostEditor e;
    e.path = full;
    e.frame = CreateWindowA(kEditorClass, full, WS_OVERLAPPEDWINDOW, 40, 40, 640, 400, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!e.frame) return 0;
    RECT client{};
    GetClientRect(e.frame, &client);
    e.edit = CreateWindowA("EDIT", "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                               ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                           0, 0, client.right, client.bottom, e.frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!e.edit) {
        DestroyWindow(e.frame);
        return 0;
    }
    SendMessageA(e.edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SetWindowTextA(e.edit, text.c_str());
    SendMessageA(e.edit, EM_SETMODIFY, FALSE, 0);
    ApplyFont(e);
    ShowWindow(e.frame, SW_SHOWNOACTIVATE);
    const std::int32_t number = host.editors.next++;
    host.editors.open[number] = e;
    return number;
}

bool EditorIsOpen(const Host& host, std::int32_t window) { return host.editors.open.count(window) != 0; }

void CloseEditors(Host& host) {
    for (auto& [n, e] : host.editors.open) Close(e);
    host.editors.open.clear();
}

void ServeEditors(ServiceCall& call) {
    Host& host = call.host;
    if (call.code() == kSvcEditorOpenFile) return call.Answer(OpenEditor(host, call.text));
    auto it = host.editors.open.find(call.arg(1));
    if (it == host.editors.open.end()) return call.Answer(0);
    HostEditor& e = it->second;
    const std::int32_t value = call.arg(2);
    switch (call.code()) {
    case kSvcEditorPosition:
        switch (call.arg(3)) {
        case 0:
            SendMessageA(e.edit, EM_SETSEL, value, value);
            SendMessageA(e.edit, EM_SCROLLCARET, 0, 0);
            return call.Answer(value);
        case 1: return call.Answer(Answer(SendMessageA(e.edit, EM_LINEINDEX, value, 0)));
        case 2: return call.Answer(Answer(SendMessageA(e.edit, EM_LINEFROMCHAR, value, 0)));
        default: {
            DWORD start = 0, end = 0;
            SendMessageA(e.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            return call.Answer(static_cast<std::int32_t>(end));
        }
        }
    case kSvcEditorInsert: {
        const std::string text(call.at<const char>(2), static_cast<std::size_t>(std::max(call.arg(3), 0)));
        BeforeChange(e);
        SendMessageA(e.edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        return call.Answer(1);
    }
    case kSvcEditorSendKey: {
        BeforeChange(e);
        if (value == 0 && call.arg(3) == 1) {
            SendMessageA(e.edit, WM_KEYDOWN, VK_DELETE, 0);
        } else {
            const auto key = static_cast<unsigned char>(value);
            const std::string indent = key == '\r' && e.autoIndent ? IndentOfCurrentLine(e.edit) : "";
            SendMessageA(e.edit, WM_CHAR, key, 0);
            if (!indent.empty()) SendMessageA(e.edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(indent.c_str()));
        }
        return call.Answer(1);
    }
    case kSvcEditorSelect:
        SendMessageA(e.edit, EM_SETSEL, value, call.arg(3));
        return call.Answer(1);
    case kSvcEditorAction:
        if (value == 1 || value == 2) {
            BeforeChange(e);
            SendMessageA(e.edit, value == 1 ? WM_CUT : WM_PASTE, 0, 0);
        } else if (value == 3 && !e.undo.empty()) {
            e.redo.push_back(Take(e));
            Restore(e, e.undo.back());
            e.undo.pop_back();
        } else if (value == 4 && !e.redo.empty()) {
            e.undo.push_back(Take(e));
            Restore(e, e.redo.back());
            e.redo.pop_back();
        }
        return call.Answer(1);
    case kSvcEditorGroupUndo:
        e.grouping = value != 0;
        e.groupTaken = false;
        return call.Answer(1);
    case kSvcEditorEnvironment: {
        auto* r = call.at<EditorEnvironmentRecord>(2);
        if (call.arg(3) == 1) {
            std::memset(r, 0, sizeof *r);
            std::snprintf(r->fileName, sizeof r->fileName, "%s", e.path.c_str());
            r->modified = SendMessageA(e.edit, EM_GETMODIFY, 0, 0) != 0;
            r->autoIndent = e.autoIndent;
            r->backup = e.backup;
            r->statusBar = e.statusBar;
            std::snprintf(r->fontName, sizeof r->fontName, "%s", e.fontName.c_str());
        } else {
            e.autoIndent = r->autoIndent != 0;
            e.backup = r->backup != 0;
            e.statusBar = r->statusBar != 0;
            const std::string font(r->fontName, strnlen(r->fontName, sizeof r->fontName));
            if (font != e.fontName) {
                e.fontName = font;
                ApplyFont(e);
            }
        }
        return call.Answer(1);
    }
    case kSvcEditorPositionInView: {
        const LRESULT at = SendMessageA(e.edit, EM_POSFROMCHAR, value, 0);
        RECT client{};
        GetClientRect(e.edit, &client);
        const POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
        return call.Answer(at != -1 && PtInRect(&client, p) ? 1 : 0);
    }
    case kSvcEditorCloseFile:
        Close(e);
        host.editors.open.erase(it);
        return call.Answer(1);
    default: {  // kSvcEditorSave
        const std::string text = TextOf(e.edit);
        if (e.backup) {
            const std::size_t dot = e.path.find_last_of('.');
            const std::size_t slash = e.path.find_last_of("\\/");
            const std::string bak =
                (dot != std::string::npos && (slash == std::string::npos || dot > slash) ? e.path.substr(0, dot)
                                                                                           : e.path) +
                ".bak";
            CopyFileA(e.path.c_str(), bak.c_str(), FALSE);
        }
        std::FILE* f = std::fopen(e.path.c_str(), "wb");
        const bool saved = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
        if (f) std::fclose(f);
        if (saved) SendMessageA(e.edit, EM_SETMODIFY, FALSE, 0);
        return call.Answer(saved ? 1 : 0);
    }
    }
}

}  // namespace tarvo::run
