// The registry as the library names and converts it: the seven root key
// names, the result codes and last-error codes, how a value of each registry
// type reads, and what a host value writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Result codes of the handlers that answer a number, beside the codes of
// the registry calls themselves (0 is success).
inline constexpr std::int32_t kRegKeyNotOpened = 17;      // a value's key could not be opened or made
inline constexpr std::int32_t kRegBadRoot = -14443;       // parameter 1 names no root key
inline constexpr std::int32_t kRegBadRootDeleteValue = 3; // the same, from REG_DELETEVALUE
inline constexpr std::int32_t kRegNotStorable = -14442;   // REG_CREATEVALUE of another type

// The registry last error (REG_GETLASTERROR): -14444 at load and at the start
// of every REG_GETDATA and REG_SETDATA.
inline constexpr std::int32_t kRegNothingRecorded = -14444;
inline constexpr std::int32_t kRegNoBuffer = 1;
inline constexpr std::int32_t kRegNoHeap = 2;
inline constexpr std::int32_t kRegNoRoot = 3;
inline constexpr std::int32_t kRegNoSuchValue = 15;
inline constexpr std::int32_t kRegKeyNotCreated = 16;
std::int32_t& RegistryLastError();

// The root key handle (0x80000000 to 0x80000006) a name stands for, compared
// without regard to ASCII case; 0 for any other text.
std::uint32_t RootKeyOf(std::string_view name);

// How a value of a registry type reads: as text (types 1 and 2), as a number
// (type 4), as a refusal message, or as the empty text; and the last error
// REG_GETDATA records for a value of that type it does not read as text.
struct ValueReading {
    enum Kind { kText, kNumber, kRefused, kEmpty } kind;
    const char* message;      // for kRefused
    std::int32_t enumError;   // REG_GETDATA's last error; kRegNothingRecorded for text
};
ValueReading ReadingOf(std::uint32_t type);

// The text of a string value's data: the bytes up to the first zero.
std::string ValueText(std::string_view data);
// The number of a 32-bit value's data (little-endian; missing bytes are 0).
std::int32_t ValueNumber(std::string_view data);

// What REG_CREATEVALUE writes for a host value: a text as registry type 1
// with its terminating zero; an integer, or a number truncated toward zero
// and held to the 32-bit range (NaN as 0), as type 4; nothing for any other
// type.
struct ValueData {
    bool storable = false;
    std::uint32_t type = 0;
    std::string bytes;
};
ValueData DataOf(const AnyValue& value);

}  // namespace tarvo
