// Raw printing: a file sent to the default printer byte for byte through
// the driver's pass-through escape, in blocks of a 16-bit count and up to
// 1024 bytes, as a document with a name; Escape (read through the host's
// ReadKey) aborts the job.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "host/services.h"
#include "printers/device_entry.h"
#include "printers/printers.h"

namespace tarvo {
namespace {

constexpr int kQuerySupport = 8, kAbortDoc = 2, kSetAbortProc = 9, kStartDoc = 10, kEndDoc = 11,
              kPassThrough = 19, kEpsPrinting = 33;
constexpr std::int32_t kEscapeKey = 27;

// The abort flag of the job under way (set by a failure or by Escape).
bool g_aborted = false;

// The transfer block: a 16-bit count, then up to 1024 bytes of data. Kept
// for the life of the library.
unsigned char g_block[2 + 1024];

// Asks the host for a key without waiting; Escape aborts the job. A host
// error while asking aborts it too: it must not cross the driver's frames.
BOOL CALLBACK AbortProcedure(HDC, int) {
    if (!GuardCallback([] {
            if (ReadKey(-1, 2) == kEscapeKey) g_aborted = true;
        }))
        g_aborted = true;
    return !g_aborted;
}

bool Supports(HDC dc, int escape) {
    return Escape(dc, kQuerySupport, sizeof escape, reinterpret_cast<LPCSTR>(&escape), nullptr) > 0;
}

struct DeviceContext {
    HDC dc;
    ~DeviceContext() { if (dc) DeleteDC(dc); }
};

struct OpenedFile {
    HANDLE handle;
    ~OpenedFile() { if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle); }
};

}  // namespace

bool PrnPrintFile(const char* file, const char* document) {
    g_aborted = false;
    char text[64] = "";
    GetProfileStringA("windows", "device", "", text, sizeof text);
    const auto entry = SplitDeviceEntry(text, ",", ", ");
    if (!entry) return false;
    DeviceContext printer{CreateDCA(entry->driver.c_str(), entry->device.c_str(),
                                    entry->port.c_str(), nullptr)};
    if (!printer.dc) return false;
    if (!Supports(printer.dc, kPassThrough)) {
        g_aborted = true;
        MessageBoxA(nullptr, "PASSTHROUGH Not Supported", "Warning", MB_ICONSTOP);
        return false;
    }
    Escape(printer.dc, kSetAbortProc, 0, reinterpret_cast<LPCSTR>(&AbortProcedure), nullptr);
    if (Supports(printer.dc, kEpsPrinting)) {
        const int on = 1;
        Escape(printer.dc, kEpsPrinting, sizeof on, reinterpret_cast<LPCSTR>(&on), nullptr);
    }
    OpenedFile input{CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (input.handle == INVALID_HANDLE_VALUE) return false;  // no document was started
    const int nameLength = static_cast<int>(std::strlen(document));
    if (Escape(printer.dc, kStartDoc, nameLength, document, nullptr) <= 0) return false;
    DWORD count = 0;
    do {
        if (!ReadFile(input.handle, g_block + 2, 1024, &count, nullptr)) {
            g_aborted = true;
            break;
        }
        const auto word = static_cast<std::uint16_t>(count);
        std::memcpy(g_block, &word, 2);
        if (Escape(printer.dc, kPassThrough, static_cast<int>(count + 2),
                   reinterpret_cast<LPCSTR>(g_block), nullptr) < 0)
            g_aborted = true;
        // Not every driver calls the abort procedure during pass-through:
        // it is asked after every block.
        if (!g_aborted) AbortProcedure(printer.dc, 0);
    } while (count == 1024 && !g_aborted);
    Escape(printer.dc, kEndDoc, 0, nullptr, nullptr);
    if (g_aborted) Escape(printer.dc, kAbortDoc, 0, nullptr, nullptr);
    return !g_aborted;
}

}  // namespace tarvo
