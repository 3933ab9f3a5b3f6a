// The file operations the tables share (runner/tables.cpp): reads and
// writes at an offset, sizes, and byte-range locks that fail at once.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "hostdata/dbf.h"

namespace tarvo::run {

bool ReadFileAt(HANDLE f, std::uint64_t at, void* buf, std::size_t n);
bool WriteFileAt(HANDLE f, std::uint64_t at, const void* buf, std::size_t n);
std::uint64_t FileSizeOf(HANDLE f);
// The header date: today.
void Stamp(dbf::Header& h);

inline bool LockBytes(HANDLE f, std::uint32_t at, std::uint32_t n) {
    OVERLAPPED o{};
    o.Offset = at;
    return LockFileEx(f, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, n, 0, &o) != 0;
}
inline void UnlockBytes(HANDLE f, std::uint32_t at, std::uint32_t n) {
    OVERLAPPED o{};
    o.Offset = at;
    UnlockFileEx(f, 0, n, 0, &o);
}

}  // namespace tarvo::run
