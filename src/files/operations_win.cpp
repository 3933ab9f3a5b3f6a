// File and directory operations through the C runtime and Windows.
//
// FIL_FIRST closes a search still open before it starts its own, and the
// unload hook closes the last one, so no search handle is left behind.
// FIL_TREE builds its list as it goes: the capacity bounds the list but is
// not set aside beforehand.
#include <windows.h>

#include <direct.h>
#include <io.h>
#include <lzexpand.h>
#include <winioctl.h>

#include <cstdio>
#include <cstring>

#include "files/operations.h"
#include "files/open_file.h"
#include "files/tree.h"
#include "files/watermark.h"
#include "strings/random.h"

namespace tarvo {
namespace {

// A directory search: names and attributes only (no short names), fetched in
// large batches where Windows offers both; plain FindFirstFile elsewhere.
HANDLE FindFirst(const char* pattern, WIN32_FIND_DATAA* found) {
    constexpr FINDEX_INFO_LEVELS kBasic = static_cast<FINDEX_INFO_LEVELS>(1);
    constexpr DWORD kLargeFetch = 2;
    HANDLE h =
        FindFirstFileExA(pattern, kBasic, found, FindExSearchNameMatch, nullptr, kLargeFetch);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
        h = FindFirstFileA(pattern, found);
    return h;
}

// The process-wide search of FIL_FIRST and FIL_NEXT; none while closed.
HANDLE g_search = INVALID_HANDLE_VALUE;

bool ListDirectory(const std::string& directory, const EntryVisitor& entry) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirst((directory + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    struct Closer {
        HANDLE h;
        ~Closer() { FindClose(h); }
    } closer{search};
    do {
        if (!entry(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0))
            break;
    } while (FindNextFileA(search, &found));
    return true;
}

}  // namespace

bool FileExists(const char* name) { return _access(name, 0) == 0; }

bool SameFile(const char* a, const char* b) {
    auto open = [](const char* name) {
        return CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    };
    OpenFile fa{open(a)}, fb{open(b)};
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (!fa.ok() || !fb.ok() || !GetFileInformationByHandle(fa.h, &ia) ||
        !GetFileInformationByHandle(fb.h, &ib))
        return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

bool FilImmediateCopy(const char* source, const char* target, bool failIfExists) {
    return CopyFileA(source, target, failIfExists) != 0;
}

// The LZ functions keep names in the 128-character path of an OFSTRUCT, so
// longer names never reach them. A target the expansion failed to fill is
// deleted by the full name LZOpenFile found for it.
void FilExpand(const char* source, const char* target) {
    if (std::strlen(source) >= OFS_MAXPATHNAME || std::strlen(target) >= OFS_MAXPATHNAME) return;
    if (SameFile(source, target)) return;
    OFSTRUCT sourceInfo{}, targetInfo{};
    const INT in = LZOpenFileA(const_cast<char*>(source), &sourceInfo, OF_READ);
    if (in < 0) return;
    const INT out = LZOpenFileA(const_cast<char*>(target), &targetInfo, OF_CREATE);
    if (out < 0) {
        LZClose(in);
        return;
    }
    const LONG copied = LZCopy(in, out);
    LZClose(in);
    LZClose(out);
    if (copied < 0) DeleteFileA(targetInfo.szPathName);
}

bool FilDel(const char* file) { return std::remove(file) == 0; }
bool FilRename(const char* from, const char* to) { return std::rename(from, to) == 0; }
bool FilMkDir(const char* directory) { return _mkdir(directory) == 0; }
bool FilRmDir(const char* directory) { return _rmdir(directory) == 0; }
bool FilCd(const char* directory) { return _chdir(directory) == 0; }

void CloseDirectorySearch() {
    if (g_search != INVALID_HANDLE_VALUE) FindClose(g_search);
    g_search = INVALID_HANDLE_VALUE;
}

std::string FilFirst(const char* pattern) {
    CloseDirectorySearch();
    WIN32_FIND_DATAA found;
    g_search = FindFirst(pattern, &found);
    return g_search == INVALID_HANDLE_VALUE ? std::string() : std::string(found.cFileName);
}

std::string FilNext() {
    if (g_search == INVALID_HANDLE_VALUE) return {};
    WIN32_FIND_DATAA found;
    if (FindNextFileA(g_search, &found)) return found.cFileName;
    CloseDirectorySearch();
    return {};
}

std::string FilTree(const char* directory, std::int32_t capacity) {
    std::string list;
    return ListSubdirectories(directory, capacity, list, ListDirectory) ? list : std::string();
}

// The file is opened for reading and writing (existing files only,
// shared), and each character is written in place at a position
// PlaceWatermark draws.
std::string FilWatermark(const char* file, std::string_view mark) {
    OpenFile f{CreateFileA(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!f.ok()) return {};
    const DWORD size = GetFileSize(f.h, nullptr);
    if (mark.size() > kMaxMarkLength || size < mark.size()) return {};
    RandomSeedFromClock();
    return PlaceWatermark(
        size, mark, [] { return RandomNext(RandomState()); },
        [&f](std::uint32_t position, char c) {
            LARGE_INTEGER to;
            to.QuadPart = position;
            if (!SetFilePointerEx(f.h, to, nullptr, FILE_BEGIN)) return MarkWrite::kSeekFailed;
            DWORD written = 0;
            return WriteFile(f.h, &c, 1, &written, nullptr) && written == 1
                       ? MarkWrite::kWritten
                       : MarkWrite::kWriteFailed;
        });
}

bool FilSetCompression(const char* name, bool on) {
    OpenFile f{CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (!f.ok()) return false;
    USHORT state = on ? COMPRESSION_FORMAT_LZNT1 : COMPRESSION_FORMAT_NONE;
    DWORD bytes = 0;
    return DeviceIoControl(f.h, FSCTL_SET_COMPRESSION, &state, sizeof state, nullptr, 0, &bytes,
                           nullptr) != 0;
}

}  // namespace tarvo
