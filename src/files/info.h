// File information: attributes, the status snapshot, times and dates, sizes
// and type, and the names of a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Attributes (info_win.cpp).
std::int32_t FilGetAtt(const char* file);
bool FilSetAtt(const char* file, std::int32_t bits);
// Test n (1 to 8) of the attribute tests: read-only, hidden, system,
// directory, archive, normal, temporary, compressed.
bool TestAttribute(const char* file, std::int32_t n);
template <std::int32_t N>
bool TestAttribute(const char* file) {
    return TestAttribute(file, N);
}

// The status FIL_INFO takes from the C runtime's _stat64, its 64-bit sizes
// and times saturated to 32 bits, kept for the four functions that read it.
struct StatusSnapshot {
    bool valid = false;
    std::int32_t size = 0;
    std::int32_t accessed = 0;  // seconds since 1970-01-01 00:00 UTC
    std::int32_t modified = 0;
    std::int32_t created = 0;
};
StatusSnapshot& Snapshot();
bool FilInfo(const char* file);
template <std::int32_t StatusSnapshot::*Field>
std::int32_t SnapshotValue() {
    return Snapshot().valid ? Snapshot().*Field : -1;
}

// Times and dates.
std::string FilGTime(const char* file, Opt<std::int32_t> which);
std::string FilGDate(const char* file, Opt<std::int32_t> which);
bool FilSetFileTime(const char* file, std::string_view time, Opt<std::int32_t> which);
bool FilSDate(const char* file, std::string_view date, Opt<std::int32_t> which);
std::int32_t FilCompareTime(const char* file1, const char* file2, std::int32_t which);

// Sizes and type.
std::int32_t FilSize(const char* file);  // through the host (info_handlers.cpp)
std::int32_t FilLenCompressed(const char* file);
std::int32_t FilFileType(const char* file);
bool FilAreFileApisAnsi();
const char* FilOwner(const char* file);

// Names: parts of the path given (pieces of the parameter itself).
std::string_view FilSplit(const char* path, std::int32_t part);
std::string_view FilDrive(const char* path);
std::string_view FilPath(const char* path);
std::string_view FilName(const char* path);
std::string_view FilExt(const char* path);
std::string_view FilFName(const char* path);
// Names Windows finds.
std::string FilShortName(const char* path);
std::string FilFullName(const char* path);
std::string FilGetUniversalName(const char* path);
std::string FilGetTempFileName(const char* directory, const char* prefix, std::int32_t unique);
std::string FilWhere(const char* file, const char* variable);
std::string FilFndExe(const char* file, const char* directory);
std::string FilGetFolderLocation(std::int32_t folder);

}  // namespace tarvo
