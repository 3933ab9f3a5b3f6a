// The printer family through the DLL, against the test run's two queues
// (scripts/printers.sh): FakeRaw, a raw queue and the default printer, and
// FakePS, a PostScript printer. Calls Wine does not serve (the driver's
// ExtDeviceMode, the dialogs) are answered by stand-ins put in place of the
// library's imports.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "dll_test.h"
#include "runner/imports.h"
#include "ui_driver.h"

namespace tarvo::test {
namespace {

const std::string kQueues[] = {"FakeRaw", "FakePS"};
std::string EntryOf(const std::string& queue) { return queue + ",wineps.drv,CUPS:" + queue; }

// The print server's folder (where its spool is), from the socket Wine
// reaches it by.
std::string ServerFolder() {
    const char* socket = std::getenv("CUPS_SERVER");
    if (!socket || !*socket) return "";
    std::string path = std::string("Z:") + socket;
    return path.substr(0, path.find_last_of('/'));
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class PrinterTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        HANDLE printer = nullptr;
        const bool there = OpenPrinterA(const_cast<char*>("FakeRaw"), &printer, nullptr) && printer;
        if (printer) ClosePrinter(printer);
        ASSERT_TRUE(there && !ServerFolder().empty())
            << "the test printers FakeRaw and FakePS are missing: start the private print "
               "server with scripts/printers.sh start build (scripts/test.sh does) before the "
               "first Wine program of the run";
        ASSERT_TRUE(Logical("PRN_SETDEFAULTPRINTER", {Value::Char(EntryOf("FakeRaw"))}));
    }
    void TearDown() override {
        Logical("PRN_SETDEFAULTPRINTER", {Value::Char(EntryOf("FakeRaw"))});
        DllTest::TearDown();
    }
    run::Value Get(const std::string& queue, int item) {
        return One("PRN_GETPRNDATA", {Value::Char(queue), Value::Int(item)});
    }
    bool Set(const std::string& queue, int item, Value v) {
        return Logical("PRN_SETPRNDATA", {Value::Char(queue), Value::Int(item), v});
    }
};

TEST_F(PrinterTest, EachQueueByName) {
    for (const std::string& queue : kQueues) {
        SCOPED_TRACE(queue);
        EXPECT_EQ(Get(queue, 4).integer, 156);
        EXPECT_FALSE(Get(queue, 20).text.empty());  // the form: the paper of the server's locale
        // The device name, then the texts in their order: a local printer has no server name.
        EXPECT_EQ(Get(queue, 5001).text.rfind(queue + ",," + queue + ",,CUPS:" + queue + ",", 0), 0u);
        EXPECT_EQ(Get(queue, 1009).text, "RAW");
        const std::string driver = Text("PRN_GETDRVINFO", {Value::Char(queue)});
        EXPECT_EQ(driver.rfind("WINNT:" + queue + ",", 0), 0u) << driver;

        const std::string comment = Get(queue, 1005).text;
        EXPECT_EQ(Get(queue, 7).integer, 1);
        EXPECT_TRUE(Set(queue, 7, Value::Int(0x10002)));  // the low 16 bits
        EXPECT_EQ(Get(queue, 7).integer, 2);
        EXPECT_TRUE(Set(queue, 3, Value::Int(99)));  // read only: written back unchanged
        EXPECT_EQ(Get(queue, 3).integer, 1);
        // The wrong kind of value changes nothing.
        EXPECT_FALSE(Set(queue, 7, Value::Char("1")));
        EXPECT_FALSE(Set(queue, 1005, Value::Int(2)));
        EXPECT_EQ(Get(queue, 7).integer, 2);
        EXPECT_EQ(Get(queue, 1005).text, comment);
        EXPECT_TRUE(Set(queue, 7, Value::Int(1)));
    }
    for (const std::string& name : {std::string(), std::string(40000, 'a')})
        EXPECT_EQ(Get(name, 1001).text, "TARVO : Couldn't open the printer") << name.size();
    EXPECT_FALSE(Set("No such printer", 7, Value::Int(2)));
}

TEST_F(PrinterTest, DefaultPrinterIsSharedAndNeededForAJob) {
    ASSERT_TRUE(Logical("PRN_SETDEFAULTPRINTER", {Value::Char(EntryOf("FakePS"))}));
    // A second process sees it.
    const std::string dir = ScratchDir("printers-default");
    std::ofstream(dir + "\\default.prg") << "=STRTOFILE(PRN_GETDEFAULTPRINTER(), 'default.txt')\n";
    std::string command = "\"" + BesideExe("tarvo-run.exe") + "\" default.prg";
    STARTUPINFOA start = {sizeof start};
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &start,
                               &child));
    WaitForSingleObject(child.hProcess, 60000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(FileBytes(dir + "\\default.txt"), EntryOf("FakePS"));
    // Read back here too; no default printer, or one that is gone: no job.
    for (const char* entry : {"", "Gone,wineps.drv,CUPS:Gone"}) {
        ASSERT_TRUE(Logical("PRN_SETDEFAULTPRINTER", {Value::Char(entry)}));
        EXPECT_EQ(Text("PRN_GETDEFAULTPRINTER", {}), entry);
        EXPECT_FALSE(Logical("PRN_PRINTFILE", {Value::Char("C:\\windows\\win.ini"), Value::Char("None")})) << entry;
    }
}

// A printer driver of Windows 3 style, standing in where Wine has none.
struct StandInDriver {
    int sizeAnswer = 200, updateAnswer = 1;
    bool hasEntry = true;
    std::string loaded, device, port;
    int modes = 0;  // bits of the modes asked
    DEVMODEA given = {};
} g_driver;
HMODULE const kDriverModule = reinterpret_cast<HMODULE>(0x5A5A0000);

int WINAPI StandInExtDeviceMode(HWND, HMODULE module, LPDEVMODEA out, LPSTR device, LPSTR port,
                                LPDEVMODEA in, LPSTR, WORD mode) {
    if (module != kDriverModule) return -1;
    g_driver.device = device;
    g_driver.port = port;
    g_driver.modes |= 1 << mode;
    if (mode == 0) return g_driver.sizeAnswer;
    if (mode == DM_COPY && out) std::memset(out, 0x11, g_driver.sizeAnswer);
    if (mode == (DM_IN_BUFFER | DM_UPDATE) && in) g_driver.given = *in;
    return mode == (DM_IN_BUFFER | DM_UPDATE) ? g_driver.updateAnswer : 1;
}
HMODULE WINAPI StandInLoadLibrary(LPCSTR file) {
    g_driver.loaded = file;
    return g_driver.loaded == "wineps.drv" ? kDriverModule : nullptr;
}
FARPROC WINAPI StandInGetProcAddress(HMODULE module, LPCSTR name) {
    if (module != kDriverModule) return GetProcAddress(module, name);
    return g_driver.hasEntry && std::strcmp(name, "ExtDeviceMode") == 0
               ? reinterpret_cast<FARPROC>(&StandInExtDeviceMode)
               : nullptr;
}
BOOL WINAPI StandInFreeLibrary(HMODULE module) { return module == kDriverModule || FreeLibrary(module); }

TEST_F(PrinterTest, CacheIsFilledAndGoesToTheDriverOfTheDefaultPrinter) {
    // Wine's entry names the driver file wineps.drv.drv, which does not
    // load (the row example's -1). With a driver of the kind the call is
    // made for: the cache of each queue, changed, reaches it.
    run::ImportPatch load(host.module(), "KERNEL32.dll", "LoadLibraryA", reinterpret_cast<void*>(&StandInLoadLibrary));
    run::ImportPatch find(host.module(), "KERNEL32.dll", "GetProcAddress",
                          reinterpret_cast<void*>(&StandInGetProcAddress));
    run::ImportPatch free(host.module(), "KERNEL32.dll", "FreeLibrary", reinterpret_cast<void*>(&StandInFreeLibrary));
    ASSERT_TRUE(load.active() && find.active() && free.active());
    EXPECT_EQ(Text("PRN_DEVICE", {}), "");  // empty at load
    EXPECT_EQ(Int("PRN_ORIENT", {}), 0);
    const char* const fields[] = {"PRN_SPEC", "PRN_DRIVER", "PRN_SIZE", "PRN_EXTRA", "PRN_FIELDS",
                                  "PRN_ORIENT", "PRN_PAPERS", "PRN_PAPERL", "PRN_PAPERW", "PRN_SCALE",
                                  "PRN_COPIES", "PRN_SOURCE", "PRN_QUALIT", "PRN_COLOR", "PRN_DUPLEX",
                                  "PRN_RESOLU", "PRN_TTOPT"};
    for (const std::string& queue : kQueues) {
        SCOPED_TRACE(queue);
        ASSERT_TRUE(Logical("PRN_SETDEFAULTPRINTER", {Value::Char(queue + ",wineps,CUPS:" + queue)}));
        g_driver = {};
        ASSERT_TRUE(Logical("PRN_CAPA", {}));
        // The same values as the printer's own record, items 2 to 18 (for
        // the second queue: the orientation changed for the first is gone).
        for (std::size_t i = 0; i < std::size(fields); ++i)
            EXPECT_EQ(Int(fields[i], {}), Get(queue, int(i) + 2).integer) << fields[i];
        Int("PRN_ORIENT", {Value::Int(2)});
        EXPECT_EQ(Int("PRN_SET", {}), 0);  // the stand-in loads wineps.drv only
        EXPECT_EQ(g_driver.device, queue);
        EXPECT_EQ(g_driver.port, "CUPS:" + queue);
        EXPECT_EQ(g_driver.modes, 1 << 0 | 1 << DM_COPY | 1 << (DM_IN_BUFFER | DM_UPDATE));
        EXPECT_EQ(reinterpret_cast<const char*>(g_driver.given.dmDeviceName), queue);
        EXPECT_EQ(g_driver.given.dmOrientation, 2);
        EXPECT_EQ(g_driver.given.dmSize, 156);
        EXPECT_EQ(g_driver.given.dmDriverExtra, 0);
    }
    g_driver = {};
    g_driver.updateAnswer = 0;
    EXPECT_EQ(Int("PRN_SET", {}), -4);
    g_driver.sizeAnswer = -1;
    EXPECT_EQ(Int("PRN_SET", {}), -2);
    g_driver.hasEntry = false;
    EXPECT_EQ(Int("PRN_SET", {}), -3);
    for (const char* entry : {"Laser,twelve_chars,LPT1:", "Laser", "Laser,missing,LPT1:"}) {
        ASSERT_TRUE(Logical("PRN_SETDEFAULTPRINTER", {Value::Char(entry)}));
        EXPECT_EQ(Int("PRN_SET", {}), -1) << entry;
    }
}

// Raw printing: the data of a job found by its title (other test runs print
// to the same server at the same time) in its control file. The server
// writes a job's files a little after the job is sent: a job expected is
// waited for up to `waitMs`.
std::optional<std::string> JobTitled(const std::string& title, int waitMs = 10000) {
    const std::string spool = ServerFolder() + "/spool/";
    for (int waited = 0;; waited += 100) {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((spool + "c*").c_str(), &found);
        std::optional<std::string> job;
        for (bool more = h != INVALID_HANDLE_VALUE; more && !job; more = FindNextFileA(h, &found)) {
            const std::string name = found.cFileName;  // c<number>.N is one being written
            if (name.size() == 6 && FileBytes(spool + name).find(title) != std::string::npos)
                job = FileBytes(spool + "d" + name.substr(1) + "-001");
        }
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
        if (job || waited >= waitMs) return job;
        Sleep(100);
    }
}
std::string Unique(const std::string& title) {
    return title + " " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
}

// The bytes Wine's PostScript driver wrapped, block by block.
std::string PassedThrough(const std::string& postscript) {
    const std::string begin = "%%BeginDocument: Wine passthrough\n", end = "\n%%EndDocument";
    std::string bytes;
    for (std::size_t at = 0, stop; (at = postscript.find(begin, at)) != std::string::npos; at = stop) {
        at += begin.size();
        if ((stop = postscript.find(end, at)) == std::string::npos) break;
        bytes += postscript.substr(at, stop - at);
    }
    return bytes;
}

TEST_F(PrinterTest, FileGoesToTheDefaultPrinterUnchanged) {
    const std::string dir = ScratchDir("printers-raw");
    std::string bytes;
    for (int i = 0; i < 1300; ++i) bytes += static_cast<char>((i * 7) & 0xFF);  // zero and 0xFF included
    std::ofstream(dir + "\\report.bin", std::ios::binary) << bytes;
    const std::string title = Unique("Monthly report");
    ASSERT_TRUE(Logical("PRN_PRINTFILE", {Value::Char(dir + "\\report.bin"), Value::Char(title)}));
    const std::optional<std::string> job = JobTitled(title);
    ASSERT_TRUE(job) << "no job titled " << title;
    // Wine's driver wraps pass-through data in PostScript; the bytes inside are the file's.
    const std::string passed = PassedThrough(*job);
    EXPECT_EQ(passed.size(), bytes.size());
    EXPECT_TRUE(passed == bytes);

    // An empty file is one empty block.
    std::ofstream(dir + "\\empty.bin", std::ios::binary).flush();
    EXPECT_TRUE(Logical("PRN_PRINTFILE", {Value::Char(dir + "\\empty.bin"), Value::Char("Empty")}));
    // A file that cannot be opened starts no job.
    const std::string missing = Unique("Missing");
    EXPECT_FALSE(Logical("PRN_PRINTFILE", {Value::Char(dir + "\\missing.bin"), Value::Char(missing)}));
    EXPECT_FALSE(Logical("PRN_PRINTFILE", {Value::Char(dir), Value::Char(missing)}));
    EXPECT_FALSE(JobTitled(missing, 1000));
    // Escape aborts the job after the block under way.
    host.keys = {'a', 27};
    EXPECT_FALSE(Logical("PRN_PRINTFILE", {Value::Char(dir + "\\report.bin"), Value::Char("Stopped")}));
    EXPECT_TRUE(host.keys.empty());
    host.keys.clear();
}

// The dialogs, owned by the host's main window.
PRINTDLGA g_setup = {};
BOOL WINAPI StandInPrintDlg(LPPRINTDLGA dialog) {
    g_setup = *dialog;
    dialog->hDevMode = GlobalAlloc(GMEM_MOVEABLE, 64);
    dialog->hDevNames = GlobalAlloc(GMEM_MOVEABLE, 64);
    return TRUE;
}
HWND g_connectOwner = nullptr;
HANDLE WINAPI StandInConnect(HWND owner, DWORD) {
    g_connectOwner = owner;
    HANDLE printer = nullptr;
    OpenPrinterA(const_cast<char*>("FakePS"), &printer, nullptr);
    return printer;
}

TEST_F(PrinterTest, DialogsAreOwnedByTheHostWindow) {
    bool seen = false;
    auto setup = [&] {
        return host.Call("PRN_DIALOG", {Value::Int(1), Value::Int(2), Value::Int(1), Value::Int(9), Value::Int(3)});
    };
    EXPECT_FALSE(WithDriver("#32770", Press(IDCANCEL), &seen, setup).value().logical);
    {
        run::ImportPatch dialog(host.module(), "comdlg32.dll", "PrintDlgA", reinterpret_cast<void*>(&StandInPrintDlg));
        ASSERT_TRUE(dialog.active());
        EXPECT_TRUE(setup().value().logical);
        EXPECT_EQ(g_setup.hwndOwner, host.mainWindow());
        EXPECT_EQ(g_setup.Flags, static_cast<DWORD>(PD_PRINTSETUP));
        EXPECT_EQ(g_setup.nFromPage * 1000 + g_setup.nToPage * 100 + g_setup.nMinPage * 10 + g_setup.nCopies, 1213);
        EXPECT_EQ(g_setup.nMaxPage, 9);
    }
    // Wine shows no printer connection dialog and no property sheet: both answer at once.
    EXPECT_TRUE(Logical("PRN_PRINTERPROPERTIES", {Value::Char("FakeRaw")}));
    run::ImportPatch connect(host.module(), "WINSPOOL.DRV", "ConnectToPrinterDlg",
                             reinterpret_cast<void*>(&StandInConnect));
    ASSERT_TRUE(connect.active());
    EXPECT_TRUE(Logical("PRN_CONNECTTOPRINTERDIALOG", {}));
    EXPECT_EQ(g_connectOwner, host.mainWindow());
}

// Windows 95: the driver record at level 3, with the dependent files.
TEST_F(PrinterTest, DriverRecordOnWindows95) {
    if ((GetVersion() & 0x80000000u) == 0) GTEST_SKIP() << "runs in dll_tests95.exe";
    const std::string record = Text("PRN_GETDRVINFO", {Value::Char("FakeRaw")});
    EXPECT_EQ(record.rfind("WIN95:FakeRaw,", 0), 0u) << record;
    EXPECT_EQ(std::count(record.begin(), record.end(), ','), 8) << record;
    EXPECT_EQ(record.substr(record.size() - 4), ",RAW");  // no monitor, data type RAW
}

}  // namespace
}  // namespace tarvo::test
