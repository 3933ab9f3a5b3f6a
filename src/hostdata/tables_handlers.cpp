// The table functions: each asks the host's table services for the table
// in a work area (-1: the current one). The tests whether the current
// record is the last or the first are built from several services.
#include "host/declare.h"
#include "hostdata/network_mode.h"

namespace tarvo {
namespace {

constexpr int kAtBeginning = 1;
constexpr int kAtEnd = 2;

std::int32_t Area(Opt<std::int32_t> area) { return area.or_else(-1); }
bool Has(std::int32_t area, int bit) { return (GetTableStatus(area) & bit) != 0; }

std::int32_t DbfGoTop(Opt<std::int32_t> area) { return GoTop(Area(area)); }
std::int32_t DbfGoBottom(Opt<std::int32_t> area) { return GoBottom(Area(area)); }
std::int32_t DbfRecCount(Opt<std::int32_t> area) { return GetRecordCount(Area(area)); }
bool DbfEmpty(Opt<std::int32_t> area) { return GetRecordCount(Area(area)) == 0; }
std::int32_t DbfStatus(Opt<std::int32_t> area) { return GetTableStatus(Area(area)); }
template <int Bit>
bool StatusBit(Opt<std::int32_t> area) { return Has(Area(area), Bit); }
bool DbfCommit(Opt<std::int32_t> area) { return WriteRecord(Area(area)) == 0; }
bool DbfSeek(AnyRecord key) { return SeekKey(key.value) != 0; }

// One answer goes back per append; what an answer means is the host's, so
// every one of them is asked for.
void DbfAppend(Opt<std::int32_t> count, Opt<std::int32_t> area) {
    for (std::int32_t i = 0; i < count.or_else(1); ++i) ReturnInteger(AppendRecord(Area(area), -1));
}

bool DbfLock(Opt<std::int32_t> what, Opt<std::int32_t>) { return LockRecord(-1, what.or_else(0)) != 0; }

bool DbfReplace(Ref field, AnyRecord value) {
    if (!NetworkMode()) return ReplaceField(field.locator, value.value) == 0;
    if (LockRecord(-1, 0) == 0) return false;
    const bool stored = ReplaceField(field.locator, value.value) == 0;
    UnlockRecords(-1);
    return stored;
}

// Is the current record the last one? At the end of a table with records
// the pointer goes back to the last record.
bool DbfEndOfTable(Opt<std::int32_t> given) {
    const std::int32_t w = Area(given);
    const std::int32_t status = GetTableStatus(w);
    if (status & kAtEnd) {
        if (!(status & kAtBeginning)) SkipRecords(w, -1);
        return true;
    }
    const std::int32_t record = GetRecordNumber(w);
    SkipRecords(w, 1);
    const bool last = Has(w, kAtEnd);
    if (record == 0) GoBottom(w);
    else GoToRecord(w, record);
    return last;
}

// Is the current record the first one? The pointer stays where it was.
bool DbfBeginOfTable(Opt<std::int32_t> given) {
    const std::int32_t w = Area(given);
    const std::int32_t status = GetTableStatus(w);
    if (status & kAtBeginning) return true;
    const bool atEnd = (status & kAtEnd) != 0;
    const std::int32_t record = atEnd ? 0 : GetRecordNumber(w);
    bool first = false;
    bool decided = false;
    if (atEnd) {
        SkipRecords(w, -1);
        if (Has(w, kAtBeginning)) first = decided = true;
    }
    if (!decided) {
        SkipRecords(w, -1);
        first = Has(w, kAtBeginning);
    }
    if (record == 0) {
        GoBottom(w);
        if (!Has(w, kAtEnd)) SkipRecords(w, 1);
    } else {
        GoToRecord(w, record);
    }
    return first;
}

constexpr RowSpec kRows[] = {
#include "hostdata/tables_rows.h"
};

}  // namespace

Family TableFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
