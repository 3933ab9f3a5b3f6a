// The tables: locks, the tags of the in-memory index, and how the Host sees
// them (work areas, memo fields).
#include <cstring>

#include "runner/host.h"
#include "runner/table_files.h"
#include "runner/tables.h"

namespace tarvo::run {
namespace {

constexpr int kErrDataType = 9;
constexpr int kErrNoOrder = 26;
constexpr int kErrNoTable = 52;
constexpr int kErrNoTag = 1683;

}  // namespace

// --- locks ---------------------------------------------------------------------------

void Tables::ReleaseRecordLocks(Table& t) {
    if (!t.exclusive)
        for (std::uint32_t r : t.locks) UnlockBytes(t.file, kLockBase - r, 1);
    t.locks.clear();
}

// A record lock releases the area's other record locks first (one record
// locked at a time per work area).
bool Tables::LockRecord(int area, std::uint32_t record) {
    Table* t = At(area);
    if (!t || record < 1 || record > t->header.records) return false;
    if (t->tableLocked || t->locks.count(record)) return true;
    ReleaseRecordLocks(*t);
    if (!t->exclusive && !LockBytes(t->file, kLockBase - record, 1)) return false;
    t->locks.insert(record);
    return true;
}

bool Tables::LockTable(int area) {
    Table* t = At(area);
    if (!t) return false;
    if (t->tableLocked) return true;
    ReleaseRecordLocks(*t);
    if (!t->exclusive && !LockBytes(t->file, kTableLock, kLockBase - kTableLock)) return false;
    t->tableLocked = true;
    return true;
}

void Tables::Unlock(int area) {
    Table* t = At(area);
    if (!t) return;
    Settle(*t);
    ReleaseRecordLocks(*t);
    if (t->tableLocked && !t->exclusive) UnlockBytes(t->file, kTableLock, kLockBase - kTableLock);
    t->tableLocked = false;
}

bool Tables::RecordLocked(int area, std::uint32_t record) {
    Table* t = At(area);
    return t && (t->tableLocked || t->locks.count(record));
}

// --- the index -----------------------------------------------------------------------

int Tables::IndexOn(int area, const std::string& tag, const std::string& expression,
                    std::function<bool(IndexKey*)> key) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    Tag fresh{tag, expression, std::move(key), {}, {}, ~std::uint64_t{0}};
    std::size_t i = 0;
    while (i < t->tags.size() && t->tags[i].name != tag) ++i;
    if (i == t->tags.size()) t->tags.push_back(std::move(fresh));
    else t->tags[i] = std::move(fresh);
    t->order = static_cast<int>(i);
    if (!t->cursor) definitions_[t->path][tag] = expression;
    return GoTop(area);
}

int Tables::SetOrder(int area, const std::string& tag) {
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (tag.empty()) {
        t->order = -1;
        return 0;
    }
    for (std::size_t i = 0; i < t->tags.size(); ++i)
        if (t->tags[i].name == tag) {
            t->order = static_cast<int>(i);
            return 0;
        }
    return Fail(kErrNoTag, "Index tag " + tag + " is not found.");
}

int Tables::Seek(int area, const Value& key, bool* found) {
    *found = false;
    Table* t = At(area);
    if (!t) return Fail(kErrNoTable);
    if (t->order < 0) return Fail(kErrNoOrder);
    Refresh(*t);
    Tag& tag = t->tags[static_cast<std::size_t>(t->order)];
    BuildTag(Area(area), *t, tag);
    const IndexKey want = KeyOf(key);
    if (!tag.order.empty() && want.isText != tag.order.begin()->first.isText) return Fail(kErrDataType);
    for (auto it = tag.order.lower_bound({want, 0}); it != tag.order.end(); ++it) {
        const IndexKey& k = it->first;
        const bool match = want.isText ? k.text.compare(0, want.text.size(), want.text) == 0 : !(want < k);
        if (!match) break;
        if (!Visible(area, *t, it->second)) continue;
        *found = true;
        t->found = true;
        return Load(*t, it->second);
    }
    t->found = false;
    return AtEnd(*t);
}

// --- the Host's view -------------------------------------------------------------------

void PlugTables(Host& host) {
    Tables& tables = host.tables;
    tables.channels = &host.channels;
    host.workAreas = WorkAreas{
        [&tables](const std::string& alias) { return tables.Find(alias); },
        [&tables](int area, const std::string& name, Value* out) {
            const int n = tables.FieldNumber(area, name);
            return n ? tables.Read(area, n, out) : -1;
        },
        [&tables](int area, const std::string& name, const Value& in) {
            return tables.Replace(area, name, in);
        },
        [&tables](int area, const std::string& name) { return tables.FieldNumber(area, name); },
    };
    host.memoFields = MemoFields{
        [&tables](int area) -> MemoFile* {
            Table* t = tables.At(area);
            return t && !t->memo.path.empty() ? &t->memo : nullptr;
        },
        [&tables](const VariableLocator& field) -> std::int64_t {
            Table* t = tables.At(field.workArea);
            std::uint32_t n;
            std::memcpy(&n, field.reference, 4);
            if (!t || n < 1 || n > t->header.fields.size()) return -1;
            const dbf::Field& f = t->header.fields[n - 1];
            if (f.type != 'M' && f.type != 'G') return -1;
            if (t->eof) return 0;
            const dbf::Cell c = dbf::Decode(t->header, f, t->record.data());
            return c.type == 'M' ? c.whole : 0;
        },
    };
}

}  // namespace tarvo::run
