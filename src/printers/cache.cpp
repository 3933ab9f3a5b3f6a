#include "printers/cache.h"

#include <cstring>

namespace tarvo {

PrinterCache& SharedPrinterCache() {
    static PrinterCache cache{};
    return cache;
}

void ResetPrinterCache() { SharedPrinterCache() = PrinterCache{}; }

void CacheSettings(const unsigned char* record, std::size_t size) {
    PrinterCache& cache = SharedPrinterCache();
    std::size_t nameLength = strnlen(reinterpret_cast<const char*>(record), size < 31 ? size : 31);
    std::memcpy(cache.record, record, nameLength);
    cache.record[nameLength] = 0;
    for (std::int32_t item = kItemSpecVersion; item <= kItemTrueType; ++item) {
        const SettingsField& field = *FieldOfItem(item);
        const std::size_t width = field.kind == FieldKind::Integer32 ? 4 : 2;
        if (field.offset + width <= size) std::memcpy(cache.record + field.offset, record + field.offset, width);
    }
}

std::string PrnDevice() {
    const char* name = reinterpret_cast<const char*>(SharedPrinterCache().record);
    return std::string(name, strnlen(name, 32));
}
std::string PrnName() { return SharedPrinterCache().printer; }
std::string PrnDrv() { return SharedPrinterCache().driver; }
std::string PrnPort() { return SharedPrinterCache().port; }

std::int32_t ChangeCachedField(std::int32_t item, Opt<std::int32_t> value) {
    unsigned char* record = SharedPrinterCache().record;
    const SettingsField& field = *FieldOfItem(item);
    const std::int32_t old = ReadNumber(record, field);
    if (value.present) WriteField(record, field, value.value);
    return old;
}

std::int32_t PrnResolu(Opt<std::int32_t> value) {
    const std::int32_t old = ChangeCachedField(kItemResolution, value);
    if (value.present) ChangeCachedField(kItemQuality, value);
    return old;
}

}  // namespace tarvo
