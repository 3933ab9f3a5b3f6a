// System information as the library answers it: the selectors of the
// version, memory and time-zone questions, the renumbered executable types,
// the processor names, the local time as text and the equipment word.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace tarvo {

// A count as a 32-bit integer result: counts above 2147483647 (memory sizes
// and addresses of a 64-bit process, 4 GB page files) are held there.
constexpr std::int32_t Saturated32(std::uint64_t n) {
    return n > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(n);
}

// What GetVersionEx tells.
struct VersionRecord {
    std::uint32_t major = 0, minor = 0, build = 0, platform = 0;
    std::string servicePack;
};
// SYS_OS's item: 1 major, 2 minor, 3 build, 4 platform, 5 the service-pack
// text; any other selector .F..
using VersionAnswer = std::variant<std::int32_t, std::string, bool>;
VersionAnswer VersionItem(const VersionRecord& version, std::int32_t selector);

// The platform's executable type (SCS_*) renumbered: 32-bit Windows 1, DOS 2,
// 16-bit OS/2 3, PIF 4, POSIX 5, 16-bit Windows 6; anything else (a 64-bit
// program, a failed question) 0.
std::int32_t BinaryTypeCode(std::optional<std::uint32_t> platformType);

// The name of a processor architecture (the low 16 bits of the system
// information's first field).
const char* ArchitectureName(std::uint32_t oemField);

// The counts of GlobalMemoryStatus. SYS_GLOBALMEMORYSTATUS's selector: 2
// total physical, 3 available physical, 4 total page file, 5 available page
// file, 6 total virtual, 7 available virtual; any other (or none) the memory
// load in percent.
struct MemoryCounts {
    std::uint32_t load = 0;
    std::uint64_t totalPhysical = 0, availablePhysical = 0, totalPageFile = 0,
                  availablePageFile = 0, totalVirtual = 0, availableVirtual = 0;
};
std::int32_t MemoryItem(const MemoryCounts& counts, std::int32_t selector);

// The local time's eight fields as "%d-%d-%d-%d-%d-%d-%d-%d": year, month,
// day, day of the week (0 Sunday), hour, minute, second, millisecond.
struct ClockRecord {
    int year, month, dayOfWeek, day, hour, minute, second, millisecond;
};
std::string LocalTimeText(const ClockRecord& t);

// The time zone as GetTimeZoneInformation tells it, the names already in
// the ANSI code page.
struct ZoneRecord {
    std::int32_t bias = 0, standardBias = 0, daylightBias = 0;
    std::string standardName, daylightName;
};
// SYS_GETTIMEZONEINFORMATION's item: 1 the bias, 2 the standard name, 4 the
// standard bias, 5 the daylight name, 7 the daylight bias; 3 and 6 "Not yet
// supported"; any other "Don't know what you want".
std::variant<std::int32_t, std::string> ZoneItem(const ZoneRecord& zone, std::int32_t selector);

// The equipment word the library keeps: zero from load on, and nothing
// changes it, so the answers below never change.
inline constexpr std::uint16_t kEquipmentWord = 0;
template <int Shift, int Mask, int Add = 0>
constexpr std::int32_t EquipmentField() {
    return ((kEquipmentWord >> Shift) & Mask) + Add;
}
template <int Bit>
constexpr bool EquipmentBitSet() {
    return ((kEquipmentWord >> Bit) & 1) != 0;
}
template <int Bit>
constexpr bool EquipmentBitClear() {
    return !EquipmentBitSet<Bit>();
}

}  // namespace tarvo
