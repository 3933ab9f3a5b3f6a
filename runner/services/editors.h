// The editor group: the host's editor windows, each a window with a Windows
// edit control holding one file's text. Positions are character offsets
// from 0 and lines count from 0, over the text as the control holds it (the
// file's bytes; a line ends at CR LF). Changes made through the services
// can be undone and redone step by step, a group of them as one; cut and
// paste go through the clipboard.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvo::run {

struct HostEditor {
    HWND frame = nullptr;
    HWND edit = nullptr;
    HFONT font = nullptr;
    std::string path;  // full path
    std::string fontName = "Courier New";
    bool autoIndent = false;
    bool backup = false;
    bool statusBar = true;
    struct Snapshot {
        std::string text;
        DWORD start = 0, end = 0;
    };
    std::vector<Snapshot> undo, redo;
    bool grouping = false;  // changes since EditorGroupUndo(1) undo as one
    bool groupTaken = false;
};

struct HostEditors {
    std::map<std::int32_t, HostEditor> open;  // by window number (1 and up)
    std::int32_t next = 1;
};

struct Host;
// Opens a file in an editor window; answers its number, 0 when the file
// cannot be read.
std::int32_t OpenEditor(Host& host, const std::string& file);
bool EditorIsOpen(const Host& host, std::int32_t window);

}  // namespace tarvo::run
