// The groups the host does not serve yet, each answering its safe default:
// tables 0 (no table: no record, nothing done), editor windows 0 (no
// window).
// A group that comes replaces its row in the table of services.cpp.
#include "runner/services/services.h"

namespace tarvo::run {

void ServeNoTables(ServiceCall& call) { call.Answer(0); }

void ServeNoEditors(ServiceCall& call) { call.Answer(0); }

}  // namespace tarvo::run
