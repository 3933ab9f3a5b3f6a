// The printer functions behind the rows: printers by name (printers_win.cpp)
// and the default printer's settings cache (cache_win.cpp; its fields in
// cache.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "host/args.h"
#include "printers/cache.h"

namespace tarvo {

// Printers by name.
std::variant<std::string, std::int32_t> PrnGetPrnData(const char* printer, std::int32_t item);
bool PrnSetPrnData(const char* printer, std::int32_t item, AnyValue value);
std::string PrnGetDrvInfo(const char* printer);
std::string PrnGetDefaultPrinter();
bool PrnSetDefaultPrinter(const char* entry);
bool PrnPrinterProperties(const char* printer);
bool PrnConnectToPrinterDialog();
bool PrnDialog(std::int32_t fromPage, std::int32_t toPage, std::int32_t minPage,
               std::int32_t maxPage, std::int32_t copies);

// The settings cache filled from the default printer, handed to its driver.
std::optional<bool> PrnCapa();
std::int32_t PrnSet();

// Raw printing.
bool PrnPrintFile(const char* file, const char* document);

}  // namespace tarvo
