// The archive exports: zip.h on Windows files. The platform part is the file
// time (the local time of the last write, as the system shows it) and the
// final move over the target.
#include <windows.h>

#include <new>

#include "kernel/exports.h"
#include "kernel/zip.h"

namespace {

bool WinModTime(const char* path, std::uint32_t* dosDateTime) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    WORD date = 0, time = 0;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local))
        return false;
    if (!FileTimeToDosDateTime(&local, &date, &time)) {
        // Outside 1980 to 2107: clamp the way DosDateTime does.
        SYSTEMTIME st;
        if (!FileTimeToSystemTime(&local, &st)) return false;
        *dosDateTime = knl::DosDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
        return true;
    }
    *dosDateTime = (std::uint32_t(date) << 16) | time;
    return true;
}

bool WinReplace(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
    // Windows 95 and 98 have no MoveFileEx.
    if (GetFileAttributesA(to) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(to)) return false;
    return MoveFileA(from, to) != 0;
}

void WinSetModTime(const char* path, std::uint32_t dosDateTime) {
    FILETIME local, utc;
    if (!DosDateTimeToFileTime(static_cast<WORD>(dosDateTime >> 16), static_cast<WORD>(dosDateTime),
                               &local) ||
        !LocalFileTimeToFileTime(&local, &utc))
        return;
    HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    SetFileTime(h, nullptr, nullptr, &utc);
    CloseHandle(h);
}

const knl::ZipFileOps kWinOps{WinModTime, WinReplace, WinSetModTime};

}  // namespace

extern "C" {

int KNL_CALL k_TARVO_QX_FIL_zip(const char* source, const char* target) {
    try {
        return knl::ZipFile(source, target, kWinOps);
    } catch (...) {
        return knl::kZipNoMemory;
    }
}

int KNL_CALL k_TARVO_QX_FIL_unzip(const char* source, const char* target) {
    try {
        return knl::UnzipFile(source, target, kWinOps);
    } catch (...) {
        return knl::kZipNoMemory;
    }
}

}  // extern "C"
