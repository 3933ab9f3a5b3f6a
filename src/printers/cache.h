// The printer settings cache: one copy of the default printer's settings
// record and names for the whole library, all zero at load. PRN_CAPA fills
// it (cache_win.cpp), the accessors below read it and change some fields,
// PRN_SET hands it to the printer's driver.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/args.h"
#include "printers/settings_fields.h"

namespace tarvo {

struct PrinterCache {
    unsigned char record[kSettingsRecordSize];
    char printer[52];
    char driver[64];
    char port[52];
};
PrinterCache& SharedPrinterCache();
void ResetPrinterCache();

// Copies into the cache, from a settings record of `size` bytes, what the
// cache keeps of it: the device name and the fields up to the TrueType
// option (items 2 to 18). Fields the record is too short for stay zero.
void CacheSettings(const unsigned char* record, std::size_t size);
// Copies a name into one of the cache's text buffers, cut to fit.
template <std::size_t N>
void CacheName(char (&buffer)[N], const char* name) {
    std::size_t i = 0;
    for (; name && name[i] && i + 1 < N; ++i) buffer[i] = name[i];
    buffer[i] = 0;
}

std::string PrnDevice();
std::string PrnName();
std::string PrnDrv();
std::string PrnPort();

// A cached number field, read by the field table.
template <std::int32_t Item>
std::int32_t CachedField() {
    return ReadNumber(SharedPrinterCache().record, *FieldOfItem(Item));
}

// A settable cached field: answers the value it held, then stores the low
// 16 bits of the parameter when one came.
std::int32_t ChangeCachedField(std::int32_t item, Opt<std::int32_t> value);
template <std::int32_t Item>
std::int32_t CachedSetting(Opt<std::int32_t> value) {
    return ChangeCachedField(Item, value);
}
// The vertical resolution; setting it sets the print quality too.
std::int32_t PrnResolu(Opt<std::int32_t> value);

}  // namespace tarvo
