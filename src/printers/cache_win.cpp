// The settings cache and Windows: filled from the default printer's
// settings (PRN_CAPA), handed to the printer's driver (PRN_SET).
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <memory>
#include <new>

#include "printers/device_entry.h"
#include "printers/printer_access.h"
#include "printers/printers.h"

namespace tarvo {
namespace {

// A block the print dialog made, freed on every way out.
struct GlobalBlock {
    HGLOBAL handle;
    ~GlobalBlock() { if (handle) GlobalFree(handle); }
};

// Locks a global block for the life of the object.
struct Locked {
    HGLOBAL handle;
    void* data;
    explicit Locked(HGLOBAL h) : handle(h), data(GlobalLock(h)) {}
    ~Locked() { if (data) GlobalUnlock(handle); }
};

using ExtDeviceModeCall = int(WINAPI*)(HWND, HMODULE, LPDEVMODEA, LPSTR, LPSTR, LPDEVMODEA, LPSTR,
                                       WORD);

struct Library {
    HMODULE module;
    ~Library() { if (module) FreeLibrary(module); }
};

}  // namespace

std::optional<bool> PrnCapa() {
    ResetPrinterCache();
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    const BOOL found = PrintDlgA(&dialog);
    GlobalBlock settings{dialog.hDevMode}, names{dialog.hDevNames};
    if (!found) return false;
    std::optional<bool> result;
    if (settings.handle) {
        Locked record(settings.handle);
        if (record.data) {
            const auto* devmode = static_cast<const DEVMODEA*>(record.data);
            const SIZE_T size = GlobalSize(settings.handle);
            CacheSettings(static_cast<const unsigned char*>(record.data),
                          devmode->dmSize < size ? devmode->dmSize : size);
        }
        result = record.data != nullptr;
    }
    if (names.handle) {
        Locked block(names.handle);
        if (block.data) {
            const auto* offsets = static_cast<const DEVNAMES*>(block.data);
            const char* base = static_cast<const char*>(block.data);
            PrinterCache& cache = SharedPrinterCache();
            CacheName(cache.driver, base + offsets->wDriverOffset);
            CacheName(cache.printer, base + offsets->wDeviceOffset);
            CacheName(cache.port, base + offsets->wOutputOffset);
        }
    }
    return result;
}

std::int32_t PrnSet() {
    char text[80] = "";
    GetProfileStringA("windows", "device", "", text, sizeof text);
    const auto entry = SplitDeviceEntry(text, ",", ",");
    // A driver whose file name does not fit the 16 bytes Windows 3 drivers
    // are named in, or an entry without one, is a driver that cannot load.
    const std::string file = entry ? DriverFile(entry->driver, 16) : std::string();
    if (file.empty()) return -1;
    Library driver{LoadLibraryA(file.c_str())};
    if (!driver.module) return -1;
    const auto call = reinterpret_cast<ExtDeviceModeCall>(
        reinterpret_cast<void*>(GetProcAddress(driver.module, "ExtDeviceMode")));
    if (!call) return -3;
    HWND owner = MainWindow();
    std::string device = entry->device, port = entry->port;
    const int size = call(owner, driver.module, nullptr, device.data(), port.data(), nullptr,
                          nullptr, 0);
    // A size the driver does not give is no memory to copy into.
    if (size <= 0) return -2;
    std::unique_ptr<unsigned char[]> current(new (std::nothrow) unsigned char[size]());
    if (!current) return -2;
    call(owner, driver.module, reinterpret_cast<DEVMODEA*>(current.get()), device.data(),
         port.data(), nullptr, nullptr, DM_COPY);
    DEVMODEA cached;
    std::memcpy(&cached, SharedPrinterCache().record, sizeof cached);
    if (cached.dmSize > sizeof cached) cached.dmSize = sizeof cached;
    cached.dmDriverExtra = 0;  // the cache keeps no driver data
    if (call(owner, driver.module, nullptr, device.data(), port.data(), &cached, nullptr,
             DM_IN_BUFFER | DM_UPDATE) != 1)
        return -4;
    return 0;
}

}  // namespace tarvo
