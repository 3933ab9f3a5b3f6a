// Tables in the host's file format (DBF), as bytes: the header with its
// field descriptors, and the fields of one record. Nothing here touches a
// file; the replacement host reads and writes the bytes.
//
// A file is a 32-byte header, one 32-byte descriptor per field, the byte
// 0x0D, 263 zero bytes (the path of a database container, none here), the
// records, and an end-of-file byte 0x1A (optional when reading). A record is
// a deletion flag ("*" deleted, " " not) followed by the fields at the
// offsets their descriptors give.
//
// Field types and their bytes:
//   C text (width 1-254), blank-padded        N, F digits right-aligned (1-20)
//   I 32-bit integer (4)                      Y 64-bit currency x 10000 (8)
//   D "YYYYMMDD", blanks when empty (8)       T day number, then milliseconds
//   L "T" or "F" ("?" or blank: .F.) (1)          since midnight, 32 bits each (8)
//   B double (8)                              M, G memo block number (4; 10
//                                                 digits in older tables)
// Numbers are little-endian. Fields that may hold .NULL. have a bit in the
// hidden system field _NULLFLAGS, which every such table carries last.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::dbf {

constexpr std::uint32_t kHeaderBase = 32;
constexpr std::uint32_t kDescriptorSize = 32;
constexpr std::uint32_t kBacklinkSize = 263;
constexpr unsigned char kVersion = 0x30;  // written: the host's current format
constexpr unsigned char kEndOfFile = 0x1A;

struct Field {
    std::string name;    // upper case, 1-10 characters
    char type = 'C';
    int width = 0;       // fixed for the types that have one
    int decimals = 0;    // N, F, B
    bool nullable = false;
    bool binary = false;  // C and M without code-page translation
    std::uint32_t offset = 0;  // in the record; the deletion flag is at 0
    int nullBit = -1;    // the field's bit in _NULLFLAGS; -1 when not nullable
};

struct Header {
    unsigned char version = kVersion;
    int year = 0, month = 0, day = 0;  // date of the last update
    std::uint32_t records = 0;
    std::uint32_t headerSize = 0;
    std::uint32_t recordSize = 0;
    unsigned char flags = 0;     // 2: the table has a memo file
    unsigned char codePage = 3;  // Windows 1252
    std::vector<Field> fields;   // the fields a program sees, in order
    std::uint32_t nullOffset = 0;  // _NULLFLAGS in the record
    std::uint32_t nullWidth = 0;   // 0: the table has no null flags

    bool HasMemo() const;
    // The offset of record n (from 1) in the file.
    std::uint64_t RecordAt(std::uint32_t n) const {
        return headerSize + std::uint64_t{n - 1} * recordSize;
    }
};

// Lays a table out from its field definitions (name, type, width, decimals,
// nullable, binary): checks them, fills the fixed widths, the offsets, the
// null bits and the sizes. Answers "" or why the definition is refused.
std::string Layout(std::vector<Field> fields, Header* out);

// The header as it is written, of headerSize bytes (32 at least). When that
// cannot hold every descriptor and the 0x0D, what does not fit is left out,
// so that the header reads back as corrupt.
std::vector<unsigned char> EncodeHeader(const Header& h);

enum class Fault {
    None,
    NotATable,  // too short for a header, or an unknown version byte
    Corrupt,    // descriptors or sizes that contradict each other or the file
};

// The size of the header the first 32 bytes announce (0 when they are too
// few), so that a reader knows how much to read for DecodeHeader.
std::uint32_t AnnouncedHeaderSize(std::span<const unsigned char> first);
// Reads a header from the start of a file of `fileSize` bytes; `bytes`
// holds at least the announced header (or the whole file when shorter). A
// record count that the file cannot hold is corrupt.
Fault DecodeHeader(std::span<const unsigned char> bytes, std::uint64_t fileSize, Header* out);

// One field's value.
struct Cell {
    // C text, N number (N, F, B), I integer, Y currency, D date, T datetime,
    // L logical, M memo (M, G), 0 null.
    char type = 'C';
    std::string text;
    double number = 0;
    std::int64_t whole = 0;  // I; Y (x 10000); M the block (0: empty); T milliseconds
    std::int32_t day = 0;    // D, T: day number (0: empty)
    bool logical = false;
};

// A record with every field blank and not deleted (fields that do not fit
// recordSize are left zero).
std::vector<unsigned char> BlankRecord(const Header& h);
Cell Decode(const Header& h, const Field& f, const unsigned char* record);
// Writes a value of the field's own kind (the caller converts first), or a
// null into a nullable field. False when it does not fit: a number too wide
// for its digits, a null where none is allowed, a value of another kind;
// the record is unchanged then.
bool Encode(const Header& h, const Field& f, const Cell& c, unsigned char* record);

// The field's value when the record is blank.
Cell BlankCell(const Field& f);

}  // namespace tarvo::dbf
