#include "system/sysinfo.h"

#include <cstdio>

namespace tarvo {

VersionAnswer VersionItem(const VersionRecord& version, std::int32_t selector) {
    switch (selector) {
    case 1: return static_cast<std::int32_t>(version.major);
    case 2: return static_cast<std::int32_t>(version.minor);
    case 3: return static_cast<std::int32_t>(version.build);
    case 4: return static_cast<std::int32_t>(version.platform);
    case 5: return version.servicePack;
    default: return false;
    }
}

std::int32_t BinaryTypeCode(std::optional<std::uint32_t> platformType) {
    // SCS_32BIT_BINARY, SCS_DOS_BINARY, SCS_WOW_BINARY, SCS_PIF_BINARY,
    // SCS_POSIX_BINARY, SCS_OS216_BINARY.
    static constexpr std::int32_t kCodes[] = {1, 2, 6, 4, 5, 3};
    if (!platformType || *platformType >= std::size(kCodes)) return 0;
    return kCodes[*platformType];
}

const char* ArchitectureName(std::uint32_t oemField) {
    switch (oemField & 0xFFFF) {
    case 0: return "Intel";
    case 1: return "MIPS";
    case 2: return "Alpha";
    case 3: return "PowerPC";
    default: return "Unknown";
    }
}

std::int32_t MemoryItem(const MemoryCounts& c, std::int32_t selector) {
    switch (selector) {
    case 2: return Saturated32(c.totalPhysical);
    case 3: return Saturated32(c.availablePhysical);
    case 4: return Saturated32(c.totalPageFile);
    case 5: return Saturated32(c.availablePageFile);
    case 6: return Saturated32(c.totalVirtual);
    case 7: return Saturated32(c.availableVirtual);
    default: return static_cast<std::int32_t>(c.load);
    }
}

std::string LocalTimeText(const ClockRecord& t) {
    char text[100];
    std::snprintf(text, sizeof text, "%d-%d-%d-%d-%d-%d-%d-%d", t.year, t.month, t.day, t.dayOfWeek,
                  t.hour, t.minute, t.second, t.millisecond);
    return text;
}

std::variant<std::int32_t, std::string> ZoneItem(const ZoneRecord& zone, std::int32_t selector) {
    switch (selector) {
    case 1: return zone.bias;
    case 2: return zone.standardName;
    case 4: return zone.standardBias;
    case 5: return zone.daylightName;
    case 7: return zone.daylightBias;
    case 3:
    case 6: return std::string("Not yet supported");
    default: return std::string("Don't know what you want");
    }
}

}  // namespace tarvo
