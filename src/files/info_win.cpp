// File information through Windows and the C runtime. Files are opened for
// reading only (generic read, sharing for reading and writing, existing
// files only) unless a function writes, and closed before it returns.
// Names Windows finds are written into areas that grow to what Windows asks
// for (GrownText).
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <sys/stat.h>
#include <winnetwk.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "files/connections_win.h"
#include "files/file_times.h"
#include "files/info.h"
#include "files/names.h"
#include "files/open_file.h"
#include "host/grown_text.h"
#include "host/services.h"

namespace tarvo {
namespace {

HANDLE OpenForReading(const char* file) {
    return CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::int32_t Saturated(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// The file's three times and the one chosen among them.
struct FileTimes {
    FILETIME created{}, accessed{}, written{};
    FILETIME& Pick(WhichTime which) {
        return which == WhichTime::kLastWrite    ? written
               : which == WhichTime::kLastAccess ? accessed
                                                 : created;
    }
};

// The local time of the chosen time as DOS date and time words.
bool LocalDosTime(const char* file, Opt<std::int32_t> which, WORD* date, WORD* time) {
    OpenFile f{OpenForReading(file)};
    FileTimes t;
    if (!f.ok() || !GetFileTime(f.h, &t.created, &t.accessed, &t.written)) return false;
    FILETIME local;
    return FileTimeToLocalFileTime(&t.Pick(ChooseTime(which)), &local) &&
           FileTimeToDosDateTime(&local, date, time);
}

// Sets the chosen time of the file from its stored (UTC) DOS date and time
// with the date or the time replaced: a new time is taken as local time, a
// new date as the UTC date.
bool ReplaceDosPart(const char* file, Opt<std::int32_t> which, std::optional<WORD> newDate,
                    std::optional<WORD> newTime) {
    OpenFile f{CreateFileA(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    FileTimes t;
    if (!f.ok() || !GetFileTime(f.h, &t.created, &t.accessed, &t.written)) return false;
    const WhichTime chosen = ChooseTime(which);
    FILETIME& stored = t.Pick(chosen);
    WORD date, time;
    if (!FileTimeToDosDateTime(&stored, &date, &time)) return false;
    if (newTime) {
        FILETIME local;
        DosDateTimeToFileTime(date, *newTime, &local);
        LocalFileTimeToFileTime(&local, &stored);
    } else {
        DosDateTimeToFileTime(*newDate, time, &stored);
    }
    return SetFileTime(f.h, chosen == WhichTime::kCreation ? &stored : nullptr,
                       chosen == WhichTime::kLastAccess ? &stored : nullptr,
                       chosen == WhichTime::kLastWrite ? &stored : nullptr) != 0;
}

}  // namespace

// --- attributes ------------------------------------------------------------

std::int32_t FilGetAtt(const char* file) {
    return static_cast<std::int32_t>(GetFileAttributesA(file));
}

bool FilSetAtt(const char* file, std::int32_t bits) {
    return SetFileAttributesA(file, static_cast<DWORD>(bits)) != 0;
}

bool TestAttribute(const char* file, std::int32_t n) {
    static const DWORD kBits[8] = {FILE_ATTRIBUTE_READONLY,  FILE_ATTRIBUTE_HIDDEN,
                                   FILE_ATTRIBUTE_SYSTEM,    FILE_ATTRIBUTE_DIRECTORY,
                                   FILE_ATTRIBUTE_ARCHIVE,   FILE_ATTRIBUTE_NORMAL,
                                   FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_COMPRESSED};
    const DWORD attributes = GetFileAttributesA(file);
    if (attributes == INVALID_FILE_ATTRIBUTES || n < 1 || n > 8) return false;
    return (attributes & kBits[n - 1]) != 0;
}

// --- status snapshot -------------------------------------------------------

StatusSnapshot& Snapshot() {
    static StatusSnapshot snapshot;
    return snapshot;
}

bool FilInfo(const char* file) {
    struct __stat64 st;
    StatusSnapshot s;
    s.valid = _stat64(file, &st) == 0;
    if (s.valid) {
        s.size = Saturated(st.st_size);
        s.accessed = Saturated(st.st_atime);
        s.modified = Saturated(st.st_mtime);
        s.created = Saturated(st.st_ctime);
    }
    Snapshot() = s;
    return s.valid;
}

// --- times and dates -------------------------------------------------------

std::string FilGTime(const char* file, Opt<std::int32_t> which) {
    WORD date, time;
    return LocalDosTime(file, which, &date, &time) ? DosTimeText(time) : std::string();
}

std::string FilGDate(const char* file, Opt<std::int32_t> which) {
    WORD date, time;
    return LocalDosTime(file, which, &date, &time) ? DosDateText(date) : std::string();
}

bool FilSetFileTime(const char* file, std::string_view text, Opt<std::int32_t> which) {
    const std::optional<std::uint16_t> time = DosTimeOfText(text);
    return time && ReplaceDosPart(file, which, std::nullopt, *time);
}

bool FilSDate(const char* file, std::string_view text, Opt<std::int32_t> which) {
    const std::optional<std::uint16_t> date = DosDateOfText(text);
    return date && ReplaceDosPart(file, which, *date, std::nullopt);
}

std::int32_t FilCompareTime(const char* file1, const char* file2, std::int32_t which) {
    FILETIME chosen[2] = {};
    const char* files[2] = {file1, file2};
    for (int i = 0; i < 2; ++i) {
        OpenFile f{OpenForReading(files[i])};
        FileTimes t;
        if (f.ok() && GetFileTime(f.h, &t.created, &t.accessed, &t.written))
            chosen[i] = t.Pick(ChooseTime(which));
    }
    return CompareFileTime(&chosen[0], &chosen[1]);
}

// --- sizes and type --------------------------------------------------------

std::int32_t FilLenCompressed(const char* file) {
    return static_cast<std::int32_t>(GetCompressedFileSizeA(file, nullptr));
}

std::int32_t FilFileType(const char* file) {
    OpenFile f{OpenForReading(file)};
    return f.ok() ? static_cast<std::int32_t>(GetFileType(f.h)) : -1;
}

bool FilAreFileApisAnsi() { return AreFileApisANSI() != 0; }

// The top bit of GetVersion marks the Windows 95 family.
const char* FilOwner(const char* file) {
    if (GetVersion() & 0x80000000u) return "No NT";
    OpenFile f{OpenForReading(file)};
    return f.ok() ? "OK" : "KO";
}

// --- names Windows finds -----------------------------------------------------

std::string FilShortName(const char* path) {
    return GrownText([&](char* area, DWORD size) { return GetShortPathNameA(path, area, size); });
}

std::string FilFullName(const char* path) {
    return GrownText(
        [&](char* area, DWORD size) { return GetFullPathNameA(path, size, area, nullptr); });
}

// The connected disk resources are enumerated until one whose local name
// starts with the path's drive letter.
std::string FilGetUniversalName(const char* path) {
    const char drive =
        (path[0] >= 'a' && path[0] <= 'z') ? static_cast<char>(path[0] - 32) : path[0];
    if (drive < 'A' || drive > 'Z' || path[1] != ':' || path[2] != '\\') return {};
    std::string remote;
    EachConnection(RESOURCETYPE_DISK, [&](const NETRESOURCEA& resource) {
        const char* local = resource.lpLocalName;
        if (!local) return true;
        const char first =
            (local[0] >= 'a' && local[0] <= 'z') ? static_cast<char>(local[0] - 32) : local[0];
        if (first != drive) return true;
        remote = resource.lpRemoteName ? resource.lpRemoteName : "";
        return false;
    });
    return remote;
}

// GetTempFileName writes into a MAX_PATH area: a directory that leaves no
// room there for the 14 characters of a name is not passed to it.
std::string FilGetTempFileName(const char* directory, const char* prefix, std::int32_t unique) {
    if (std::strlen(directory) >= MAX_PATH - 14) return {};
    char name[MAX_PATH] = "";
    if (GetTempFileNameA(directory, prefix, static_cast<UINT>(unique), name) == 0) return {};
    return name;
}

// The current directory is tried through the file's own name, then the
// candidates SearchCandidates makes of the variable's list.
std::string FilWhere(const char* file, const char* variable) {
    if (!*file) return {};
    if (GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES) return FilFullName(file);
    const std::string value = GrownText(
        [&](char* area, DWORD size) { return GetEnvironmentVariableA(variable, area, size); });
    if (value.empty()) return {};
    for (const std::string& candidate : SearchCandidates(file, value))
        if (GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    return {};
}

// FindExecutable writes into a MAX_PATH area and takes no longer names, so
// longer ones are not passed to it.
std::string FilFndExe(const char* file, const char* directory) {
    if (std::strlen(file) >= MAX_PATH || std::strlen(directory) >= MAX_PATH) return {};
    char program[MAX_PATH] = "";
    const auto answer = reinterpret_cast<INT_PTR>(FindExecutableA(file, directory, program));
    return answer > 32 ? std::string(program) : std::string();
}

// The host's main window owns any dialog the shell shows; a virtual folder
// has an item list but no path.
std::string FilGetFolderLocation(std::int32_t folder) {
    const HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow()));
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(owner, folder, &list) != S_OK || !list) return {};
    char path[MAX_PATH] = "";
    const BOOL ok = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return ok ? std::string(path) : std::string();
}

}  // namespace tarvo
