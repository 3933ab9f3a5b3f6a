// Shell folders and links: an explorer window on a folder, shortcut files,
// and the shell's browse dialog for a folder, a computer or a printer.
#pragma once

#include <cstdint>
#include <string>

namespace tarvo {

// ShellExecuteA's answer for the verb "explore" on the folder, owned by the
// host's main window; above 32 means success.
std::int32_t FilExplore(const char* folder);

// Creates the shortcut file `link` pointing at `target` with a description;
// answers the COM result of the last step (creating the link object, asking
// for its file interface, or saving). COM must already be initialised on the
// calling thread. Every COM object is released on every way out.
std::int32_t CreateShellLink(const char* target, const char* link, const char* description);
bool FilCreateLink(const char* target, const char* link, const char* description);

// The browse dialog's flags for each kind of item.
constexpr std::uint32_t kBrowseFolders = 0;
constexpr std::uint32_t kBrowseComputers = 0x1000;
constexpr std::uint32_t kBrowsePrinters = 0x2000;

// Runs the browse dialog owned by the host's main window: the file-system
// path of the folder chosen (flags 0) or the display name of the computer or
// printer chosen; the empty text when the user cancelled, or chose a folder
// without a path.
std::string BrowseShell(const char* title, std::uint32_t flags);
template <std::uint32_t Flags>
std::string BrowseFor(const char* title) {
    return BrowseShell(title, Flags);
}

}  // namespace tarvo
