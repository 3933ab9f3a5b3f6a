// Shell folders and links through the Windows shell and its COM objects.
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "files/shell.h"
#include "host/services.h"

namespace tarvo {
namespace {

HWND MainWindow() { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow())); }

// A COM interface released on every way out.
template <typename T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
};

}  // namespace

std::int32_t FilExplore(const char* folder) {
    HINSTANCE answer = ShellExecuteA(MainWindow(), "explore", folder, nullptr, nullptr, SW_SHOW);
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(answer));
}

std::int32_t CreateShellLink(const char* target, const char* link, const char* description) {
    Held<IShellLinkA> shellLink;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&shellLink.p));
    if (FAILED(hr)) return hr;
    shellLink.p->SetPath(target);
    shellLink.p->SetDescription(description);
    Held<IPersistFile> file;
    hr = shellLink.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p));
    if (FAILED(hr)) return hr;
    // At most 260 characters and the terminating zero: a longer name saves
    // nothing.
    WCHAR wide[MAX_PATH + 1];
    if (MultiByteToWideChar(CP_ACP, 0, link, -1, wide, MAX_PATH + 1) == 0)
        return HRESULT_FROM_WIN32(GetLastError());
    return file.p->Save(wide, TRUE);
}

bool FilCreateLink(const char* target, const char* link, const char* description) {
    CreateShellLink(target, link, description);
    return true;
}

std::string BrowseShell(const char* title, std::uint32_t flags) {
    char area[500] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = MainWindow();
    info.pidlRoot = nullptr;
    info.pszDisplayName = area;
    info.lpszTitle = title;
    info.ulFlags = flags;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
    if (!item) return "";
    if (flags == kBrowseFolders && !SHGetPathFromIDListA(item, area)) area[0] = '\0';
    CoTaskMemFree(item);
    return area;
}

}  // namespace tarvo
