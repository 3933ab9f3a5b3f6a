#include <windows.h>

#include <string>

#include "files/open_file.h"
#include "messaging/post_office.h"
#include "messaging/post_office_files.h"

namespace tarvo {
namespace {

// The lock's byte range, far behind any post office file's end.
constexpr DWORD kLockOffsetLow = 0xFFFFFFF0;
constexpr DWORD kLockOffsetHigh = 0x7F;
// How many existing message files a sender steps over before giving up.
constexpr int kMostNumbersTried = 100000;

// The post office file locked for this sender while it lives.
struct LockedFile {
    OpenFile file;
    bool writable = false;
    bool locked = false;
    OVERLAPPED range{};

    explicit LockedFile(const std::string& path) {
        const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        file.h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        writable = file.ok();
        if (!writable)  // a read-only post office still delivers; its counters stay
            file.h = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (!file.ok()) return;
        range.Offset = kLockOffsetLow;
        range.OffsetHigh = kLockOffsetHigh;
        locked = LockFileEx(file.h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &range) != 0;
    }
    ~LockedFile() {
        if (locked) UnlockFileEx(file.h, 0, 1, 0, &range);
    }

    std::string Read() const {
        std::string text;
        if (!file.ok()) return text;
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.h, &size) || size.QuadPart > 64 * 1024 * 1024) return text;
        text.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        SetFilePointer(file.h, 0, nullptr, FILE_BEGIN);
        if (!text.empty() && !ReadFile(file.h, text.data(), static_cast<DWORD>(text.size()), &got, nullptr))
            got = 0;
        text.resize(got);
        return text;
    }

    // As the profile functions' writes, not checked.
    void Write(const std::string& text) const {
        if (!writable) return;
        DWORD put = 0;
        SetFilePointer(file.h, 0, nullptr, FILE_BEGIN);
        WriteFile(file.h, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
        SetEndOfFile(file.h);
    }
};

std::string ProfilePath(const std::string& name) {
    if (!InWindowsDirectory(name)) return name;
    char dir[MAX_PATH];
    const UINT n = GetWindowsDirectoryA(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return name;
    return std::string(dir, n) + "\\" + name;
}

std::string CannotOpen(const std::string& path) {
    return "Cannot open " + path + " in Post Office";
}

// The message under a temporary name in the destination's directory (one
// of this sender's own, which no reader of *.msg files lists); the name is
// empty when it could not be written. `created` tells whether the file could
// be made at all.
std::string WriteTemporary(const std::string& directory, const std::string& content, bool* created) {
    const std::string name = directory + "\\tarvo-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetCurrentThreadId()) + ".tmp";
    bool written = false;
    {
        OpenFile f;
        f.h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        *created = f.ok();
        if (!*created) return {};
        DWORD put = 0;
        written = WriteFile(f.h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr) &&
                  put == content.size();
    }
    if (!written) {
        DeleteFileA(name.c_str());
        return {};
    }
    return name;
}

}  // namespace

std::string DeliverMessage(const std::string& postOffice, std::string_view destination,
                           const std::string& content) {
    LockedFile office(ProfilePath(postOffice));
    const std::string text = office.Read();
    Delivery d = PlanDelivery(text, destination);
    if (!d.outcome.empty()) return d.outcome;

    auto pathOf = [&](std::int64_t n) { return d.directory + "\\" + MessageFileName(n); };
    bool created = false;
    const std::string temporary = WriteTemporary(d.directory, content, &created);
    if (!created) return CannotOpen(pathOf(d.number));
    if (temporary.empty()) return kCannotWriteMessage;
    for (int tries = 0;; ++tries, ++d.number) {
        if (MoveFileExA(temporary.c_str(), pathOf(d.number).c_str(), 0)) break;
        const DWORD error = GetLastError();
        if ((error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) ||
            tries == kMostNumbersTried) {
            DeleteFileA(temporary.c_str());
            return CannotOpen(pathOf(d.number));
        }
    }
    office.Write(RecordDelivery(text, d.number));
    return kPostOfficeDone;
}

}  // namespace tarvo
