// What the shell handlers add: shortcuts written through the shell's link
// object (read back here through the same object), the explorer started on
// a folder (and ended here by its process id), and the browse dialogs,
// answered by a driver thread.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include <set>

#include "files_test.h"
#include "ui_driver.h"

namespace tarvo::test {
namespace {

struct LinkRead {
    std::string target, arguments, description, folder;
};

// Reads a shortcut back through the shell's link object.
bool ReadLink(const std::string& file, LinkRead* out) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* persist = nullptr;
    bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)));
    if (ok) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
        ok = SUCCEEDED(persist->Load(wide, STGM_READ));
        persist->Release();
    }
    char text[1024] = "";
    if (ok) {
        link->GetPath(text, sizeof text, nullptr, 0), out->target = text;
        link->GetArguments(text, sizeof text), out->arguments = text;
        link->GetDescription(text, sizeof text), out->description = text;
        link->GetWorkingDirectory(text, sizeof text), out->folder = text;
    }
    link->Release();
    return ok;
}

std::set<DWORD> ExplorerProcesses() {
    std::set<DWORD> ids;
    HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 p{};
    p.dwSize = sizeof p;
    for (BOOL more = Process32First(all, &p); more; more = Process32Next(all, &p))
        if (lstrcmpiA(p.szExeFile, "explorer.exe") == 0) ids.insert(p.th32ProcessID);
    CloseHandle(all);
    return ids;
}

// With COM on the host's thread the shortcut reads back as written; a
// missing folder and a name too long get nothing written, and the answer is
// .T. every time.
TEST_F(FilesTest, ShellLinksWrittenAndReadBack) {
    WriteAll(At("a.txt"), "x");
    const std::string target = At("a.txt");
    // Without COM on the thread nothing is written. Earlier tests' media and
    // shell calls may have left COM to this thread or to the process (whose
    // threads then all have it): the case is tried only when Windows itself
    // refuses a link object here.
    IUnknown* any = nullptr;
    const HRESULT without = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkA, reinterpret_cast<void**>(&any));
    if (any) any->Release();
    if (without == CO_E_NOTINITIALIZED) {
        Expect({{"FIL_CREATELINK", {C(target), C(At("early.lnk")), C("d")}, ".T."}});
        EXPECT_FALSE(Exists(At("early.lnk")));
    }
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::string longName = At(std::string(300, 'n') + ".lnk");
    Expect({{"FIL_CREATELINK", {C(target), C(At("a.lnk")), C("A text file")}, ".T."},
            {"FIL_CREATELINK", {C(At("gone.txt")), C(At("gone.lnk")), C("")}, ".T."},
            {"FIL_CREATELINK", {C(target), C(At("none\\a.lnk")), C("d")}, ".T."},
            {"FIL_CREATELINK", {C(target), C(longName), C("d")}, ".T."}});
    LinkRead link;
    ASSERT_TRUE(ReadLink(At("a.lnk"), &link));
    EXPECT_EQ(link.target, target);
    EXPECT_EQ(link.description, "A text file");
    EXPECT_EQ(link.arguments, "");
    EXPECT_EQ(link.folder, "");
    ASSERT_TRUE(ReadLink(At("gone.lnk"), &link)) << "a missing target is still linked";
    EXPECT_EQ(link.target, At("gone.txt"));
    EXPECT_FALSE(Exists(At("none")));
    EXPECT_FALSE(Exists(longName));
    CoUninitialize();
}

// A missing folder answers 2 (file not found) and starts nothing; a folder
// opens an explorer process, ended here by its id.
TEST_F(FilesTest, ExploreAFolder) {
    EXPECT_EQ(Int("FIL_EXPLORE", {C(At("missing"))}), 2);
    const std::set<DWORD> before = ExplorerProcesses();
    EXPECT_GT(Int("FIL_EXPLORE", {C(dir)}), 32);
    int ended = 0;
    for (int i = 0; i < 200 && ended == 0; ++i) {
        for (DWORD id : ExplorerProcesses()) {
            if (before.count(id)) continue;
            HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            if (!p) continue;
            TerminateProcess(p, 0);
            WaitForSingleObject(p, 5000);
            CloseHandle(p);
            ++ended;
        }
        if (ended == 0) Sleep(10);
    }
    EXPECT_EQ(ended, 1) << "the explorer process the call started";
}

// Cancel answers the empty text for each kind; OK in the folder dialog
// answers the folder selected, which exists.
TEST_F(FilesTest, BrowseDialogs) {
    for (const char* name : {"FIL_BROWSEFORFOLDER", "GETCOMPUTER", "PRN_BROWSEFORPRINTER"}) {
        bool seen = false;
        auto call = [&] { return host.Call(name, {run::ByValue(C("Choose"))}); };
        EXPECT_EQ(WithDriver("#32770", Press(IDCANCEL), &seen, call).value().text, "") << name;
        EXPECT_TRUE(seen) << name;
    }
    bool seen = false;
    auto folder = [&] { return host.Call("FIL_GETDIR", {run::ByValue(C("Choose"))}); };
    const std::string chosen = WithDriver("#32770", Press(IDOK), &seen, folder).value().text;
    EXPECT_TRUE(seen);
    EXPECT_TRUE(chosen.empty() || (GetFileAttributesA(chosen.c_str()) & FILE_ATTRIBUTE_DIRECTORY))
        << chosen;
}

}  // namespace
}  // namespace tarvo::test
