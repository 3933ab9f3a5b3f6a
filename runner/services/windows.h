// The window group: the host's main window (a real window with a system
// menu, the owner of the library's dialogs), the window services and the
// dialog service. Only the main window is known by name: id 1.
#pragma once

#include <windows.h>

namespace tarvo::run {

struct HostWindows {
    HWND main = nullptr;
};

}  // namespace tarvo::run
