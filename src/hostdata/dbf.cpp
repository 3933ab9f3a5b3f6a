#include "hostdata/dbf.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "kernel/calendar.h"

namespace tarvo::dbf {
namespace {

constexpr int kMaxFields = 255;
constexpr std::uint32_t kMaxRecordSize = 65500;

std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}
std::uint64_t Le64(const unsigned char* p) { return Le32(p) | std::uint64_t{Le32(p + 4)} << 32; }
void Put32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
void Put64(unsigned char* p, std::uint64_t v) {
    Put32(p, static_cast<std::uint32_t>(v));
    Put32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

// The width a type always has (0: the definition gives it).
int FixedWidth(char type) {
    switch (type) {
    case 'I': case 'M': case 'G': return 4;
    case 'Y': case 'D': case 'T': case 'B': return 8;
    case 'L': return 1;
    default: return 0;
    }
}

bool KnownType(char type) { return std::strchr("CNFIYDTLMBG", type) != nullptr && type != 0; }

bool ValidName(const std::string& name) {
    if (name.empty() || name.size() > 10) return false;
    if (!(name[0] >= 'A' && name[0] <= 'Z') && name[0] != '_') return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

// Checks one field's type, width and decimals; "" when they are fine.
std::string CheckField(const Field& f, bool decoding) {
    if (!KnownType(f.type)) return "field " + f.name + " has an unknown type";
    const int fixed = FixedWidth(f.type);
    if (fixed && f.width != fixed && !(decoding && (f.type == 'M' || f.type == 'G') && f.width == 10))
        return "field " + f.name + " has the wrong width";
    if (f.type == 'C' && (f.width < 1 || f.width > 254)) return "field " + f.name + " is not 1 to 254 wide";
    if ((f.type == 'N' || f.type == 'F') &&
        (f.width < 1 || f.width > 20 || f.decimals < 0 || (f.decimals > 0 && f.decimals > f.width - (decoding ? 1 : 2))))
        return "field " + f.name + " has a width or decimals out of range";
    if (f.type == 'B' && (f.decimals < 0 || f.decimals > 18)) return "field " + f.name + " has decimals out of range";
    return "";
}

// The digits of a number as the field holds them, or "" when they do not fit.
// A number below one gives up its leading zero when that is all that does
// not fit (".12345" in six digits with five decimals).
std::string Digits(double v, int width, int decimals) {
    if (!std::isfinite(v)) return "";
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, v);
    if (n < 0 || n > width + 1) return "";
    std::string s(buf, static_cast<std::size_t>(n));
    if (n == width + 1) {
        const std::size_t at = s.find_first_not_of(' ');
        const std::size_t zero = s.compare(at, 2, "0.") == 0 ? at : s.compare(at, 3, "-0.") == 0 ? at + 1 : s.npos;
        if (zero == s.npos) return "";
        s.erase(zero, 1);
    }
    return s;
}

}  // namespace

bool Header::HasMemo() const {
    for (const Field& f : fields)
        if (f.type == 'M' || f.type == 'G') return true;
    return false;
}

std::string Layout(std::vector<Field> fields, Header* out) {
    if (fields.empty()) return "a table needs at least one field";
    if (fields.size() >= kMaxFields) return "a table has at most 254 fields";
    Header h;
    std::uint32_t offset = 1;
    int nullable = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Field& f = fields[i];
        if (!ValidName(f.name)) return "\"" + f.name + "\" is not a field name";
        for (std::size_t j = 0; j < i; ++j)
            if (fields[j].name == f.name) return "field " + f.name + " is defined twice";
        if (int w = FixedWidth(f.type)) f.width = w;
        if (f.type != 'N' && f.type != 'F' && f.type != 'B') f.decimals = 0;
        if (std::string why = CheckField(f, false); !why.empty()) return why;
        f.offset = offset;
        offset += static_cast<std::uint32_t>(f.width);
        f.nullBit = f.nullable ? nullable++ : -1;
    }
    if (nullable) {
        h.nullOffset = offset;
        h.nullWidth = static_cast<std::uint32_t>((nullable + 7) / 8);
        offset += h.nullWidth;
    }
    if (offset > kMaxRecordSize) return "the record is longer than 65500 bytes";
    h.fields = std::move(fields);
    h.recordSize = offset;
    const std::uint32_t descriptors = static_cast<std::uint32_t>(h.fields.size()) + (nullable ? 1 : 0);
    h.headerSize = kHeaderBase + kDescriptorSize * descriptors + 1 + kBacklinkSize;
    h.flags = h.HasMemo() ? 2 : 0;
    *out = std::move(h);
    return "";
}

std::vector<unsigned char> EncodeHeader(const Header& h) {
    std::vector<unsigned char> out(std::max(h.headerSize, kHeaderBase), 0);
    out[0] = h.version;
    out[1] = static_cast<unsigned char>(h.year >= 1900 ? (h.year - 1900) % 256 : 0);
    out[2] = static_cast<unsigned char>(h.month);
    out[3] = static_cast<unsigned char>(h.day);
    Put32(&out[4], h.records);
    out[8] = static_cast<unsigned char>(h.headerSize);
    out[9] = static_cast<unsigned char>(h.headerSize >> 8);
    out[10] = static_cast<unsigned char>(h.recordSize);
    out[11] = static_cast<unsigned char>(h.recordSize >> 8);
    out[28] = h.flags;
    out[29] = h.codePage;
    std::size_t at = kHeaderBase;
    bool whole = true;
    auto descriptor = [&](const std::string& name, char type, std::uint32_t offset, int width, int decimals,
                          unsigned char flags) {
        if (at + kDescriptorSize > out.size()) {  // left out: the header is too small
            whole = false;
            return;
        }
        std::memcpy(&out[at], name.data(), std::min<std::size_t>(name.size(), 11));
        out[at + 11] = static_cast<unsigned char>(type);
        Put32(&out[at + 12], offset);
        out[at + 16] = static_cast<unsigned char>(width);
        out[at + 17] = static_cast<unsigned char>(decimals);
        out[at + 18] = flags;
        at += kDescriptorSize;
    };
    for (const Field& f : h.fields)
        descriptor(f.name, f.type, f.offset, f.width, f.decimals,
                   static_cast<unsigned char>((f.nullable ? 2 : 0) | (f.binary ? 4 : 0)));
    if (h.nullWidth) descriptor("_NullFlags", '0', h.nullOffset, static_cast<int>(h.nullWidth), 0, 5);
    if (whole && at < out.size()) out[at] = 0x0D;
    return out;
}

std::uint32_t AnnouncedHeaderSize(std::span<const unsigned char> first) {
    return first.size() < kHeaderBase ? 0 : std::uint32_t{first[8]} | std::uint32_t{first[9]} << 8;
}

Fault DecodeHeader(std::span<const unsigned char> bytes, std::uint64_t fileSize, Header* out) {
    if (bytes.size() < kHeaderBase || fileSize < kHeaderBase) return Fault::NotATable;
    static const unsigned char kVersions[] = {0x03, 0x30, 0x31, 0x32, 0x83, 0x8B, 0xF5, 0xFB};
    if (std::memchr(kVersions, bytes[0], sizeof kVersions) == nullptr) return Fault::NotATable;
    Header h;
    h.version = bytes[0];
    h.year = 1900 + bytes[1];
    h.month = bytes[2];
    h.day = bytes[3];
    h.records = Le32(&bytes[4]);
    h.headerSize = AnnouncedHeaderSize(bytes);
    h.recordSize = std::uint32_t{bytes[10]} | std::uint32_t{bytes[11]} << 8;
    h.flags = bytes[28];
    h.codePage = bytes[29];
    if (h.headerSize < kHeaderBase + 1 || h.headerSize > fileSize || bytes.size() < h.headerSize ||
        h.recordSize < 2)
        return Fault::Corrupt;
    if (h.headerSize + std::uint64_t{h.records} * h.recordSize > fileSize) return Fault::Corrupt;
    // Descriptors up to the 0x0D that ends them. Older tables give no
    // offsets (some leave a memory address there), their fields follow each
    // other; nor do they have null flags.
    const bool offsets = h.version == 0x30 || h.version == 0x31 || h.version == 0x32;
    std::uint32_t next = 1;
    bool terminated = false;
    int nullable = 0;
    for (std::uint32_t at = kHeaderBase; at < h.headerSize; at += kDescriptorSize) {
        if (bytes[at] == 0x0D) {
            terminated = true;
            break;
        }
        if (at + kDescriptorSize > h.headerSize) return Fault::Corrupt;
        const unsigned char* d = &bytes[at];
        Field f;
        for (int i = 0; i < 11 && d[i]; ++i) f.name += static_cast<char>(d[i] >= 'a' && d[i] <= 'z' ? d[i] - 32 : d[i]);
        f.type = static_cast<char>(d[11]);
        f.offset = Le32(d + 12);
        f.width = d[16];
        f.decimals = d[17];
        if (f.offset == 0 || !offsets) f.offset = next;
        if (f.width == 0 || f.offset + std::uint64_t(f.width) > h.recordSize) return Fault::Corrupt;
        next = f.offset + static_cast<std::uint32_t>(f.width);
        if (f.type == '0') {  // _NULLFLAGS, which older tables do not know
            if (!offsets) return Fault::Corrupt;
            h.nullOffset = f.offset;
            h.nullWidth = static_cast<std::uint32_t>(f.width);
            continue;
        }
        // Older tables keep other things in the flags byte.
        f.nullable = offsets && (d[18] & 0x02) != 0;
        f.binary = offsets && (d[18] & 0x04) != 0;
        f.nullBit = f.nullable ? nullable++ : -1;
        if (!CheckField(f, true).empty()) return Fault::Corrupt;
        h.fields.push_back(std::move(f));
        if (h.fields.size() >= kMaxFields) return Fault::Corrupt;
    }
    if (!terminated || h.fields.empty()) return Fault::Corrupt;
    if (nullable && static_cast<std::uint32_t>(nullable) > h.nullWidth * 8) return Fault::Corrupt;
    // Fields that share bytes would overwrite each other (or the null flags).
    std::vector<std::pair<std::uint32_t, std::uint32_t>> spans;
    for (const Field& f : h.fields) spans.emplace_back(f.offset, f.offset + static_cast<std::uint32_t>(f.width));
    if (h.nullWidth) spans.emplace_back(h.nullOffset, h.nullOffset + h.nullWidth);
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 1; i < spans.size(); ++i)
        if (spans[i].first < spans[i - 1].second) return Fault::Corrupt;
    *out = std::move(h);
    return Fault::None;
}

std::vector<unsigned char> BlankRecord(const Header& h) {
    std::vector<unsigned char> r(h.recordSize, 0);
    if (r.empty()) return r;
    r[0] = ' ';
    for (const Field& f : h.fields) {
        if (f.offset + std::uint64_t(f.width) > r.size()) continue;
        switch (f.type) {
        case 'C': case 'N': case 'F': case 'D': case 'L':
            std::memset(&r[f.offset], ' ', static_cast<std::size_t>(f.width));
            break;
        case 'M': case 'G':
            if (f.width == 10) std::memset(&r[f.offset], ' ', 10);
            break;
        default: break;  // binary zeros
        }
    }
    return r;
}

Cell BlankCell(const Field& f) {
    Cell c;
    switch (f.type) {
    case 'C': c.type = 'C'; c.text.assign(static_cast<std::size_t>(f.width), ' '); break;
    case 'N': case 'F': case 'B': c.type = 'N'; break;
    case 'M': case 'G': c.type = 'M'; break;
    default: c.type = f.type; break;
    }
    return c;
}

Cell Decode(const Header& h, const Field& f, const unsigned char* record) {
    Cell c = BlankCell(f);
    if (f.nullBit >= 0 && h.nullWidth &&
        (record[h.nullOffset + static_cast<std::uint32_t>(f.nullBit) / 8] >> (f.nullBit % 8) & 1)) {
        c.type = '0';
        return c;
    }
    const unsigned char* p = record + f.offset;
    switch (f.type) {
    case 'C': c.text.assign(reinterpret_cast<const char*>(p), static_cast<std::size_t>(f.width)); break;
    case 'N': case 'F': {
        char buf[32] = {};
        std::memcpy(buf, p, static_cast<std::size_t>(f.width));
        char* end = nullptr;
        const double v = std::strtod(buf, &end);
        c.number = end != buf && std::isfinite(v) ? v : 0;
        break;
    }
    case 'B': {
        std::uint64_t bits = Le64(p);
        std::memcpy(&c.number, &bits, 8);
        if (!std::isfinite(c.number)) c.number = 0;
        break;
    }
    case 'I': c.whole = static_cast<std::int32_t>(Le32(p)); break;
    case 'Y': c.whole = static_cast<std::int64_t>(Le64(p)); break;
    case 'L': c.logical = std::strchr("TtYy", p[0]) != nullptr && p[0] != 0; break;
    case 'D': {
        int ymd[3] = {};
        const int lengths[3] = {4, 2, 2};
        const unsigned char* q = p;
        bool digits = true;
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < lengths[k]; ++i, ++q) {
                if (*q < '0' || *q > '9') digits = false;
                ymd[k] = ymd[k] * 10 + (*q - '0');
            }
        // Only a day the calendar has: year 0 or 31 February read as empty,
        // so that every date read can be written back.
        if (digits && ymd[0] >= 1 && ymd[1] >= 1 && ymd[1] <= 12 && ymd[2] >= 1 && ymd[2] <= 31) {
            const std::int32_t day = knl::YmdToJdn(ymd[0], ymd[1], ymd[2]);
            int y, m, d;
            knl::JdnToYmd(day, &y, &m, &d);
            if (y == ymd[0] && m == ymd[1] && d == ymd[2]) c.day = day;
        }
        break;
    }
    case 'T': {
        c.day = static_cast<std::int32_t>(Le32(p));
        const std::uint32_t ms = Le32(p + 4);
        if (c.day < 0 || ms >= 86400000u) c.day = 0;
        c.whole = c.day ? ms : 0;
        break;
    }
    default: {  // M, G
        if (f.width == 4) {
            c.whole = Le32(p);
        } else {
            for (int i = 0; i < f.width; ++i)
                if (p[i] >= '0' && p[i] <= '9') c.whole = c.whole * 10 + (p[i] - '0');
            if (c.whole > 0xFFFFFFFF) c.whole = 0;
        }
        break;
    }
    }
    return c;
}

bool Encode(const Header& h, const Field& f, const Cell& c, unsigned char* record) {
    unsigned char* p = record + f.offset;
    if (c.type == '0') {
        if (f.nullBit < 0 || !h.nullWidth) return false;
        record[h.nullOffset + static_cast<std::uint32_t>(f.nullBit) / 8] |=
            static_cast<unsigned char>(1 << (f.nullBit % 8));
        const std::vector<unsigned char> blank = BlankRecord(h);
        std::memcpy(p, &blank[f.offset], static_cast<std::size_t>(f.width));
        return true;
    }
    const char kind = BlankCell(f).type;
    if (c.type != kind) return false;
    switch (f.type) {
    case 'C': {
        const std::size_t n = std::min(c.text.size(), static_cast<std::size_t>(f.width));
        std::memset(p, ' ', static_cast<std::size_t>(f.width));
        std::memcpy(p, c.text.data(), n);
        break;
    }
    case 'N': case 'F': {
        const std::string digits = Digits(c.number, f.width, f.decimals);
        if (digits.empty()) return false;
        std::memcpy(p, digits.data(), static_cast<std::size_t>(f.width));
        break;
    }
    case 'B': {
        std::uint64_t bits;
        std::memcpy(&bits, &c.number, 8);
        Put64(p, bits);
        break;
    }
    case 'I':
        if (c.whole < INT32_MIN || c.whole > INT32_MAX) return false;
        Put32(p, static_cast<std::uint32_t>(c.whole));
        break;
    case 'Y': Put64(p, static_cast<std::uint64_t>(c.whole)); break;
    case 'L': p[0] = c.logical ? 'T' : 'F'; break;
    case 'D': {
        if (c.day <= 0) {
            std::memset(p, ' ', 8);
            break;
        }
        int y, m, d;
        knl::JdnToYmd(c.day, &y, &m, &d);
        if (y < 1 || y > 9999) return false;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, m, d);
        std::memcpy(p, buf, 8);
        break;
    }
    case 'T':
        if (c.day < 0 || c.whole < 0 || c.whole >= 86400000) return false;
        Put32(p, static_cast<std::uint32_t>(c.day));
        Put32(p + 4, c.day ? static_cast<std::uint32_t>(c.whole) : 0);
        break;
    default:  // M, G
        if (c.whole < 0 || c.whole > 0xFFFFFFFF) return false;
        if (f.width == 4) {
            Put32(p, static_cast<std::uint32_t>(c.whole));
        } else {
            char buf[16];
            if (c.whole) std::snprintf(buf, sizeof buf, "%10u", static_cast<unsigned>(c.whole));
            else std::memset(buf, ' ', 10);
            std::memcpy(p, buf, 10);
        }
        break;
    }
    if (f.nullBit >= 0 && h.nullWidth)
        record[h.nullOffset + static_cast<std::uint32_t>(f.nullBit) / 8] &=
            static_cast<unsigned char>(~(1 << (f.nullBit % 8)));
    return true;
}

}  // namespace tarvo::dbf
