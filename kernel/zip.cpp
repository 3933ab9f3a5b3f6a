#include "kernel/zip.h"

#include <zlib.h>

#include <cstring>
#include <new>
#include <vector>

#include "kernel/kernel_api.h"

namespace knl {
namespace {

constexpr std::uint32_t kLocalSig = 0x04034b50;
constexpr std::uint32_t kCentralSig = 0x02014b50;
constexpr std::uint32_t kEndSig = 0x06054b50;
constexpr std::size_t kLocalSize = 30;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kEndSize = 22;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate; high byte 0: MS-DOS attributes
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kFlagDescriptor = 0x0008;
constexpr std::uint16_t kFlagStrongEncryption = 0x0040;
constexpr std::uint32_t kArchiveAttribute = 0x20;
constexpr std::uint32_t kMax32 = 0xFFFFFFFFu;
constexpr std::size_t kChunk = 64 * 1024;

void Put16(unsigned char* p, std::uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
void Put32(unsigned char* p, std::uint32_t v) {
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}
std::uint32_t Get16(const unsigned char* p) { return p[0] | (std::uint32_t(p[1]) << 8); }
std::uint32_t Get32(const unsigned char* p) { return Get16(p) | (Get16(p + 2) << 16); }

bool WriteAll(std::FILE* f, const void* data, std::size_t n) {
    return n == 0 || std::fwrite(data, 1, n, f) == n;
}

// Reads exactly n bytes at an absolute offset: kZipOk, -1 on a read error,
// -2 when the stream ends first (a truncated archive).
int ReadAt(std::FILE* f, long offset, unsigned char* data, std::size_t n) {
    if (offset < 0 || std::fseek(f, offset, SEEK_SET) != 0) return kZipInputOpen2;
    if (std::fread(data, 1, n, f) == n) return kZipOk;
    return std::ferror(f) ? kZipInputOpen1 : kZipInputOpen2;
}

int MapZlibError(int z) {
    if (z == Z_MEM_ERROR) return kZipNoMemory;
    return kZipInputOpen2;
}

// The raw deflate stream of in to out, counting both sizes and the CRC.
int DeflateStream(std::FILE* in, std::FILE* out, std::uint64_t* inSize, std::uint64_t* outSize,
                  std::uint32_t* crc) {
    std::vector<unsigned char> inBuf(kChunk), outBuf(kChunk);
    z_stream z{};
    int rc = deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    if (rc != Z_OK) return rc == Z_MEM_ERROR ? kZipNoMemory : kZipOutputOpen;
    uLong sum = crc32(0L, Z_NULL, 0);
    int status = kZipOk;
    int flush = Z_NO_FLUSH;
    while (status == kZipOk && flush != Z_FINISH) {
        const std::size_t got = std::fread(inBuf.data(), 1, kChunk, in);
        if (got < kChunk) {
            if (std::ferror(in)) {
                status = kZipInputOpen1;
                break;
            }
            flush = Z_FINISH;
        }
        *inSize += got;
        if (*inSize > kMax32) {  // beyond the 32-bit size fields
            status = kZipInputOpen1;
            break;
        }
        sum = crc32(sum, inBuf.data(), static_cast<uInt>(got));
        z.next_in = inBuf.data();
        z.avail_in = static_cast<uInt>(got);
        do {
            z.next_out = outBuf.data();
            z.avail_out = static_cast<uInt>(kChunk);
            rc = deflate(&z, flush);
            if (rc == Z_STREAM_ERROR) {
                status = kZipOutputOpen;
                break;
            }
            const std::size_t have = kChunk - z.avail_out;
            *outSize += have;
            if (*outSize > kMax32) {
                status = kZipInputOpen1;
                break;
            }
            if (!WriteAll(out, outBuf.data(), have)) {
                status = kZipOutputOpen;
                break;
            }
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    *crc = static_cast<std::uint32_t>(sum);
    return status;
}

}  // namespace

std::uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second) {
    if (year < 1980) return (1u << 5 | 1u) << 16;  // 1 January 1980, 00:00:00
    if (year > 2107) return ((127u << 9 | 12u << 5 | 31u) << 16) | (23u << 11 | 59u << 5 | 29u);
    const std::uint32_t date = (std::uint32_t(year - 1980) << 9) | (std::uint32_t(month & 15) << 5) |
                               std::uint32_t(day & 31);
    const std::uint32_t time = (std::uint32_t(hour & 31) << 11) | (std::uint32_t(minute & 63) << 5) |
                               std::uint32_t((second / 2) & 31);
    return date << 16 | time;
}

void SplitDosDateTime(std::uint32_t t, int* year, int* month, int* day, int* hour, int* minute,
                      int* second) {
    const std::uint32_t date = t >> 16, time = t & 0xFFFF;
    if (year) *year = int(date >> 9) + 1980;
    if (month) *month = int((date >> 5) & 15);
    if (day) *day = int(date & 31);
    if (hour) *hour = int(time >> 11);
    if (minute) *minute = int((time >> 5) & 63);
    if (second) *second = int(time & 31) * 2;
}

std::string ZipEntryName(const char* path) {
    if (!path) return {};
    const char* base = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') base = p + 1;
    return base;
}

int ZipWrite(std::FILE* in, std::FILE* out, const std::string& entryName, std::uint32_t dosDateTime) {
    if (entryName.empty() || entryName.size() > 0xFFFF) return kZipInputOpen1;
    try {
        const long start = std::ftell(out);
        if (start < 0) return kZipOutputOpen;
        const auto nameLen = static_cast<std::uint32_t>(entryName.size());

        unsigned char local[kLocalSize] = {};
        Put32(local, kLocalSig);
        Put16(local + 4, kVersion);
        Put16(local + 6, 0);
        Put16(local + 8, kDeflated);
        Put32(local + 10, dosDateTime);
        // CRC and sizes (14, 18, 22) are filled in once the data is written.
        Put16(local + 26, nameLen);
        Put16(local + 28, 0);
        if (!WriteAll(out, local, kLocalSize) || !WriteAll(out, entryName.data(), nameLen))
            return kZipOutputOpen;

        std::uint64_t inSize = 0, outSize = 0;
        std::uint32_t crc = 0;
        const int status = DeflateStream(in, out, &inSize, &outSize, &crc);
        if (status != kZipOk) return status;

        const std::uint64_t centralOffset = std::uint64_t(start) + kLocalSize + nameLen + outSize;
        if (centralOffset > kMax32) return kZipInputOpen1;

        unsigned char sizes[12];
        Put32(sizes, crc);
        Put32(sizes + 4, static_cast<std::uint32_t>(outSize));
        Put32(sizes + 8, static_cast<std::uint32_t>(inSize));
        if (std::fseek(out, start + 14, SEEK_SET) != 0 || !WriteAll(out, sizes, sizeof sizes) ||
            std::fseek(out, 0, SEEK_END) != 0)
            return kZipOutputOpen;

        unsigned char central[kCentralSize] = {};
        Put32(central, kCentralSig);
        Put16(central + 4, kVersion);  // made by
        Put16(central + 6, kVersion);  // needed to extract
        Put16(central + 8, 0);
        Put16(central + 10, kDeflated);
        Put32(central + 12, dosDateTime);
        std::memcpy(central + 16, sizes, sizeof sizes);
        Put16(central + 28, nameLen);
        // extra, comment, disk, internal attributes: 0
        Put32(central + 38, kArchiveAttribute);
        Put32(central + 42, static_cast<std::uint32_t>(start));

        unsigned char end[kEndSize] = {};
        Put32(end, kEndSig);
        Put16(end + 8, 1);
        Put16(end + 10, 1);
        Put32(end + 12, static_cast<std::uint32_t>(kCentralSize + nameLen));
        Put32(end + 16, static_cast<std::uint32_t>(centralOffset));
        if (!WriteAll(out, central, kCentralSize) || !WriteAll(out, entryName.data(), nameLen) ||
            !WriteAll(out, end, kEndSize) || std::fflush(out) != 0 || std::ferror(out))
            return kZipOutputOpen;
        return kZipOk;
    } catch (const std::bad_alloc&) {
        return kZipNoMemory;
    }
}

int ZipRead(std::FILE* in, std::FILE* out, std::uint32_t* dosDateTime) {
    try {
        if (std::fseek(in, 0, SEEK_END) != 0) return kZipInputOpen1;
        const long fileSize = std::ftell(in);
        if (fileSize < 0) return kZipInputOpen1;
        if (fileSize < long(kEndSize)) return kZipInputOpen2;

        // The end record: the last signature whose comment fits the file.
        const long tailSize = fileSize < long(kEndSize + 0xFFFF) ? fileSize : long(kEndSize + 0xFFFF);
        std::vector<unsigned char> tail(static_cast<std::size_t>(tailSize));
        int rc = ReadAt(in, fileSize - tailSize, tail.data(), tail.size());
        if (rc != kZipOk) return rc;
        long endAt = -1;
        for (long i = tailSize - long(kEndSize); i >= 0; --i) {
            const unsigned char* p = tail.data() + i;
            if (Get32(p) == kEndSig && i + long(kEndSize) + long(Get16(p + 20)) <= tailSize) {
                endAt = i;
                break;
            }
        }
        if (endAt < 0) return kZipInputOpen2;
        const unsigned char* end = tail.data() + endAt;
        const long endPos = fileSize - tailSize + endAt;
        const std::uint32_t disk = Get16(end + 4), cdDisk = Get16(end + 6);
        const std::uint32_t entriesHere = Get16(end + 8), entries = Get16(end + 10);
        const std::uint32_t cdSize = Get32(end + 12), cdOffset = Get32(end + 16);
        if (disk != 0 || cdDisk != 0 || entriesHere != 1 || entries != 1) return kZipInputOpen2;
        if (cdSize == kMax32 || cdOffset == kMax32 || cdSize < kCentralSize) return kZipInputOpen2;

        // A ZIP64 end record and its locator may sit between the central
        // directory and the end record; everything before the stored offset
        // of the directory (a self-extractor stub) shifts all offsets alike.
        long cdPos = -1;
        unsigned char central[kCentralSize];
        for (long candidate : {endPos - long(cdSize), endPos - long(cdSize) - 20 - 56}) {
            if (candidate < 0 || candidate < long(cdOffset)) continue;
            if (ReadAt(in, candidate, central, kCentralSize) == kZipOk && Get32(central) == kCentralSig) {
                cdPos = candidate;
                break;
            }
        }
        if (cdPos < 0) return kZipInputOpen2;
        const long base = cdPos - long(cdOffset);

        const std::uint32_t flags = Get16(central + 8), method = Get16(central + 10);
        const std::uint32_t stamp = Get32(central + 12), crc = Get32(central + 16);
        const std::uint32_t packed = Get32(central + 20), size = Get32(central + 24);
        const std::uint32_t nameLen = Get16(central + 28), extraLen = Get16(central + 30);
        const std::uint32_t commentLen = Get16(central + 32), localOffset = Get32(central + 42);
        if (kCentralSize + nameLen + extraLen + commentLen > cdSize) return kZipInputOpen2;
        if (flags & (kFlagEncrypted | kFlagStrongEncryption)) return kZipInputOpen2;
        if (method != kStored && method != kDeflated) return kZipInputOpen2;
        if (packed == kMax32 || size == kMax32 || localOffset == kMax32) return kZipInputOpen2;
        if (method == kStored && packed != size) return kZipInputOpen2;
        std::vector<char> name(nameLen);
        rc = ReadAt(in, cdPos + long(kCentralSize), reinterpret_cast<unsigned char*>(name.data()), nameLen);
        if (rc != kZipOk) return rc;
        if (nameLen == 0 || name.back() == '/' || name.back() == '\\') return kZipInputOpen2;

        unsigned char local[kLocalSize];
        const long localPos = base + long(localOffset);
        rc = ReadAt(in, localPos, local, kLocalSize);
        if (rc != kZipOk) return rc;
        if (Get32(local) != kLocalSig || Get16(local + 8) != method ||
            (Get16(local + 6) & (kFlagEncrypted | kFlagStrongEncryption)))
            return kZipInputOpen2;
        const std::uint32_t localFlags = Get16(local + 6);
        const std::uint32_t localPacked = Get32(local + 18), localSize = Get32(local + 22);
        if (!(localFlags & kFlagDescriptor) && localPacked != kMax32 && localSize != kMax32 &&
            (Get32(local + 14) != crc || localPacked != packed || localSize != size))
            return kZipInputOpen2;
        const long dataPos = localPos + long(kLocalSize) + long(Get16(local + 26)) + long(Get16(local + 28));
        // The data must lie before the central directory.
        if (dataPos > cdPos || std::uint64_t(cdPos - dataPos) < packed) return kZipInputOpen2;
        if (std::fseek(in, dataPos, SEEK_SET) != 0) return kZipInputOpen2;

        std::vector<unsigned char> inBuf(kChunk), outBuf(kChunk);
        uLong sum = crc32(0L, Z_NULL, 0);
        std::uint64_t written = 0;
        std::uint32_t left = packed;
        int status = kZipOk;
        if (method == kStored) {
            while (left > 0) {
                const std::size_t want = left < kChunk ? left : kChunk;
                if (std::fread(inBuf.data(), 1, want, in) != want)
                    return std::ferror(in) ? kZipInputOpen1 : kZipInputOpen2;
                left -= static_cast<std::uint32_t>(want);
                sum = crc32(sum, inBuf.data(), static_cast<uInt>(want));
                written += want;
                if (!WriteAll(out, inBuf.data(), want)) return kZipOutputOpen;
            }
        } else {
            z_stream z{};
            rc = inflateInit2(&z, -MAX_WBITS);
            if (rc != Z_OK) return rc == Z_MEM_ERROR ? kZipNoMemory : kZipInputOpen2;
            bool finished = false;
            while (status == kZipOk && !finished) {
                if (z.avail_in == 0) {
                    if (left == 0) {  // the stream goes on past the entry's data
                        status = kZipInputOpen2;
                        break;
                    }
                    const std::size_t want = left < kChunk ? left : kChunk;
                    if (std::fread(inBuf.data(), 1, want, in) != want) {
                        status = std::ferror(in) ? kZipInputOpen1 : kZipInputOpen2;
                        break;
                    }
                    left -= static_cast<std::uint32_t>(want);
                    z.next_in = inBuf.data();
                    z.avail_in = static_cast<uInt>(want);
                }
                z.next_out = outBuf.data();
                z.avail_out = static_cast<uInt>(kChunk);
                rc = inflate(&z, Z_NO_FLUSH);
                if (rc == Z_STREAM_END) {
                    finished = true;
                } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
                    status = MapZlibError(rc);
                    break;
                }
                const std::size_t have = kChunk - z.avail_out;
                sum = crc32(sum, outBuf.data(), static_cast<uInt>(have));
                written += have;
                if (written > size) {
                    status = kZipInputOpen2;
                    break;
                }
                if (!WriteAll(out, outBuf.data(), have)) status = kZipOutputOpen;
            }
            // The deflate stream must take up the entry's data exactly.
            if (status == kZipOk && (left != 0 || z.avail_in != 0)) status = kZipInputOpen2;
            inflateEnd(&z);
            if (status != kZipOk) return status;
        }
        if (written != size || static_cast<std::uint32_t>(sum) != crc) return kZipInputOpen2;
        if (std::fflush(out) != 0 || std::ferror(out)) return kZipOutputOpen;
        if (dosDateTime) *dosDateTime = stamp;
        return kZipOk;
    } catch (const std::bad_alloc&) {
        return kZipNoMemory;
    }
}

}  // namespace knl
