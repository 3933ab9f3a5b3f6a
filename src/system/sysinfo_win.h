// System information: the functions behind the rows that are more than one
// call (sysinfo_win.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/args.h"
#include "host/params.h"
#include "system/sysinfo.h"
#include "system/version_word.h"

namespace tarvo {

std::optional<VersionAnswer> SysOs(std::int32_t selector);
// A byte of the version word the load hook kept (bits 24 to 31, 16 to 23).
template <int Shift>
std::int32_t VersionWordByte() {
    return static_cast<std::int32_t>((VersionWord() >> Shift) & 0xFF);
}
bool SysIsNt();
std::int32_t SysGetBinaryType(const char* file);
std::string SysOsLastError();
std::string SysProcessorArchitecture();
std::int32_t SysGlobalMemoryStatus(Opt<std::int32_t> selector);
bool SysIsPen();
bool SysJoystickCaps(std::int32_t joystick);
std::string SysGetLocalTime();
void SysSplitTime(Ref year, Ref month, Ref day, Ref hour, Ref minute, Ref second, Ref millisecond);
std::variant<std::int32_t, std::string> SysGetTimeZoneInformation(std::int32_t selector);
const char* SysGetCommandLine();
std::int32_t SysGetHInstance();
std::string SysExeNam();
std::string SysModuleName(std::int32_t module);
std::int32_t SysModuleHandle(std::string_view name);
std::string SysGetTempPath();
inline constexpr std::size_t kLongestAccountName = 32767;
std::string SysLookupDomain(std::string_view account);

// A module handle as an integer result: the handle of the 32-bit product as
// it is; in the 64-bit test flavour a handle above 4 GB, which no 32-bit
// integer can carry, answers -1 like a module that is not there.
std::int32_t ModuleNumber(const void* module);
// The module an integer names back.
void* ModuleOf(std::int32_t number);
// The full path of a module's file, of any length; empty when there is none.
std::string ModuleFileName(void* module);

}  // namespace tarvo
