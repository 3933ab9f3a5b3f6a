#include "hostdata/dbf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "kernel/calendar.h"

namespace tarvo::dbf {
namespace {

Field F(std::string name, char type, int width = 0, int decimals = 0, bool nullable = false) {
    return Field{std::move(name), type, width, decimals, nullable};
}

Header Make(std::vector<Field> fields) {
    Header h;
    EXPECT_EQ(Layout(std::move(fields), &h), "");
    return h;
}

// A value; an L's `whole` gives its logical.
Cell V(char type, std::int64_t whole = 0, std::int32_t day = 0, double number = 0, std::string text = "") {
    Cell c;
    c.type = type, c.day = day, c.number = number, c.text = std::move(text);
    if (type == 'L') c.logical = whole != 0;
    else c.whole = whole;
    return c;
}
Cell Num(double v) { return V('N', 0, 0, v); }
Cell Text(std::string t) { return V('C', 0, 0, 0, std::move(t)); }

// The header, one record and the end-of-file byte.
std::vector<unsigned char> File(Header h, const std::vector<unsigned char>& record) {
    h.records = 1;
    std::vector<unsigned char> f = EncodeHeader(h);
    f.insert(f.end(), record.begin(), record.end());
    f.push_back(kEndOfFile);
    return f;
}

std::vector<std::tuple<std::uint32_t, int, int>> Shape(const Header& h) {
    std::vector<std::tuple<std::uint32_t, int, int>> s;
    for (const Field& f : h.fields) s.emplace_back(f.offset, f.width, f.nullBit);
    return s;
}

// Writes c into `rec` and reads it back; a refusal must leave `rec` alone.
bool Put(const Header& h, int field, const Cell& c, Cell* back, std::vector<unsigned char>& rec) {
    const std::vector<unsigned char> before = rec;
    const Field& f = h.fields[static_cast<std::size_t>(field)];
    if (!Encode(h, f, c, rec.data())) {
        EXPECT_EQ(rec, before);
        return false;
    }
    *back = Decode(h, f, rec.data());
    return true;
}

TEST(DbfLayout, RefusesBadDefinitions) {
    Header h;
    EXPECT_NE(Layout({}, &h), "");
    for (const char* name : {"", "1A", "A-B", "name", "ABCDEFGHIJK"}) EXPECT_NE(Layout({F(name, 'C', 1)}, &h), "") << name;
    EXPECT_NE(Layout({F("A", 'C', 1), F("A", 'N', 2)}, &h), "");
    for (Field f : {F("A", 'X', 1), F("A", 'C', 0), F("A", 'C', 255), F("A", 'N', 21), F("A", 'N', 5, 4),
                    F("A", 'N', 5, -1), F("A", 'B', 0, 19)})
        EXPECT_NE(Layout({f}, &h), "") << f.type << f.width << "," << f.decimals;
    for (Field f : {F("ABCDEFGHIJ", 'C', 254), F("_9", 'N', 20), F("A", 'N', 5, 3), F("A", 'B', 0, 18)})
        EXPECT_EQ(Layout({f}, &h), "") << f.type << f.width << "," << f.decimals;
    // 254 fields at most; the widest of them still make a record in range.
    std::vector<Field> many;
    for (int i = 0; i < 254; ++i) many.push_back(F("F" + std::to_string(i), 'C', 254, 0, true));
    EXPECT_EQ(Layout(many, &h), "");
    EXPECT_EQ(h.recordSize, 1u + 254 * 254 + 32);
    EXPECT_EQ(h.headerSize, 32u + 32 * 255 + 1 + 263);
    many.push_back(F("F254", 'C', 1));
    EXPECT_NE(Layout(many, &h), "");
}

TEST(DbfLayout, OffsetsSizesNullBitsAndRoundTrip) {
    Header h = Make({F("NAME", 'C', 10), F("QTY", 'N', 6, 2, true), F("WHEN", 'T', 3), F("NOTE", 'M', 0, 0, true)});
    const std::vector<std::tuple<std::uint32_t, int, int>> want = {{1, 10, -1}, {11, 6, 0}, {17, 8, -1}, {25, 4, 1}};
    EXPECT_EQ(Shape(h), want);  // offset, width, null bit
    EXPECT_EQ(std::tuple(h.nullOffset, h.nullWidth, h.recordSize, h.headerSize, h.flags),
              std::tuple(29u, 1u, 30u, 32u + 5 * 32 + 1 + 263, 2));
    std::vector<Field> nine(9, F("L", 'L', 0, 0, true));
    for (int i = 0; i < 9; ++i) nine[i].name += std::to_string(i);
    EXPECT_EQ(Make(nine).nullWidth, 2u);  // a ninth null bit takes a second byte

    h.year = 2024, h.records = 3;
    for (std::uint32_t size : {32 + 5 * 32, 32 + 4 * 32 + 10}) {  // no room for the 0x0D, or a descriptor
        Header small = h;
        small.headerSize = size;
        const std::vector<unsigned char> cut = EncodeHeader(small);
        ASSERT_EQ(cut.size(), size);
        EXPECT_EQ(DecodeHeader(cut, size + 3 * h.recordSize, &small), Fault::Corrupt) << size;
    }
    const std::vector<unsigned char> bytes = EncodeHeader(h);
    Header back;
    ASSERT_EQ(DecodeHeader(bytes, h.headerSize + 3 * h.recordSize, &back), Fault::None);
    EXPECT_EQ(std::tuple(back.year, back.records, back.headerSize, back.nullOffset, back.fields[1].decimals),
              std::tuple(2024, 3u, h.headerSize, 29u, 2));
    EXPECT_EQ(Shape(back), want);
    EXPECT_EQ(back.fields[3].name + back.fields[3].type, "NOTEM");
}

TEST(DbfRecord, ValuesReadBackOrAreRefused) {
    const Header h = Make({F("C", 'C', 5), F("N", 'N', 5, 2), F("I", 'I'), F("Y", 'Y'), F("B", 'B'), F("L", 'L'),
                           F("D", 'D'), F("T", 'T'), F("M", 'M', 0, 0, true), F("K", 'C', 3, 0, true)});
    const std::int32_t first = knl::YmdToJdn(1, 1, 1), last = knl::YmdToJdn(9999, 12, 31);
    const struct { int field; Cell cell; bool fits; } cases[] = {
        {1, Num(99.99), true}, {1, Num(-9.99), true}, {1, Num(100), false},
        {1, Num(-10), false}, {1, Num(HUGE_VAL), false}, {1, Text("1"), false},
        {2, V('I', INT32_MIN), true}, {2, V('I', INT32_MAX), true}, {2, V('I', INT32_MAX + 1LL), false},
        {3, V('Y', INT64_MIN), true}, {4, Num(-1e300), true}, {5, V('L', 1), true},
        {6, V('D'), true}, {6, V('D', 0, first), true}, {6, V('D', 0, last), true},
        {6, V('D', 0, first - 1), false}, {6, V('D', 0, last + 1), false},
        {7, V('T', 86399999, last), true}, {7, V('T', 86400000, last), false},
        {8, V('M'), true}, {8, V('M', 0xFFFFFFFF), true}, {8, V('M', -1), false},
        {8, V('M', 0x100000000), false}, {8, V('0'), true}, {2, V('0'), false}, {2, V('N'), false},
    };
    for (const auto& [field, cell, fits] : cases) {
        std::vector<unsigned char> rec = BlankRecord(h);
        Cell back;
        ASSERT_EQ(Put(h, field, cell, &back, rec), fits) << field << " " << cell.type << cell.whole << cell.number;
        if (fits)
            EXPECT_EQ(std::tuple(back.type, back.whole, back.day, back.logical, back.number),
                      std::tuple(cell.type, cell.whole, cell.day, cell.logical, cell.number));
    }
    std::vector<unsigned char> rec = BlankRecord(h);
    Cell back;
    ASSERT_TRUE(Put(h, 0, Text("abcdefg"), &back, rec) && back.text == "abcde");
    ASSERT_TRUE(Put(h, 0, Text("ab"), &back, rec) && back.text == "ab   ");
    ASSERT_TRUE(Put(h, 1, Num(0.005), &back, rec));
    EXPECT_EQ(std::string(rec.begin() + 6, rec.begin() + 11), " 0.01");
    ASSERT_TRUE(Put(h, 7, V('T', 5, 0), &back, rec) && back.whole == 0);  // no time without a day
    for (unsigned char b : {'y', '?', ' '}) {
        rec[h.fields[5].offset] = b;
        EXPECT_EQ(Decode(h, h.fields[5], rec.data()).logical, b == 'y');
    }
    // Only days the calendar has are read; others read as empty.
    for (const char* text : {"00000101", "20230231", "2024022 ", "20241301", "20240229"}) {
        std::memcpy(&rec[h.fields[6].offset], text, 8);
        EXPECT_EQ(Decode(h, h.fields[6], rec.data()).day, text[7] == '9' ? knl::YmdToJdn(2024, 2, 29) : 0) << text;
    }
    // A null sets the field's own bit and blanks it; a value clears the bit.
    ASSERT_TRUE(Put(h, 9, Text("abc"), &back, rec) && Put(h, 8, V('0'), &back, rec));
    EXPECT_EQ(Decode(h, h.fields[9], rec.data()).text, "abc");
    ASSERT_TRUE(Put(h, 9, V('0'), &back, rec) && back.type == '0');
    EXPECT_EQ(std::string(rec.begin() + h.fields[9].offset, rec.end() - 1), "   ");
    EXPECT_EQ(rec[h.nullOffset], 3);
    ASSERT_TRUE(Put(h, 9, Text("x"), &back, rec) && back.text == "x  ");
    EXPECT_EQ(rec[h.nullOffset], 1);
}

TEST(DbfDecode, RefusesDamagedHeaders) {
    // NAME at 1, QTY at 11, null flags at 17; descriptors at 32, 64, 96.
    const Header h = Make({F("NAME", 'C', 10), F("QTY", 'N', 6, 2, true)});
    const struct { std::size_t at; std::vector<unsigned char> bytes; std::size_t cut; Fault want; } cases[] = {
        {0, {}, 0, Fault::None}, {0, {}, 1, Fault::None},  // without the end-of-file byte
        {0, {}, 2, Fault::Corrupt},                        // the record cut short
        {0, {0x04}, 0, Fault::NotATable}, {9, {0x10}, 0, Fault::Corrupt},  // the header past the file
        {4, {2}, 0, Fault::Corrupt},                                        // more records than the file holds
        {8, {80, 0}, 0, Fault::Corrupt}, {8, {128, 0}, 0, Fault::Corrupt},  // a descriptor cut; no 0x0D
        {48, {18}, 0, Fault::Corrupt}, {43, {'X'}, 0, Fault::Corrupt},      // past the record; no such type
        {76, {5}, 0, Fault::Corrupt}, {76, {12}, 0, Fault::Corrupt},        // over NAME; over the null flags
        {107, {'C'}, 0, Fault::Corrupt}, {81, {6}, 0, Fault::Corrupt},      // no null flags; decimals = width
    };
    for (const auto& [at, bytes, cut, want] : cases) {
        std::vector<unsigned char> f = File(h, BlankRecord(h));
        std::copy(bytes.begin(), bytes.end(), f.begin() + at);
        f.resize(f.size() - cut);
        Header out;
        EXPECT_EQ(DecodeHeader(f, f.size(), &out), want) << at << " " << cut;
    }
    Header out;
    EXPECT_EQ(DecodeHeader(std::vector<unsigned char>(31, 0x30), 31, &out), Fault::NotATable);
    // Decimals up to the width less one are read; such a field holds
    // numbers below one, blanks and nulls.
    std::vector<unsigned char> f = File(h, BlankRecord(h));
    f[81] = 5;
    ASSERT_EQ(DecodeHeader(f, f.size(), &out), Fault::None);
    std::vector<unsigned char> rec = BlankRecord(out);
    Cell back;
    ASSERT_TRUE(Put(out, 1, Num(0.5), &back, rec) && back.number == 0.5);
    EXPECT_EQ(std::string(rec.begin() + 11, rec.begin() + 17), ".50000");
    EXPECT_TRUE(Put(out, 1, V('0'), &back, rec) && Put(out, 1, BlankCell(out.fields[1]), &back, rec));
}

TEST(DbfDecode, OlderTable) {
    // No offsets (a stray address instead), a flags byte that means nothing
    // here, memo blocks as ten digits.
    Header h = Make({F("NAME", 'C', 5), F("NOTE", 'M')});
    h.fields[1].width = 10, h.recordSize = 16, h.version = 0x03;
    std::vector<unsigned char> f = File(h, std::vector<unsigned char>(16, ' '));
    f[32 + 12] = 0x78, f[32 + 15] = 0x56, f[32 + 18] = 0x02;
    Header out;
    ASSERT_EQ(DecodeHeader(f, f.size(), &out), Fault::None);
    EXPECT_EQ(Shape(out), (std::vector<std::tuple<std::uint32_t, int, int>>{{1, 5, -1}, {6, 10, -1}}));
    std::vector<unsigned char> rec(f.begin() + out.headerSize, f.end() - 1);
    EXPECT_EQ(Decode(out, out.fields[1], rec.data()).whole, 0);
    std::memcpy(&rec[6], "0000000012", 10);
    EXPECT_EQ(Decode(out, out.fields[1], rec.data()).whole, 12);
    Cell back;
    ASSERT_TRUE(Put(out, 1, V('M', 4294967295), &back, rec) && back.whole == 4294967295);
    EXPECT_EQ(std::string(rec.begin() + 6, rec.end()), "4294967295");
    f[64 + 11] = '0';  // null flags belong to the current format only
    EXPECT_EQ(DecodeHeader(f, f.size(), &out), Fault::Corrupt);
}

}  // namespace
}  // namespace tarvo::dbf
