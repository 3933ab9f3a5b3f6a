// The host's tables: DBF files with their FPT memo files (hostdata/dbf.h,
// hostdata/fpt.h), open in numbered work areas. CREATE TABLE writes a new
// table, USE opens one, CREATE CURSOR makes a temporary table in the
// temporary folder that goes when it closes. They are what names, the table
// services and the memo services see: PlugTables connects them to the Host.
//
// Record pointer: records count from 1; the end of the table is record
// count + 1. An empty table is at its beginning and its end. Skipping past
// the last record reaches the end; skipping back from the end reaches the
// last record; skipping back from the first record sets the beginning and
// stays on it. GO, GO TOP and GO BOTTOM clear both. With an order set, the
// pointer moves in the order of its keys; with SET DELETED ON, deleted
// records are passed over, and so are the records a filter does not pass
// (GO n still reaches them).
//
// Sharing and locks: a table opened exclusively keeps its file to itself.
// Shared tables lock byte ranges of the table file: the byte at
// kLockBase - n for record n, everything below kLockBase from kTableLock up
// for the whole table, and the byte at kLockBase while a record is appended.
// So a second process, or a second work area of this one that opened the
// same file AGAIN, sees the locks. A write to a shared table's record that
// its area has not locked locks it for the write (error 109 when another
// holds it); an append locks the header (error 108). The record count of a
// shared table is read again from the file before the pointer moves to the
// top, the bottom, a record, or on from the last record it knew.
//
// Records are read when the pointer reaches them and written as soon as
// they change (a REPLACE of several fields at the end of the statement);
// nothing waits in memory for a FLUSH.
//
// Indexes live in memory for the session: INDEX ON builds a tag over a key
// expression, which the interpreter evaluates (Tag::key); the keys follow
// every change made through this process's work areas, and are built again
// when a table opened elsewhere may have changed. No index file is written.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostdata/dbf.h"
#include "runner/services/memo.h"
#include "runner/value.h"

namespace tarvo::run {

struct Channels;
struct Host;

constexpr std::uint32_t kLockBase = 0x7FFFFFFE;
constexpr std::uint32_t kTableLock = 0x40000000;

// An index key: texts compare byte by byte, everything else as a number.
struct IndexKey {
    bool isText = false;
    std::string text;
    double number = 0;
    bool operator<(const IndexKey& o) const {
        if (isText != o.isText) return isText < o.isText;
        return isText ? text < o.text : number < o.number;
    }
};
IndexKey KeyOf(const Value& v);

struct Tag {
    std::string name;        // upper case
    std::string expression;
    // The key of the current record of the tag's work area; false when the
    // expression fails for it (such records sort first).
    std::function<bool(IndexKey*)> key;
    std::vector<IndexKey> keys;                          // by record number - 1
    std::set<std::pair<IndexKey, std::uint32_t>> order;  // key, record number
    std::uint64_t builtAt = ~std::uint64_t{0};           // the table's change count then
};

struct Table {
    std::string path;     // full path of the .dbf
    std::string alias;    // upper case
    HANDLE file = INVALID_HANDLE_VALUE;
    bool cursor = false;  // temporary: its files go when it closes
    bool exclusive = false;
    bool readOnly = false;
    dbf::Header header;
    MemoFile memo;
    std::uint32_t recno = 1;
    bool bof = true, eof = true;
    bool found = false;
    std::vector<unsigned char> record;  // the current record (empty at the end)
    bool dirty = false;                 // `record` holds changes not yet written
    std::set<std::uint32_t> locks;      // records this area holds locked
    bool tableLocked = false;
    std::vector<Tag> tags;
    int order = -1;                     // the tag that orders the table; -1: record order
    std::function<bool()> locateFor;    // LOCATE's condition, for CONTINUE
    std::function<bool()> filter;       // SET FILTER: the records the pointer stops at
    std::string filterText;             // ... as written, for FILTER()
};

struct Tables {
    std::map<int, Table> open;  // by work area
    int current = 1;
    bool hideDeleted = false;   // SET DELETED
    bool exclusive = true;      // SET EXCLUSIVE: how USE opens without SHARED/EXCLUSIVE
    Channels* channels = nullptr;
    // Makes a tag's key function from its expression (the interpreter plugs
    // itself in); null when the expression cannot be read.
    std::function<std::function<bool(IndexKey*)>(const std::string& expression)> keyCompiler;
    // The host's text for the last error answered, when it names something
    // (a file, a field); empty for the plain text of the number.
    std::string message;

    ~Tables();

    // The work area open under `alias` (the current one for an empty
    // alias); 0 when none.
    int Find(const std::string& alias) const;
    // -1 is the current work area.
    Table* At(int area);
    int Area(int area) const { return area < 0 ? current : area; }
    // The number (from 1) of field `name` in `area`; 0 when none.
    int FieldNumber(int area, const std::string& name);
    // The lowest work area without a table.
    int FreeArea() const;

    // Each answers 0 or the host error number (with `message` set for the
    // numbers whose text names something).
    // Creates a table (a cursor when `cursor`: `path` is then ignored) and
    // opens it exclusively in `area`.
    int Create(int area, const std::string& path, const std::string& alias, std::vector<dbf::Field> fields,
               bool cursor);
    // USE: opens a table file in `area` (closing what is open there).
    // `alias` empty: the file's base name. `share`: 1 shared, 2 exclusive,
    // 0 as SET EXCLUSIVE says.
    int Use(int area, const std::string& file, const std::string& alias, bool again, int share, bool noUpdate);
    void Close(int area);
    void CloseAll();

    int GoTop(int area) { return GoEnd(area, 1); }
    int GoBottom(int area) { return GoEnd(area, -1); }
    int Go(int area, std::int64_t record);
    int Skip(int area, std::int64_t count);
    int AppendBlank(int area);
    // A new record with these (field number, value) pairs; a value that
    // does not fit its field adds no record (INSERT INTO).
    int Append(int area, const std::vector<std::pair<int, Value>>& values);
    // Writes fields of the current record: (field number, value) pairs, all
    // or none (a value that does not fit stops them all before any write).
    // With `write` false the changes stay in the current record until
    // Commit (or the pointer moves): REPLACE writes a record once however
    // many fields it changes.
    int Replace(int area, const std::vector<std::pair<int, Value>>& values, bool write = true);
    int Commit(int area);
    int Replace(int area, const std::string& name, const Value& value);
    // The field's value in the current record (blank at the end of the
    // table or with `blank`). Answers 0, 12 for an unknown field, 41 for a
    // memo that cannot be read.
    int Read(int area, int field, Value* out, bool blank = false);
    int Delete(int area, bool deleted);  // DELETE (true) and RECALL (false)
    bool Deleted(int area);
    int Pack(int area);
    int Zap(int area);
    std::uint32_t RecCount(int area);
    // Status bits: 1 beginning, 2 end, 4 record locked, 8 table locked,
    // 16 exclusive, 32 read-only.
    int Status(int area);

    // Locks; true when held (always for exclusive tables).
    bool LockRecord(int area, std::uint32_t record);
    bool LockTable(int area);
    void Unlock(int area);
    bool RecordLocked(int area, std::uint32_t record);

    int IndexOn(int area, const std::string& tag, const std::string& expression,
                std::function<bool(IndexKey*)> key);
    int SetOrder(int area, const std::string& tag);  // "" for record order
    // SEEK in the current order: true when a record's key starts with
    // (texts) or equals the key; the pointer is then on the first such
    // record, otherwise at the end.
    int Seek(int area, const Value& key, bool* found);
    // The change count of a table's file in this process.
    std::uint64_t Changes(const std::string& path) const;

private:
    int Fail(int error, const std::string& text = "");
    int ReadOnly(const Table& t);
    int Corrupt(const std::string& path);
    int GoEnd(int area, int direction);
    int Fit(Table& t, const std::vector<std::pair<int, Value>>& values, std::vector<unsigned char>* bytes,
            std::vector<std::pair<const dbf::Field*, dbf::Cell>>* memos);
    Tag* Order(int area, Table& t);
    void ReleaseRecordLocks(Table& t);
    bool Refresh(Table& t);
    int Load(Table& t, std::uint32_t record);
    int Settle(Table& t);
    int AtEnd(Table& t);
    bool Visible(int area, Table& t, std::uint32_t record);
    int WriteRecord(Table& t, const std::vector<unsigned char>& bytes, std::uint32_t record);
    int Changed(Table& t, std::uint32_t record);
    int Truncate(Table& t, std::uint32_t records);
    bool BuildTag(int area, Table& t, Tag& tag);
    bool KeyFor(int area, Table& t, Tag& tag, IndexKey* key);
    std::map<std::string, std::uint64_t> changes_;  // by path
    // The tags built in the session, by path: name and expression.
    std::map<std::string, std::map<std::string, std::string>> definitions_;
};

// Plugs the Host's tables into its work areas, memo fields and services.
void PlugTables(Host& host);

}  // namespace tarvo::run
