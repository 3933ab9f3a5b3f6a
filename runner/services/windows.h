// The window group: the host's main window (a real window with a system
// menu, the owner of the library's dialogs), the window services and the
// dialog service. The main window is host window 1, known by the name
// SCREEN; the forms a program makes are known by their names too.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

namespace tarvo::run {

struct HostForm {
    std::string name;  // upper case
    HWND hwnd = nullptr;
};

struct HostWindows {
    HWND main = nullptr;
    std::map<std::int32_t, HostForm> forms;  // by host window number (2 and up)
};

}  // namespace tarvo::run
