// What the printer functions share on Windows: a printer handle and a block
// that are released on every way out, the printer information read into a
// block, the default printer entry and the host's main window.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <string>

namespace tarvo {

struct PrinterHandle {
    HANDLE handle = nullptr;
    PrinterHandle() = default;
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    ~PrinterHandle() { if (handle) ClosePrinter(handle); }
    // Opens the printer of that name; false when no handle came back. A
    // name longer than a path names no printer and never reaches the
    // spooler (Wine's fails on names of some 32,000 characters).
    bool Open(const char* name, PRINTER_DEFAULTSA* defaults = nullptr) {
        if (std::strlen(name) >= kLongestPrinterName ||
            !OpenPrinterA(const_cast<char*>(name), &handle, defaults))
            handle = nullptr;
        return handle != nullptr;
    }
    static constexpr std::size_t kLongestPrinterName = MAX_PATH;
};

struct LocalBlock {
    BYTE* data = nullptr;
    LocalBlock() = default;
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;
    ~LocalBlock() { if (data) LocalFree(data); }
    PRINTER_INFO_2A* info() const { return reinterpret_cast<PRINTER_INFO_2A*>(data); }
};

enum class PrinterRead { Done, NoMemory, Failed, NoSettings };

// Reads the printer's information record (level 2) into a zero-filled
// block of the size the spooler asks for.
PrinterRead ReadPrinterInfo(PrinterHandle& printer, LocalBlock& block);

// The default printer entry of the user profile ("device" in "WINDOWS"),
// of any length.
std::string DefaultPrinterEntry();

// The host's main window, owner of the dialogs.
HWND MainWindow();

}  // namespace tarvo
