// libFuzzer target for the table format, built by fuzz/CMakeLists.txt (see
// scripts/fuzz.sh). The input is a whole table file. The reader gets the
// header as the runner reads it (the announced size, or the whole file when
// shorter); when it takes the header, every field of every record it claims
// that lies in the input is decoded, written back into a copy of the record
// and decoded again. Writing must stay inside the field (and the null flags),
// a refusal must leave the record alone, and a value written back must read
// back the same (numbers: the digits written must be stable).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <vector>

#include "hostdata/dbf.h"

namespace {

using namespace tarvo::dbf;

[[noreturn]] void Fail() { std::abort(); }
void Check(bool ok, unsigned line = __builtin_LINE()) {
    if (ok) return;
    std::fprintf(stderr, "check failed at line %u\n", line);
    Fail();
}

bool Same(const Cell& a, const Cell& b) {
    return a.type == b.type && a.text == b.text && a.number == b.number && a.whole == b.whole &&
           a.day == b.day && a.logical == b.logical;
}

// Bytes outside the field and its null flag byte must be as they were.
void Outside(const Header& h, const Field& f, const std::vector<unsigned char>& before,
             const std::vector<unsigned char>& after) {
    for (std::uint32_t i = 0; i < h.recordSize; ++i) {
        if (i >= f.offset && i < f.offset + static_cast<std::uint32_t>(f.width)) continue;
        if (f.nullBit >= 0 && i == h.nullOffset + static_cast<std::uint32_t>(f.nullBit) / 8) continue;
        Check(before[i] == after[i]);
    }
}

void Fields(const Header& h, const unsigned char* bytes) {
    const std::vector<unsigned char> record(bytes, bytes + h.recordSize);
    for (const Field& f : h.fields) {
        const Cell c = Decode(h, f, record.data());
        std::vector<unsigned char> copy = record;
        if (Encode(h, f, c, copy.data())) {
            Outside(h, f, record, copy);
            const Cell again = Decode(h, f, copy.data());
            if (c.type == 'N' && f.type != 'B') {
                // Digits are written to the field's decimals: what was
                // written once must write and read the same again.
                std::vector<unsigned char> twice = copy;
                Check(Encode(h, f, again, twice.data()));
                Check(twice == copy);
                Check(Same(Decode(h, f, twice.data()), again));
            } else {
                Check(Same(again, c));
            }
        } else {
            Check(copy == record);
            // Only a number can be too wide for the field it came from.
            Check(c.type == 'N' && f.type != 'B');
        }
        // A null goes into a nullable field only, and clears again.
        Cell null;
        null.type = '0';
        copy = record;
        if (f.nullBit >= 0) {
            Check(Encode(h, f, null, copy.data()));
            Outside(h, f, record, copy);
            Check(Decode(h, f, copy.data()).type == '0');
            const Cell blank = BlankCell(f);
            Check(Encode(h, f, blank, copy.data()));
            Check(Decode(h, f, copy.data()).type != '0');
        } else {
            Check(!Encode(h, f, null, copy.data()));
            Check(copy == record);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> file(data, size);
    std::size_t n = std::max<std::size_t>(kHeaderBase, AnnouncedHeaderSize(file));
    n = std::min(n, size);
    // A copy of exactly the bytes a reader has, so that reading past them shows.
    const std::vector<unsigned char> head(data, data + n);
    Header h;
    const Fault fault = DecodeHeader(head, size, &h);
    if (fault != Fault::None) return 0;

    Check(!h.fields.empty() && h.fields.size() <= 254);
    Check(h.headerSize <= size && h.recordSize >= 2);
    Check(h.headerSize + std::uint64_t{h.records} * h.recordSize <= size);
    for (const Field& f : h.fields) Check(f.offset >= 1 && f.offset + std::uint64_t(f.width) <= h.recordSize);
    if (h.nullWidth) Check(h.nullOffset + std::uint64_t{h.nullWidth} <= h.recordSize);

    // The header written again reads back the same.
    const std::vector<unsigned char> written = EncodeHeader(h);
    Check(written.size() == h.headerSize);
    Header back;
    Check(DecodeHeader(written, h.headerSize + std::uint64_t{h.records} * h.recordSize, &back) == Fault::None);
    Check(back.version == h.version && back.records == h.records && back.recordSize == h.recordSize &&
          back.nullOffset == h.nullOffset && back.nullWidth == h.nullWidth &&
          back.fields.size() == h.fields.size());
    for (std::size_t i = 0; i < h.fields.size(); ++i) {
        const Field& a = h.fields[i];
        const Field& b = back.fields[i];
        Check(a.name == b.name && a.type == b.type && a.width == b.width && a.decimals == b.decimals &&
              a.offset == b.offset && a.nullBit == b.nullBit && a.binary == b.binary);
    }

    const std::uint32_t records = std::min<std::uint32_t>(h.records, 64);
    for (std::uint32_t r = 1; r <= records; ++r) {
        const std::uint64_t at = h.RecordAt(r);
        if (at + h.recordSize > size) Fail();  // the header said the file holds it
        Fields(h, data + at);
    }
    return 0;
}
