// The host's cursors: tables that a program creates with CREATE CURSOR, held
// in memory, their memo fields in a memo file of the host's own format in the
// temporary folder (runner/services/memo.h). They are what names and the memo
// services see of the tables: PlugCursors connects them to the Host's work
// areas and memo fields. The table services (record numbers, skipping,
// locks ...) still answer their defaults.
//
// Field types: C(width), N(width[, decimals]), I, L and M. A blank record
// holds blanks of the field's width, 0, .F. and empty memos. REPLACE takes a
// text for C (padded or cut to the width) and M, a number for N and I, a
// logical for L; anything else is a data type mismatch (9). A memo field
// reads as its text; it holds the number of its memo's block, and a new text
// is written as a new memo.
//
// Work areas count from 1; 1 is the current one at start. A field locator's
// reference carries the field's number (from 1) where a variable locator
// carries the variable's id.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "runner/services/memo.h"
#include "runner/value.h"

namespace tarvo::run {

struct Channels;
struct Host;

struct CursorField {
    std::string name;  // upper case
    char type = 'C';   // C N I L M
    int width = 0;
    int decimals = 0;
};

struct Cursor {
    std::string alias;  // upper case
    std::vector<CursorField> fields;
    std::vector<std::vector<Value>> records;  // a memo field's block is its value's integer
    std::size_t recno = 0;                    // 1-based; 0 while there is none
    MemoFile memo;                            // created with the first memo field
};

struct Cursors {
    std::map<int, Cursor> open;  // by work area
    int current = 1;

    // The work area open under `alias` (the current one for an empty alias);
    // 0 when none.
    int Find(const std::string& alias) const;
    Cursor* At(int area);
    // The number (from 1) of field `name` of the cursor in `area`; 0 when none.
    int FieldNumber(int area, const std::string& name) const;

    // Each answers 0 or the host error number.
    // A cursor in the current work area (closing the one open there).
    int Create(Channels& channels, const std::string& alias, std::vector<CursorField> fields);
    int AppendBlank(int area);
    int Replace(Channels& channels, int area, const std::string& name, const Value& value);
    int Go(int area, long record);  // 1 to the record count
    // SELECT: a work area (0: the lowest one without a cursor).
    void Select(int area);
    void Close(Channels& channels, int area);
    void CloseAll(Channels& channels);
    // The field's value in the current record; false when there is no such field.
    bool Read(Channels& channels, int area, const std::string& name, Value* out);
};

// Plugs the Host's cursors into its work areas and memo fields.
void PlugCursors(Host& host);

}  // namespace tarvo::run
