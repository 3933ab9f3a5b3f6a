// The tables: opening, creating and closing them, and their files.
#include "runner/tables.h"

#include <cstring>

#include "kernel/calendar.h"
#include "runner/host.h"
#include "runner/table_files.h"

namespace tarvo::run {
namespace {

constexpr int kErrFileMissing = 1;
constexpr int kErrFileInUse = 3;
constexpr int kErrSyntax = 10;
constexpr int kErrNotATable = 15;
constexpr int kErrAliasInUse = 24;
constexpr int kErrMemoFile = 41;
constexpr int kErrAccessDenied = 1705;
constexpr int kErrInvalidTable = 11;  // the definition cannot make a table
constexpr int kErrWriting = 1105;

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

std::string FullPath(const std::string& name) {
    char buf[MAX_PATH * 2];
    const DWORD n = GetFullPathNameA(name.c_str(), sizeof buf, buf, nullptr);
    return n && n < sizeof buf ? std::string(buf, n) : name;
}

std::string BaseName(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    return base.substr(0, base.find('.'));
}

bool HasExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

std::string MemoPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.find_last_of("\\/:");
    return (dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path) +
           ".fpt";
}

std::string TempTablePath() {
    static int count = 0;
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "tarvo-cursor-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++count) + ".dbf";
}

// The alias the host gives a work area when the file's own name is taken:
// A to J, then W11 on.
std::string AreaAlias(int area) {
    return area <= 10 ? std::string(1, static_cast<char>('A' + area - 1)) : "W" + std::to_string(area);
}

bool ValidAlias(const std::string& a) {
    if (a.empty() || !((a[0] >= 'A' && a[0] <= 'Z') || a[0] == '_')) return false;
    for (char c : a)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

}  // namespace

// Positioned reads and writes go through the file pointer: Wine answers a
// ReadFile or WriteFile given an OVERLAPPED on a synchronous handle with a
// round trip to its server, where a seek and a plain read stay in the
// process.
bool ReadFileAt(HANDLE f, std::uint64_t at, void* buf, std::size_t n) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(at);
    DWORD got = 0;
    return SetFilePointerEx(f, to, nullptr, FILE_BEGIN) &&
           ReadFile(f, buf, static_cast<DWORD>(n), &got, nullptr) && got == n;
}

bool WriteFileAt(HANDLE f, std::uint64_t at, const void* buf, std::size_t n) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(at);
    DWORD done = 0;
    return SetFilePointerEx(f, to, nullptr, FILE_BEGIN) &&
           WriteFile(f, buf, static_cast<DWORD>(n), &done, nullptr) && done == n;
}

std::uint64_t FileSizeOf(HANDLE f) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(f, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
}

void Stamp(dbf::Header& h) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    h.year = st.wYear;
    h.month = st.wMonth;
    h.day = st.wDay;
}

IndexKey KeyOf(const Value& v) {
    IndexKey k;
    switch (v.type) {
    case 'C': case 'M': k.isText = true; k.text = v.text; break;
    case 'D': case 'T': k.number = v.number; break;
    case 'L': k.number = v.logical ? 1 : 0; break;
    default: k.number = v.asNumber(); break;
    }
    return k;
}

Tables::~Tables() { CloseAll(); }

int Tables::Fail(int error, const std::string& text) {
    message = text;
    return error;
}

int Tables::Find(const std::string& alias) const {
    if (alias.empty()) return open.count(current) ? current : 0;
    for (const auto& [area, t] : open)
        if (t.alias == alias) return area;
    return 0;
}

Table* Tables::At(int area) {
    auto it = open.find(Area(area));
    return it == open.end() ? nullptr : &it->second;
}

int Tables::FieldNumber(int area, const std::string& name) {
    Table* t = At(area);
    if (!t) return 0;
    for (std::size_t i = 0; i < t->header.fields.size(); ++i)
        if (t->header.fields[i].name == name) return static_cast<int>(i) + 1;
    return 0;
}

int Tables::FreeArea() const {
    int area = 1;
    while (open.count(area)) ++area;
    return area;
}

std::uint64_t Tables::Changes(const std::string& path) const {
    auto it = changes_.find(path);
    return it == changes_.end() ? 0 : it->second;
}

int Tables::Create(int area, const std::string& file, const std::string& alias, std::vector<dbf::Field> fields,
                   bool cursor) {
    area = Area(area);
    std::string path = cursor ? TempTablePath() : FullPath(HasExtension(file) ? file : file + ".dbf");
    std::string name = Upper(alias.empty() ? BaseName(path) : alias);
    if (!ValidAlias(name)) return Fail(kErrSyntax);
    const int other = Find(name);
    if (other && other != area) return Fail(kErrAliasInUse);
    Table t;
    if (std::string why = dbf::Layout(std::move(fields), &t.header); !why.empty())
        return Fail(kErrInvalidTable, "The table cannot be created: " + why + ".");
    Stamp(t.header);
    Close(area);
    for (const auto& [a, o] : open)
        if (o.path == path) return Fail(kErrFileInUse);
    t.file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         cursor ? FILE_ATTRIBUTE_TEMPORARY : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (t.file == INVALID_HANDLE_VALUE)
        return Fail(GetLastError() == ERROR_SHARING_VIOLATION ? kErrAccessDenied : 202);
    std::vector<unsigned char> bytes = dbf::EncodeHeader(t.header);
    bytes.push_back(dbf::kEndOfFile);
    if (!WriteFileAt(t.file, 0, bytes.data(), bytes.size()) ||
        (t.header.HasMemo() && !t.memo.Create(*channels, MemoPath(path)))) {
        CloseHandle(t.file);
        DeleteFileA(path.c_str());
        return Fail(kErrWriting);
    }
    t.path = path;
    t.alias = name;
    t.cursor = cursor;
    t.exclusive = true;
    t.memo.shared = false;
    open[area] = std::move(t);
    return GoTop(area);
}

int Tables::Use(int area, const std::string& file, const std::string& alias, bool again, int share,
                bool noUpdate) {
    area = Area(area);
    const std::string path = FullPath(HasExtension(file) ? file : file + ".dbf");
    const Table* same = nullptr;
    for (const auto& [a, o] : open)
        if (a != area && o.path == path) same = &o;
    if (same && !again) return Fail(kErrFileInUse);
    std::string name = Upper(alias.empty() ? BaseName(path) : alias);
    const int other = name.empty() ? 0 : Find(name);
    if ((other && other != area) || !ValidAlias(name)) {
        if (!alias.empty()) return Fail(ValidAlias(name) ? kErrAliasInUse : kErrSyntax);
        name = AreaAlias(area);
        if (Find(name) && Find(name) != area) return Fail(kErrAliasInUse);
    }
    Close(area);  // what was open here goes first, as the host does
    Table t;
    t.path = path;
    t.alias = name;
    t.readOnly = noUpdate;
    t.exclusive = same ? same->exclusive : share == 0 ? exclusive : share == 2;
    if (same && same->exclusive) {
        // This process holds the file: the new area shares its handle.
        DuplicateHandle(GetCurrentProcess(), same->file, GetCurrentProcess(), &t.file, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        t.readOnly = t.readOnly || same->readOnly;
    } else {
        const DWORD shareMode = t.exclusive ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
        t.file = CreateFileA(path.c_str(), GENERIC_READ | (noUpdate ? 0 : GENERIC_WRITE), shareMode, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (t.file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED && !noUpdate) {
            t.file = CreateFileA(path.c_str(), GENERIC_READ, shareMode, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
            t.readOnly = true;
        }
    }
    if (t.file == INVALID_HANDLE_VALUE) {
        const DWORD why = GetLastError();
        if (why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND)
            return Fail(kErrFileMissing, "File '" + path + "' does not exist.");
        return Fail(kErrAccessDenied, "File access is denied.");
    }
    const std::uint64_t size = FileSizeOf(t.file);
    unsigned char first[dbf::kHeaderBase] = {};
    std::vector<unsigned char> bytes;
    dbf::Fault fault = dbf::Fault::NotATable;
    if (size >= sizeof first && ReadFileAt(t.file, 0, first, sizeof first)) {
        bytes.resize(std::max<std::size_t>(sizeof first, dbf::AnnouncedHeaderSize(first)));
        if (bytes.size() > size) bytes.resize(static_cast<std::size_t>(size));
        fault = ReadFileAt(t.file, 0, bytes.data(), bytes.size()) ? dbf::DecodeHeader(bytes, size, &t.header)
                                                                   : dbf::Fault::Corrupt;
    }
    int error = 0;
    if (fault == dbf::Fault::NotATable)
        error = Fail(kErrNotATable, "File '" + path + "' is not a table.");
    else if (fault == dbf::Fault::Corrupt)
        error = Corrupt(path);
    else if (t.header.HasMemo() && !t.memo.Open(*channels, MemoPath(path)))
        error = Fail(kErrMemoFile, "Memo file '" + MemoPath(path) + "' is missing or is invalid.");
    if (error) {
        t.memo.Close(*channels);
        CloseHandle(t.file);
        return error;
    }
    t.memo.shared = !t.exclusive;
    // The tags built on this file earlier in the session come back with it.
    if (keyCompiler)
        for (const auto& [tag, expression] : definitions_[path])
            if (auto key = keyCompiler(expression)) t.tags.push_back(Tag{tag, expression, key, {}, {}, ~0ull});
    open[area] = std::move(t);
    return GoTop(area);
}

void Tables::Close(int area) {
    auto it = open.find(Area(area));
    if (it == open.end()) return;
    Table& t = it->second;
    Settle(t);
    Unlock(it->first);
    if (channels) t.memo.Close(*channels);
    CloseHandle(t.file);
    if (t.cursor) {
        DeleteFileA(t.path.c_str());
        if (!t.memo.path.empty()) DeleteFileA(t.memo.path.c_str());
    }
    open.erase(it);
}

void Tables::CloseAll() {
    while (!open.empty()) Close(open.begin()->first);
    current = 1;
}

}  // namespace tarvo::run
