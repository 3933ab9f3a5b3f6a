#include "runner/cursors.h"

#include <windows.h>

#include <cstring>

#include "runner/host.h"

namespace tarvo::run {
namespace {

constexpr int kErrRecordOutOfRange = 5;
constexpr int kErrDataType = 9;
constexpr int kErrNoVariable = 12;
constexpr int kErrAliasInUse = 24;
constexpr int kErrNoTable = 52;

// A memo file of its own in the temporary folder for each cursor.
std::string TempMemoPath() {
    static int count = 0;
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "tarvo-cursor-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++count) + ".fpt";
}

Value Blank(const CursorField& f) {
    switch (f.type) {
    case 'C': return Value::Char(std::string(static_cast<std::size_t>(f.width), ' '));
    case 'N': return Value::Num(0, f.decimals);
    case 'I': return Value::Int(0);
    case 'L': return Value::Logical(false);
    default: return Value::Int(0);  // M: an empty memo
    }
}

}  // namespace

int Cursors::Find(const std::string& alias) const {
    if (alias.empty()) return open.count(current) ? current : 0;
    for (const auto& [area, c] : open)
        if (c.alias == alias) return area;
    return 0;
}

Cursor* Cursors::At(int area) {
    auto it = open.find(area < 0 ? current : area);
    return it == open.end() ? nullptr : &it->second;
}

int Cursors::FieldNumber(int area, const std::string& name) const {
    auto it = open.find(area);
    if (it == open.end()) return 0;
    for (std::size_t i = 0; i < it->second.fields.size(); ++i)
        if (it->second.fields[i].name == name) return static_cast<int>(i) + 1;
    return 0;
}

int Cursors::Create(Channels& channels, const std::string& alias, std::vector<CursorField> fields) {
    const int other = Find(alias);
    if (other && other != current) return kErrAliasInUse;
    Close(channels, current);
    Cursor c;
    c.alias = alias;
    c.fields = std::move(fields);
    for (const CursorField& f : c.fields)
        if (f.type == 'M' && c.memo.path.empty() && !c.memo.Create(channels, TempMemoPath()))
            return 43;  // not enough memory (the memo file cannot be made)
    open[current] = std::move(c);
    return 0;
}

int Cursors::AppendBlank(int area) {
    Cursor* c = At(area);
    if (!c) return kErrNoTable;
    std::vector<Value> record;
    for (const CursorField& f : c->fields) record.push_back(Blank(f));
    c->records.push_back(std::move(record));
    c->recno = c->records.size();
    return 0;
}

int Cursors::Replace(Channels& channels, int area, const std::string& name, const Value& v) {
    Cursor* c = At(area);
    if (!c) return kErrNoTable;
    const int n = FieldNumber(area < 0 ? current : area, name);
    if (!n) return kErrNoVariable;
    if (c->recno == 0) return 0;  // at the end of the table: nothing to replace
    const CursorField& f = c->fields[static_cast<std::size_t>(n - 1)];
    Value& slot = c->records[c->recno - 1][static_cast<std::size_t>(n - 1)];
    switch (f.type) {
    case 'C':
        if (v.type != 'C') return kErrDataType;
        slot = Value::Char(v.text.substr(0, static_cast<std::size_t>(f.width)));
        slot.text.resize(static_cast<std::size_t>(f.width), ' ');
        return 0;
    case 'N':
    case 'I':
        if (!v.isNumeric()) return kErrDataType;
        slot = f.type == 'I' ? Value::Int(WholePart(v.asNumber())) : Value::Num(v.asNumber(), f.decimals);
        return 0;
    case 'L':
        if (v.type != 'L') return kErrDataType;
        slot = v;
        return 0;
    default: {  // M
        if (v.type != 'C') return kErrDataType;
        const std::uint32_t block = v.text.empty() ? 0 : c->memo.Write(channels, v.text);
        if (!v.text.empty() && block == 0) return 43;
        slot = Value::Int(static_cast<std::int32_t>(block));
        return 0;
    }
    }
}

int Cursors::Go(int area, long record) {
    Cursor* c = At(area);
    if (!c) return kErrNoTable;
    if (record < 1 || static_cast<std::size_t>(record) > c->records.size()) return kErrRecordOutOfRange;
    c->recno = static_cast<std::size_t>(record);
    return 0;
}

void Cursors::Select(int area) {
    if (area > 0) {
        current = area;
        return;
    }
    current = 1;
    while (open.count(current)) ++current;
}

void Cursors::Close(Channels& channels, int area) {
    Cursor* c = At(area);
    if (!c) return;
    c->memo.Close(channels);
    if (!c->memo.path.empty()) DeleteFileA(c->memo.path.c_str());
    open.erase(area < 0 ? current : area);
}

void Cursors::CloseAll(Channels& channels) {
    while (!open.empty()) Close(channels, open.begin()->first);
    current = 1;
}

bool Cursors::Read(Channels& channels, int area, const std::string& name, Value* out) {
    Cursor* c = At(area);
    const int n = c ? FieldNumber(area < 0 ? current : area, name) : 0;
    if (!n) return false;
    const CursorField& f = c->fields[static_cast<std::size_t>(n - 1)];
    // At the end of the table a field reads blank.
    const Value v = c->recno ? c->records[c->recno - 1][static_cast<std::size_t>(n - 1)] : Blank(f);
    if (f.type == 'M') *out = Value::Char(c->memo.Read(channels, static_cast<std::uint32_t>(v.integer)));
    else *out = v;
    return true;
}

void PlugCursors(Host& host) {
    Cursors& cursors = host.cursors;
    Channels& channels = host.channels;
    host.workAreas = WorkAreas{
        [&cursors](const std::string& alias) { return cursors.Find(alias); },
        [&cursors, &channels](int area, const std::string& name, Value* out) {
            return cursors.Read(channels, area, name, out);
        },
        [&cursors, &channels](int area, const std::string& name, const Value& in) {
            return cursors.Replace(channels, area, name, in);
        },
        [&cursors](int area, const std::string& name) { return cursors.FieldNumber(area, name); },
    };
    host.memoFields = MemoFields{
        [&cursors](int area) -> MemoFile* {
            Cursor* c = cursors.At(area);
            return c && !c->memo.path.empty() ? &c->memo : nullptr;
        },
        [&cursors](const VariableLocator& field) -> std::int64_t {
            Cursor* c = cursors.At(field.workArea);
            std::uint32_t n;
            std::memcpy(&n, field.reference, 4);
            if (!c || n < 1 || n > c->fields.size() || c->fields[n - 1].type != 'M') return -1;
            if (c->recno == 0) return 0;
            return static_cast<std::uint32_t>(c->records[c->recno - 1][n - 1].integer);
        },
    };
}

}  // namespace tarvo::run
