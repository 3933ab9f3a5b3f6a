// Printers by name: fields of a printer's settings and information records,
// its driver, the default printer and the printer dialogs. Every printer
// handle is closed and every block freed on every way out.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "host/services.h"
#include "printers/printers.h"
#include "printers/printer_access.h"
#include "system/version_word.h"

namespace tarvo {

static_assert(offsetof(DEVMODEA, dmOrientation) == 44 && offsetof(DEVMODEA, dmFormName) == 70 &&
                  offsetof(DEVMODEA, dmLogPixels) == 102 && offsetof(DEVMODEA, dmReserved2) == 144 &&
                  sizeof(DEVMODEA) == kSettingsRecordSize,
              "the field table follows Windows' settings record");

namespace {

std::string TextOf(const char* text) { return text ? text : ""; }

PrinterTexts TextsOf(const PRINTER_INFO_2A& info) {
    PrinterTexts t;
    const char* texts[] = {info.pServerName, info.pPrinterName, info.pShareName,
                           info.pPortName,   info.pDriverName,  info.pComment,
                           info.pLocation,   info.pSepFile,     info.pPrintProcessor,
                           info.pDatatype,   info.pParameters};
    for (int i = 0; i < 11; ++i) t.text[i] = TextOf(texts[i]);
    return t;
}

// A copy of a printer's settings record in the library's 156-byte layout:
// a driver's shorter record leaves the fields it lacks zero.
void CopyRecord(const DEVMODEA& devmode, unsigned char (&record)[kSettingsRecordSize]) {
    std::memset(record, 0, sizeof record);
    const std::size_t size = devmode.dmSize < sizeof record ? devmode.dmSize : sizeof record;
    std::memcpy(record, &devmode, size);
}

}  // namespace

PrinterRead ReadPrinterInfo(PrinterHandle& printer, LocalBlock& block) {
    DWORD needed = 0;
    GetPrinterA(printer.handle, 2, nullptr, 0, &needed);
    block.data = static_cast<BYTE*>(LocalAlloc(LPTR, needed));
    if (!block.data) return PrinterRead::NoMemory;
    if (!GetPrinterA(printer.handle, 2, block.data, needed, &needed) || needed == 0)
        return PrinterRead::Failed;
    return block.info()->pDevMode ? PrinterRead::Done : PrinterRead::NoSettings;
}

std::variant<std::string, std::int32_t> PrnGetPrnData(const char* printer, std::int32_t item) {
    PrinterHandle handle;
    if (!handle.Open(printer)) return std::string("TARVO : Couldn't open the printer");
    LocalBlock block;
    switch (ReadPrinterInfo(handle, block)) {
    case PrinterRead::NoMemory: return std::string("TARVO couldn't allocate the needed memory");
    case PrinterRead::Failed: return std::string("TARVO : GetPrinter() was not successful");
    case PrinterRead::NoSettings: return std::string("TARVO : <null> DEVMODE pointer");
    case PrinterRead::Done: break;
    }
    unsigned char record[kSettingsRecordSize];
    CopyRecord(*block.info()->pDevMode, record);
    return ItemAnswer(item, record, TextsOf(*block.info()));
}

bool PrnSetPrnData(const char* printer, std::int32_t item, AnyValue value) {
    if (value.type != 'I' && value.type != 'C') return false;
    const SettingsField* field = FieldOfItem(item);
    // A value of the wrong kind for the item changes nothing and writes nothing.
    if ((value.type == 'C' && field && field->writeWidth) || (value.type == 'I' && item == kItemComment))
        return false;
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    PrinterHandle handle;
    if (!handle.Open(printer, &defaults)) return false;
    LocalBlock block;
    if (ReadPrinterInfo(handle, block) != PrinterRead::Done) return false;
    PRINTER_INFO_2A& info = *block.info();
    DEVMODEA& devmode = *info.pDevMode;
    DocumentPropertiesA(nullptr, handle.handle, const_cast<char*>(printer), &devmode, &devmode,
                        DM_IN_BUFFER | DM_OUT_BUFFER);
    std::string comment;
    if (field && field->writeWidth && field->offset + field->writeWidth <= devmode.dmSize) {
        unsigned char record[kSettingsRecordSize];
        CopyRecord(devmode, record);
        WriteField(record, *field, value.integer);
        std::memcpy(reinterpret_cast<unsigned char*>(&devmode) + field->offset,
                    record + field->offset, field->writeWidth);
    } else if (item == kItemComment) {
        comment.assign(value.text);
        info.pComment = comment.data();
    }
    return SetPrinterA(handle.handle, 2, block.data, 0) != 0;
}

std::string PrnGetDrvInfo(const char* printer) {
    PrinterHandle handle;
    if (!handle.Open(printer)) return "Cannot open printer";
    const bool windows95 = (VersionWord() & 0x80000000u) != 0;
    const DWORD level = windows95 ? 3 : 2;
    char environment[] = "";
    DWORD needed = 0;
    GetPrinterDriverA(handle.handle, environment, level, nullptr, 0, &needed);
    LocalBlock block;
    block.data = static_cast<BYTE*>(LocalAlloc(LPTR, needed));
    if (!block.data || !GetPrinterDriverA(handle.handle, environment, level, block.data, needed, &needed))
        return "";
    // Both levels begin alike; level 3 goes on with the help and dependent files.
    const auto& d = *reinterpret_cast<const DRIVER_INFO_3A*>(block.data);
    std::string record = (windows95 ? "WIN95:" : "WINNT:") + TextOf(d.pName) + ',' +
                         TextOf(d.pEnvironment) + ',' + TextOf(d.pDriverPath) + ',' +
                         TextOf(d.pDataFile) + ',' + TextOf(d.pConfigFile);
    if (windows95)
        record += ',' + TextOf(d.pHelpFile) + ',' + JoinNameList(d.pDependentFiles) + ',' +
                  TextOf(d.pMonitorName) + ',' + TextOf(d.pDefaultDataType);
    return record;
}

std::string PrnGetDefaultPrinter() { return DefaultPrinterEntry(); }

std::string DefaultPrinterEntry() {
    // The entry has no length limit of its own: read until it fits.
    std::string entry(1024, '\0');
    for (;;) {
        const DWORD n = GetProfileStringA("WINDOWS", "device", "", entry.data(),
                                          static_cast<DWORD>(entry.size()));
        if (n + 2 < entry.size() || entry.size() >= (1u << 20)) {
            entry.resize(n);
            return entry;
        }
        entry.resize(entry.size() * 2);
    }
}

bool PrnSetDefaultPrinter(const char* entry) {
    const bool written = WriteProfileStringA("WINDOWS", "device", entry) != 0;
    WriteProfileStringA(nullptr, nullptr, nullptr);
    // A window that does not answer does not hold the caller up.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("WINDOWS"),
                        SMTO_ABORTIFHUNG, 2000, &answer);
    return written;
}

bool PrnPrinterProperties(const char* printer) {
    PrinterHandle handle;
    if (!handle.Open(printer)) return false;
    PrinterProperties(nullptr, handle.handle);
    return true;
}

bool PrnConnectToPrinterDialog() {
    HANDLE chosen = ConnectToPrinterDlg(MainWindow(), 0);
    if (!chosen) return false;
    ClosePrinter(chosen);
    return true;
}

bool PrnDialog(std::int32_t fromPage, std::int32_t toPage, std::int32_t minPage,
               std::int32_t maxPage, std::int32_t copies) {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = MainWindow();
    dialog.Flags = PD_PRINTSETUP;
    dialog.nFromPage = static_cast<WORD>(fromPage);
    dialog.nToPage = static_cast<WORD>(toPage);
    dialog.nMinPage = static_cast<WORD>(minPage);
    dialog.nMaxPage = static_cast<WORD>(maxPage);
    dialog.nCopies = static_cast<WORD>(copies);
    const BOOL confirmed = PrintDlgA(&dialog);
    // The blocks the dialog made go back whatever it answered.
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    return confirmed != 0;
}

HWND MainWindow() {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow()));
}

}  // namespace tarvo
