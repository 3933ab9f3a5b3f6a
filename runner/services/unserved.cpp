// The group the host does not serve yet, answering its safe default:
// tables 0 (no table: no record, nothing done).
// A group that comes replaces its row in the table of services.cpp.
#include "runner/services/services.h"

namespace tarvo::run {

void ServeNoTables(ServiceCall& call) { call.Answer(0); }

}  // namespace tarvo::run
