// One-file ZIP archives: the archive functions of the companion library.
//
// The writer makes a standard ZIP archive (PKWARE APPNOTE) holding exactly one
// entry: the source file's base name, deflated (raw deflate by zlib), with its
// CRC-32, both sizes and the file's modification time as a DOS date and time,
// then the central directory and the end record. No extra fields, no data
// descriptor, no ZIP64: entries are limited to 4 GB less one byte.
//
// The reader restores the one entry of any such archive, including those made
// by other archivers: entries stored or deflated, with or without a data
// descriptor, with extra fields, with ZIP64 records as long as the sizes and
// offsets still fit the 32-bit fields, and after a prefix such as a
// self-extractor stub. The entry's CRC-32 and sizes are checked against what
// was restored.
//
// Status codes (those of knl::ZipStatus in kernel/kernel_api.h):
//    1  done
//   -1  the input exists but cannot be opened or read (a directory, a read
//       error, a file too large for the format)
//   -2  the input is not an archive this library restores: not a ZIP
//       archive, truncated or otherwise damaged, a CRC or size mismatch, not
//       exactly one entry, a directory entry, encrypted, a compression method
//       other than stored or deflated, sizes beyond 32 bits
//   -3  the output cannot be created, written or put in place
//   -4  the input does not exist
//   -5  not enough memory
//
// The stream functions are plain stdio; the file functions write the result
// to a temporary file beside the target and move it over the target only when
// everything succeeded, so that a failure never leaves a half-written or
// damaged target (an existing target is then left as it was).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace knl {

// DOS date and time in one word: date in the high 16 bits (day, month,
// year - 1980 in bits 0-4, 5-8, 9-15), time in the low 16 bits (seconds / 2,
// minutes, hours in bits 0-4, 5-10, 11-15). Times before 1980 are clamped to
// 1 January 1980 00:00:00, times after 2107 to 31 December 2107 23:59:58; odd
// seconds are rounded down.
std::uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second);
void SplitDosDateTime(std::uint32_t dosDateTime, int* year, int* month, int* day, int* hour,
                      int* minute, int* second);

// The entry name for a source path: what follows its last "\", "/" or ":".
std::string ZipEntryName(const char* path);

// Writes a one-entry archive of everything readable from in to out. out must
// be a seekable binary stream, empty from its current position on (the
// archive begins there). Answers a status code; -1 for a read error on in, -3
// for a write or seek error on out.
int ZipWrite(std::FILE* in, std::FILE* out, const std::string& entryName,
             std::uint32_t dosDateTime);

// Checks the one-entry archive in (a seekable binary stream holding nothing
// else) and writes the entry's data to out. On success *dosDateTime (when
// given) receives the entry's time. Whatever was written to out before a
// failure is not a restored file; the caller discards it.
int ZipRead(std::FILE* in, std::FILE* out, std::uint32_t* dosDateTime);

// What the file functions need from the platform.
struct ZipFileOps {
    // The file's last modification time as a DOS date and time; false if it
    // cannot be had (the entry then gets 1 January 1980).
    bool (*modTime)(const char* path, std::uint32_t* dosDateTime);
    // Moves the finished file from over to (replacing it when it exists).
    bool (*replace)(const char* from, const char* to);
    // Gives a restored file the entry's time; may be null. Its failure does
    // not fail the restore.
    void (*setModTime)(const char* path, std::uint32_t dosDateTime);
};

// C runtime versions: stat and localtime, rename (removing the target first
// where rename does not replace), utime and mktime.
const ZipFileOps& StdioZipFileOps();

// source (a plain file) into the archive target; status code.
int ZipFile(const char* source, const char* target, const ZipFileOps& ops);
// The entry of the archive source into the file target; status code.
int UnzipFile(const char* source, const char* target, const ZipFileOps& ops);

}  // namespace knl
