// The table group, over the Host's tables (runner/tables.h). A work area of
// -1 is the current one. Movement, append and commit answer 0 or the host
// error number; a work area without a table answers record 0, count 0,
// status 0, and error 52 to everything that acts.
//
// LockRecord's second argument says what to lock: 0 the current record, a
// positive number that record, a negative one the whole table. A locator of
// ReplaceField names a field by its number (from 1) in its work area; one of
// a memory variable (work area -1) stores into the variable instead; one
// of a table at its end answers 4 (REPLACE there quietly does nothing).
#include <windows.h>

#include <cstring>

#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

void ServeTables(ServiceCall& call) {
    Host& host = call.host;
    Tables& tables = host.tables;
    const int area = call.arg(1);
    switch (call.code()) {
    case kSvcGetRecordNumber: {
        Table* t = tables.At(area);
        return call.Answer(t ? static_cast<std::int32_t>(t->recno) : 0);
    }
    case kSvcGetRecordCount: return call.Answer(static_cast<std::int32_t>(tables.RecCount(area)));
    case kSvcGetTableStatus: return call.Answer(tables.Status(area));
    case kSvcGoToRecord: return call.Answer(tables.Go(area, call.arg(2)));
    case kSvcWriteRecord: {
        Table* t = tables.At(area);
        if (!t) return call.Answer(52);
        // Records are written as they change: a commit only asks the system
        // to put them on the disk.
        return call.Answer(t->readOnly || FlushFileBuffers(t->file) ? 0 : 1105);
    }
    case kSvcAppendRecord: return call.Answer(tables.AppendBlank(area));
    case kSvcGoTop: return call.Answer(tables.GoTop(area));
    case kSvcGoBottom: return call.Answer(tables.GoBottom(area));
    case kSvcSkipRecords: return call.Answer(tables.Skip(area, call.arg(2)));
    case kSvcReplaceField: {
        const auto* field = call.at<const VariableLocator>(1);
        const auto* value = call.at<const ValueRecord>(2);
        if (!field || !value || field->type != 'R') return call.Answer(11);
        const Value v = host.DecodeRecord(*value);
        if (field->workArea == -1) {
            std::uint32_t id;
            std::memcpy(&id, field->reference, 4);
            if (host.hooks.storeVariable) return call.Answer(-host.hooks.storeVariable(id, v));
            host.variables.values[id] = v;
            return call.Answer(0);
        }
        const Table* t = tables.At(field->workArea);
        if (t && t->eof) return call.Answer(4);
        std::int32_t number;
        std::memcpy(&number, field->reference, 4);
        return call.Answer(tables.Replace(field->workArea, {{number, v}}));
    }
    case kSvcSeekKey: {
        const auto* value = call.at<const ValueRecord>(1);
        bool found = false;
        if (value) tables.Seek(-1, host.DecodeRecord(*value), &found);
        return call.Answer(found ? 1 : 0);
    }
    case kSvcLockRecord: {
        const int what = call.arg(2);
        Table* t = tables.At(area);
        if (!t) return call.Answer(0);
        const bool locked = what < 0    ? tables.LockTable(area)
                            : what == 0 ? !t->eof && tables.LockRecord(area, t->recno)
                                        : tables.LockRecord(area, static_cast<std::uint32_t>(what));
        return call.Answer(locked ? 1 : 0);
    }
    case kSvcUnlockRecords: tables.Unlock(area); return call.Answer(0);
    default: return call.Answer(0);
    }
}

}  // namespace tarvo::run
