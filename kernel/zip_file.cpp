// The archive functions on named files, over the stream functions of zip.cpp.
#include <sys/stat.h>
#include <utime.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <new>
#include <string>

#include "kernel/kernel_api.h"
#include "kernel/zip.h"

namespace knl {
namespace {

// Opens the input: the stream, or -4 when it does not exist and -1 when it
// exists but cannot be opened.
int OpenInput(const char* path, std::FILE** f) {
    *f = nullptr;
    if (!path || !*path) return kZipInputMissing;
    *f = std::fopen(path, "rb");
    if (!*f) return (errno == ENOENT || errno == ENOTDIR) ? kZipInputMissing : kZipInputOpen1;
    struct stat st;
    if (stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {  // some systems open directories
        std::fclose(*f);
        *f = nullptr;
        return kZipInputOpen1;
    }
    return kZipOk;
}

bool Exists(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return errno != ENOENT && errno != ENOTDIR;
    std::fclose(f);
    return true;
}

// A new, empty temporary file beside target (same directory, so that the
// final move is a rename): target plus ".~kn" and a number.
std::FILE* CreateTempBeside(const char* target, std::string* name) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        *name = std::string(target) + ".~kn" + std::to_string((serial++ + std::time(nullptr)) % 100000);
        if (Exists(*name)) continue;
        return std::fopen(name->c_str(), "w+b");
    }
    return nullptr;
}

using StreamFn = int (*)(std::FILE* in, std::FILE* out, const char* source, std::uint32_t* stamp,
                         const ZipFileOps& ops);

// Shared by both directions: open the input, write a temporary file, move it
// over the target on success and remove it on failure.
int Transform(const char* source, const char* target, const ZipFileOps& ops, StreamFn work,
              bool restoreTime) {
    std::FILE* in = nullptr;
    int status = OpenInput(source, &in);
    if (status != kZipOk) return status;
    if (!target || !*target) {
        std::fclose(in);
        return kZipOutputOpen;
    }
    try {
        std::string tempName;
        std::FILE* out = CreateTempBeside(target, &tempName);
        if (!out) {
            std::fclose(in);
            return kZipOutputOpen;
        }
        std::uint32_t stamp = 0;
        status = work(in, out, source, &stamp, ops);
        std::fclose(in);
        if (std::fclose(out) != 0 && status == kZipOk) status = kZipOutputOpen;
        if (status == kZipOk && !ops.replace(tempName.c_str(), target)) status = kZipOutputOpen;
        if (status != kZipOk) {
            std::remove(tempName.c_str());
            return status;
        }
        if (restoreTime && ops.setModTime) ops.setModTime(target, stamp);
        return kZipOk;
    } catch (const std::bad_alloc&) {
        std::fclose(in);
        return kZipNoMemory;
    }
}

int CompressWork(std::FILE* in, std::FILE* out, const char* source, std::uint32_t*,
                 const ZipFileOps& ops) {
    std::uint32_t stamp = DosDateTime(1980, 1, 1, 0, 0, 0);
    if (ops.modTime && !ops.modTime(source, &stamp)) stamp = DosDateTime(1980, 1, 1, 0, 0, 0);
    return ZipWrite(in, out, ZipEntryName(source), stamp);
}

int ExpandWork(std::FILE* in, std::FILE* out, const char*, std::uint32_t* stamp, const ZipFileOps&) {
    return ZipRead(in, out, stamp);
}

bool StdioModTime(const char* path, std::uint32_t* dosDateTime) {
    struct stat st;
    if (stat(path, &st) != 0) return false;
    const std::time_t t = st.st_mtime;
    const std::tm* tm = std::localtime(&t);
    if (!tm) return false;
    *dosDateTime = DosDateTime(tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday, tm->tm_hour,
                               tm->tm_min, tm->tm_sec);
    return true;
}

bool StdioReplace(const char* from, const char* to) {
    if (std::rename(from, to) == 0) return true;
    // Runtimes whose rename does not replace an existing file; only a plain
    // file is ever removed for it.
    struct stat st;
    if (stat(to, &st) != 0 || !S_ISREG(st.st_mode) || std::remove(to) != 0) return false;
    return std::rename(from, to) == 0;
}

void StdioSetModTime(const char* path, std::uint32_t dosDateTime) {
    std::tm tm{};
    SplitDosDateTime(dosDateTime, &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour, &tm.tm_min,
                     &tm.tm_sec);
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    if (t == static_cast<std::time_t>(-1)) return;
    struct utimbuf times;
    times.actime = t;
    times.modtime = t;
    utime(path, &times);
}

}  // namespace

const ZipFileOps& StdioZipFileOps() {
    static const ZipFileOps ops{StdioModTime, StdioReplace, StdioSetModTime};
    return ops;
}

int ZipFile(const char* source, const char* target, const ZipFileOps& ops) {
    return Transform(source, target, ops, CompressWork, false);
}

int UnzipFile(const char* source, const char* target, const ZipFileOps& ops) {
    return Transform(source, target, ops, ExpandWork, true);
}

}  // namespace knl
