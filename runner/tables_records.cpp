// The tables: the record pointer, reading and writing records, locks and
// the tags of the in-memory index.
#include <cmath>
#include <cstring>

#include "runner/host.h"
#include "runner/table_files.h"
#include "runner/tables.h"

namespace tarvo::run {

namespace {

constexpr int kErrBeginning = 38;
constexpr int kErrEnd = 4;
constexpr int kErrOutOfRange = 5;
constexpr int kErrDataType = 9;
constexpr int kErrNoVariable = 12;
constexpr int kErrOverflow = 39;
constexpr int kErrMemoFile = 41;
constexpr int kErrNoTable = 52;
constexpr int kErrFileBusy = 108;
constexpr int kErrRecordBusy = 109;
constexpr int kErrExclusive = 110;
constexpr int kErrReadOnly = 111;
constexpr int kErrNotNull = 1581;
constexpr int kErrWriting = 1105;
constexpr int kErrCorrupt = 2091;

// Automatic locks (a write, an append) try for this long before they fail.
constexpr DWORD kLockPatience = 1000;

bool LockPatiently(HANDLE f, std::uint32_t at, std::uint32_t n) {
    const DWORD start = GetTickCount();
    while (!LockBytes(f, at, n)) {
        if (GetTickCount() - start >= kLockPatience) return false;
        Sleep(20);
    }
    return true;
}
std::uint32_t RecordByte(std::uint32_t record) { return kLockBase - record; }

Value ToValue(const dbf::Field& f, const dbf::Cell& c) {
    switch (c.type) {
    case '0': return Value::Null();
    case 'C': return Value::Char(c.text);
    case 'N': return Value::Num(c.number, f.decimals);
    case 'I': return Value::Int(static_cast<std::int32_t>(c.whole));
    case 'Y': return Value::Currency(c.whole);
    case 'D': return Value::Date(c.day);
    case 'T': return Value::DateTime(c.day ? c.day + static_cast<double>(c.whole) / 86400000.0 : 0);
    case 'L': return Value::Logical(c.logical);
    default: return Value::Char(c.text);  // a memo, read by the caller
    }
}

// The cell a value makes in a field (memo texts are written by the caller);
// 0 or the host error number.
int ToCell(const dbf::Field& f, const Value& v, dbf::Cell* c) {
    *c = dbf::BlankCell(f);
    if (v.type == '0') {
        if (!f.nullable) return kErrNotNull;
        c->type = '0';
        return 0;
    }
    switch (f.type) {
    case 'C':
        if (v.type != 'C' && v.type != 'M') return kErrDataType;
        c->text = v.text;
        return 0;
    case 'N': case 'F': case 'B':
        if (!v.isNumeric()) return kErrDataType;
        c->number = v.asNumber();
        return 0;
    case 'I': {
        if (!v.isNumeric()) return kErrDataType;
        const double n = std::round(v.asNumber());
        if (!(n >= -2147483648.0 && n <= 2147483647.0)) return kErrOverflow;
        c->whole = static_cast<std::int64_t>(n);
        return 0;
    }
    case 'Y': {
        if (!v.isNumeric()) return kErrDataType;
        if (v.type == 'Y') {
            c->whole = v.currency;
            return 0;
        }
        const double n = std::round(v.asNumber() * 10000.0);
        if (!(std::fabs(n) < 9.2e18)) return kErrOverflow;
        c->whole = static_cast<std::int64_t>(n);
        return 0;
    }
    case 'D':
    case 'T': {
        if (v.type != 'D' && v.type != 'T') return kErrDataType;
        const double day = std::floor(v.number);
        if (!(day >= 0 && day < 5373484)) return kErrDataType;  // up to the year 9999
        c->day = static_cast<std::int32_t>(day);
        if (f.type == 'T' && v.type == 'T') {
            c->whole = std::llround((v.number - day) * 86400000.0);
            if (c->whole >= 86400000) c->whole = 86399999;
        }
        return 0;
    }
    case 'L':
        if (v.type != 'L') return kErrDataType;
        c->logical = v.logical;
        return 0;
    default:  // M, G
        if (v.type != 'C' && v.type != 'M') return kErrDataType;
        c->text = v.text;
        return 0;
    }
}

}  // namespace

// --- the record pointer ----------------------------------------------------------

bool Tables::Refresh(Table& t) {
    if (t.exclusive) return true;
    unsigned char count[4];
    if (!ReadFileAt(t.file, 4, count, 4)) return false;
    const std::uint32_t records = std::uint32_t{count[0]} | std::uint32_t{count[1]} << 8 |
                                  std::uint32_t{count[2]} << 16 | std::uint32_t{count[3]} << 24;
    if (records != t.header.records &&
        t.header.headerSize + std::uint64_t{records} * t.header.recordSize <= FileSizeOf(t.file)) {
        t.header.records = records;
        ++changes_[t.path];  // another process appended or packed: the tags are built again
    }
    return true;
}

int Tables::ReadOnly(const Table& t) {
    return Fail(kErrReadOnly, "Cannot update the cursor '" + t.alias + "', since it is read-only.");
}

int Tables::Corrupt(const std::string& path) {
    return Fail(kErrCorrupt,
                "Table '" + path + "' has become corrupted. The table will need to be repaired before using again.");
}

int Tables::Load(Table& t, std::uint32_t record) {
    if (int err = Settle(t)) return err;
    std::vector<unsigned char> bytes(t.header.recordSize);
    if (!ReadFileAt(t.file, t.header.RecordAt(record), bytes.data(), bytes.size()))
        return Corrupt(t.path);
    t.record = std::move(bytes);
    t.recno = record;
    t.bof = t.eof = false;
    return 0;
}

int Tables::AtEnd(Table& t) {
    if (int err = Settle(t)) return err;
    t.recno = t.header.records + 1;
    t.eof = true;
    t.bof = false;
    t.record.clear();
    return 0;
}

bool Tables::Visible(int area, Table& t, std::uint32_t record) {
    const bool here = record == t.recno && !t.record.empty();
    if (hideDeleted) {
        unsigned char flag = ' ';
        if (here) flag = t.record[0];
        else ReadFileAt(t.file, t.header.RecordAt(record), &flag, 1);
        if (flag == '*') return false;
    }
    if (!t.filter) return true;
    // The filter sees the record as the current one of its work area; the
    // pointer comes back after. A filter that fails passes a record over.
    const std::uint32_t recno = t.recno;
    const bool bof = t.bof, eof = t.eof;
    std::vector<unsigned char> bytes = t.record;
    const bool dirty = t.dirty;
    const int saved = current;
    bool pass = false;
    t.dirty = false;  // the pending changes stay in `bytes`, written when the pointer moves on
    if (here || Load(t, record) == 0) {
        current = Area(area);
        try {
            pass = t.filter();
        } catch (...) {
            pass = false;
        }
    }
    current = saved;
    t.recno = recno, t.bof = bof, t.eof = eof, t.record = std::move(bytes), t.dirty = dirty;
    return pass;
}

namespace {

// The neighbours of a record in the table's order (0: none); from 0, the
// first (direction 1) or the last record (-1).
struct Walk {
    Table& t;
    Tag* tag;

    std::uint32_t Step(std::uint32_t from, int direction) {
        const std::uint32_t n = t.header.records;
        if (!tag) {
            if (direction > 0) return from < n ? from + 1 : 0;
            return from == 0 ? n : from > 1 && from <= n + 1 ? from - 1 : 0;
        }
        auto it = from == 0 ? tag->order.end()
                            : tag->order.find({tag->keys[from - 1], from});
        if (direction > 0) {
            if (from == 0) return tag->order.empty() ? 0 : tag->order.begin()->second;
            if (it == tag->order.end() || ++it == tag->order.end()) return 0;
            return it->second;
        }
        if (from == 0) return tag->order.empty() ? 0 : tag->order.rbegin()->second;
        if (it == tag->order.end() || it == tag->order.begin()) return 0;
        return (--it)->second;
    }
};

}  // namespace

// Brings the order's tag up to date; false when it cannot be built.
bool Tables::BuildTag(int area, Table& t, Tag& tag) {
    if (tag.builtAt == Changes(t.path) && tag.keys.size() == t.header.records) return true;
    const std::uint32_t recno = t.recno;
    const bool bof = t.bof, eof = t.eof;
    std::vector<unsigned char> record = t.record;
    tag.keys.assign(t.header.records, IndexKey{});
    tag.order.clear();
    for (std::uint32_t n = 1; n <= t.header.records; ++n) {
        if (Load(t, n)) break;
        KeyFor(area, t, tag, &tag.keys[n - 1]);
        tag.order.insert({tag.keys[n - 1], n});
    }
    t.recno = recno, t.bof = bof, t.eof = eof, t.record = std::move(record);
    tag.builtAt = Changes(t.path);
    return true;
}

bool Tables::KeyFor(int area, Table& t, Tag& tag, IndexKey* key) {
    const int saved = current;
    current = area;
    bool ok = false;
    try {
        ok = tag.key && tag.key(key);
    } catch (...) {
        ok = false;
    }
    current = saved;
    if (!ok) *key = IndexKey{};
    return ok;
}

// The tag that orders the table, brought up to date; null in record order.
Tag* Tables::Order(int area, Table& t) {
    if (t.order < 0) return nullptr;
    Tag* tag = &t.tags[static_cast<std::size_t>(t.order)];
    BuildTag(Area(area), t, *tag);
    return tag;
}

// GO TOP (direction 1) and GO BOTTOM (-1): the first visible record from
// that end; none leaves an empty table at both ends.
int Tables::GoEnd(int area, int direction) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    Refresh(*t);
    Walk w{*t, Order(area, *t)};
    std::uint32_t r = w.Step(0, direction);
    while (r && !Visible(area, *t, r)) r = w.Step(r, direction);
    if (!r) {
        AtEnd(*t);
        t->bof = true;
        return 0;
    }
    return Load(*t, r);
}

int Tables::Go(int area, std::int64_t record) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    Refresh(*t);
    if (record < 1 || record > t->header.records) return Fail(kErrOutOfRange);
    return Load(*t, static_cast<std::uint32_t>(record));
}

int Tables::Skip(int area, std::int64_t count) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    // The count is read again only where it matters: from the last record
    // known, or at the end.
    if (t->order >= 0 || t->eof || t->recno >= t->header.records) Refresh(*t);
    Walk w{*t, Order(area, *t)};
    if (count == 0) return t->eof ? 0 : Load(*t, t->recno);
    if (count > 0) {
        if (t->eof) return Fail(kErrEnd);
        for (; count > 0; --count) {
            std::uint32_t r = w.Step(t->recno, 1);
            while (r && !Visible(area, *t, r)) r = w.Step(r, 1);
            if (!r) return AtEnd(*t);
            if (int err = Load(*t, r)) return err;
        }
        return 0;
    }
    if (t->bof) return Fail(kErrBeginning);
    for (; count < 0; ++count) {
        std::uint32_t r = w.Step(t->eof ? 0 : t->recno, -1);
        while (r && !Visible(area, *t, r)) r = w.Step(r, -1);
        if (!r) {
            t->bof = true;
            if (t->eof) t->recno = t->header.records + 1;
            return 0;
        }
        if (int err = Load(*t, r)) return err;
    }
    return 0;
}

std::uint32_t Tables::RecCount(int area) {
    Table* t = At(area);
    if (!t) return 0;
    Refresh(*t);
    return t->header.records;
}

int Tables::Status(int area) {
    Table* t = At(area);
    if (!t) return 0;
    return (t->bof ? 1 : 0) | (t->eof ? 2 : 0) | (!t->eof && RecordLocked(area, t->recno) ? 4 : 0) |
           (t->tableLocked ? 8 : 0) | (t->exclusive ? 16 : 0) | (t->readOnly ? 32 : 0);
}

// --- records -------------------------------------------------------------------------

int Tables::Read(int area, int field, Value* out, bool blank) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (field < 1 || static_cast<std::size_t>(field) > t->header.fields.size()) return Fail(kErrNoVariable);
    const dbf::Field& f = t->header.fields[static_cast<std::size_t>(field - 1)];
    const dbf::Cell c = t->eof || blank ? dbf::BlankCell(f) : dbf::Decode(t->header, f, t->record.data());
    *out = ToValue(f, c);
    if (c.type == 'M' && !t->memo.Read(*channels, static_cast<std::uint32_t>(c.whole), &out->text))
        return Fail(kErrMemoFile, "Memo file '" + t->memo.path + "' is missing or is invalid.");
    return 0;
}

int Tables::WriteRecord(Table& t, const std::vector<unsigned char>& bytes, std::uint32_t record) {
    if (t.readOnly) return ReadOnly(t);
    const bool lockHere = !t.exclusive && !t.tableLocked && !t.locks.count(record);
    if (lockHere && !LockPatiently(t.file, RecordByte(record), 1)) return Fail(kErrRecordBusy);
    const bool ok = WriteFileAt(t.file, t.header.RecordAt(record), bytes.data(), bytes.size());
    if (lockHere) UnlockBytes(t.file, RecordByte(record), 1);
    if (!ok) return Fail(kErrWriting);
    if (record == t.recno) t.record = bytes;
    return 0;
}

// Counts a change of the current record and keeps the area's tags with it.
int Tables::Changed(Table& t, std::uint32_t record) {
    std::uint64_t& count = changes_[t.path];
    const std::uint64_t before = count++;
    if (t.tags.empty()) return 0;
    const int area = [&] {
        for (auto& [a, o] : open)
            if (&o == &t) return a;
        return current;
    }();
    for (Tag& tag : t.tags) {
        if (tag.builtAt != before || record > t.header.records) continue;
        if (tag.keys.size() < t.header.records) tag.keys.resize(t.header.records);
        tag.order.erase({tag.keys[record - 1], record});
        KeyFor(area, t, tag, &tag.keys[record - 1]);
        tag.order.insert({tag.keys[record - 1], record});
        tag.builtAt = count;
    }
    return 0;
}

int Tables::Replace(int area, const std::vector<std::pair<int, Value>>& values, bool write) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (t->eof) return 0;  // at the end of the table there is no record to change
    std::vector<unsigned char> bytes = t->record;
    std::vector<std::pair<const dbf::Field*, dbf::Cell>> memos;
    if (int err = Fit(*t, values, &bytes, &memos)) return err;
    if (t->readOnly) return ReadOnly(*t);
    for (auto& [f, c] : memos) {
        if (!c.text.empty()) {
            c.whole = t->memo.Write(*channels, c.text);
            if (!c.whole) return Fail(kErrWriting);
        }
        dbf::Encode(t->header, *f, c, bytes.data());
    }
    if (!write) {
        t->record = std::move(bytes);
        t->dirty = true;
        return 0;
    }
    t->dirty = false;
    if (int err = WriteRecord(*t, bytes, t->recno)) return err;
    return Changed(*t, t->recno);
}

// Puts the values into `bytes`, a record of `t`, except memo texts, which
// go to `memos`; answers the error of the first value that does not fit.
int Tables::Fit(Table& t, const std::vector<std::pair<int, Value>>& values, std::vector<unsigned char>* bytes,
                std::vector<std::pair<const dbf::Field*, dbf::Cell>>* memos) {
    for (const auto& [number, value] : values) {
        if (number < 1 || static_cast<std::size_t>(number) > t.header.fields.size()) return Fail(kErrNoVariable);
        const dbf::Field& f = t.header.fields[static_cast<std::size_t>(number - 1)];
        dbf::Cell c;
        if (int err = ToCell(f, value, &c)) {
            if (err == kErrNotNull) return Fail(err, "Field " + f.name + " does not accept null values.");
            return Fail(err);
        }
        if (c.type == 'M') memos->emplace_back(&f, std::move(c));
        else if (!dbf::Encode(t.header, f, c, bytes->data())) return Fail(kErrOverflow);
    }
    return 0;
}

int Tables::Append(int area, const std::vector<std::pair<int, Value>>& values) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    std::vector<unsigned char> blank = dbf::BlankRecord(t->header);
    std::vector<std::pair<const dbf::Field*, dbf::Cell>> memos;
    if (int err = Fit(*t, values, &blank, &memos)) return err;
    if (int err = AppendBlank(area)) return err;
    return values.empty() ? 0 : Replace(area, values);
}

int Tables::Commit(int area) {
    Table* t = At(area);
    return t ? Settle(*t) : 0;
}

// Writes the current record's pending changes.
int Tables::Settle(Table& t) {
    if (!t.dirty) return 0;
    t.dirty = false;
    const std::vector<unsigned char> bytes = t.record;
    if (int err = WriteRecord(t, bytes, t.recno)) return err;
    return Changed(t, t.recno);
}

int Tables::Replace(int area, const std::string& name, const Value& value) {
    if (!At(area)) return Fail(kErrNoTable);
    const int n = FieldNumber(area, name);
    if (!n) return Fail(kErrNoVariable, "Variable '" + name + "' is not found.");
    return Replace(area, {{n, value}});
}

int Tables::AppendBlank(int area) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (t->readOnly) return ReadOnly(*t);
    if (int err = Settle(*t)) return err;
    const bool shared = !t->exclusive && !t->tableLocked;
    if (shared && !LockPatiently(t->file, kLockBase, 1)) return Fail(kErrFileBusy);
    Refresh(*t);
    dbf::Header& h = t->header;
    if (h.records == 0xFFFFFFFEu) return Fail(kErrWriting);
    std::vector<unsigned char> bytes = dbf::BlankRecord(h);
    bytes.push_back(dbf::kEndOfFile);
    const std::uint32_t n = h.records + 1;
    bool ok = WriteFileAt(t->file, h.RecordAt(n), bytes.data(), bytes.size());
    if (ok) {
        h.records = n;
        Stamp(h);
        const std::vector<unsigned char> head = dbf::EncodeHeader(h);
        ok = WriteFileAt(t->file, 0, head.data(), 8);
    }
    if (shared) UnlockBytes(t->file, kLockBase, 1);
    if (!ok) return Fail(kErrWriting);
    bytes.pop_back();
    t->record = std::move(bytes);
    t->recno = n;
    t->bof = t->eof = false;
    return Changed(*t, n);
}

int Tables::Delete(int area, bool deleted) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (t->eof) return 0;
    std::vector<unsigned char> bytes = t->record;
    bytes[0] = deleted ? '*' : ' ';
    const bool pending = t->dirty;
    t->dirty = false;
    if (int err = WriteRecord(*t, bytes, t->recno)) return err;
    return pending ? Changed(*t, t->recno) : 0;
}

bool Tables::Deleted(int area) {
    Table* t = At(area);
    return t && !t->eof && !t->record.empty() && t->record[0] == '*';
}

int Tables::Pack(int area) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (!t->exclusive) return Fail(kErrExclusive);
    if (t->readOnly) return ReadOnly(*t);
    if (int err = Settle(*t)) return err;
    dbf::Header& h = t->header;
    std::vector<unsigned char> bytes(h.recordSize);
    std::uint32_t kept = 0;
    for (std::uint32_t n = 1; n <= h.records; ++n) {
        if (!ReadFileAt(t->file, h.RecordAt(n), bytes.data(), bytes.size())) return Corrupt(t->path);
        if (bytes[0] == '*') continue;
        if (++kept != n && !WriteFileAt(t->file, h.RecordAt(kept), bytes.data(), bytes.size()))
            return Fail(kErrWriting);
    }
    if (int err = Truncate(*t, kept)) return err;
    return GoTop(area);
}

int Tables::Zap(int area) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (!t->exclusive) return Fail(kErrExclusive);
    if (t->readOnly) return ReadOnly(*t);
    if (int err = Truncate(*t, 0)) return err;
    if (!t->memo.path.empty() && !t->memo.Create(*channels, t->memo.path, t->memo.blockSize)) return Fail(kErrWriting);
    return GoTop(area);
}

// Ends the table after `records` records.
int Tables::Truncate(Table& t, std::uint32_t records) {
    t.dirty = false;  // the record goes with the rest
    dbf::Header& h = t.header;
    h.records = records;
    Stamp(h);
    const std::vector<unsigned char> head = dbf::EncodeHeader(h);
    const unsigned char end = dbf::kEndOfFile;
    const std::uint64_t size = h.RecordAt(records + 1);
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(size + 1);
    if (!WriteFileAt(t.file, 0, head.data(), 8) || !WriteFileAt(t.file, size, &end, 1) ||
        !SetFilePointerEx(t.file, at, nullptr, FILE_BEGIN) || !SetEndOfFile(t.file))
        return Fail(kErrWriting);
    ++changes_[t.path];
    return 0;
}

}  // namespace tarvo::run
