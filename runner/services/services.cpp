// The table of service groups, and Host::Serve, which traces a service,
// applies the injected faults and hands it to its group.
#include "runner/services/services.h"

#include "runner/host.h"

namespace tarvo::run {

// The groups' handlers, each in its own file.
void ServeResults(ServiceCall& call);      // results.cpp
void ServeCommands(ServiceCall& call);     // commands.cpp
void ServeVariables(ServiceCall& call);    // variables.cpp
void ServeFiles(ServiceCall& call);        // files.cpp
void ServeWindows(ServiceCall& call);      // windows.cpp
void ServeInput(ServiceCall& call);        // input.cpp
void ServeMemo(ServiceCall& call);         // memo.cpp
void ServeTables(ServiceCall& call);       // tables.cpp
void ServeEditors(ServiceCall& call);
void CloseEditors(Host& host);
void ServeObjects(ServiceCall& call);
bool OpenWindows(Host& host, std::string* why);
void CloseWindows(Host& host);
void CloseFiles(Host& host);

namespace {

const ServiceGroup kGroups[] = {
    {"results and errors", {kSvcReturnValue, kSvcRaiseError, kSvcRaiseUserError},
     ServeResults, nullptr, nullptr},
    {"commands and output",
     {kSvcPutString, kSvcExecuteCommand, kSvcEvaluateExpression, kSvcGetErrorInfo},
     ServeCommands, nullptr, nullptr},
    {"variables", {kSvcLoadVariable, kSvcStoreVariable},
     ServeVariables, nullptr, nullptr},
    {"file channels",
     {kSvcHostFileOpen, kSvcHostFileClose, kSvcHostFileIo, kSvcHostFileSeek, kSvcHostFileEof},
     ServeFiles, nullptr, CloseFiles},
    {"tables",
     {kSvcGetRecordNumber, kSvcGetRecordCount, kSvcGetTableStatus, kSvcGoToRecord,
      kSvcWriteRecord, kSvcAppendRecord, kSvcGoTop, kSvcSkipRecords, kSvcGoBottom,
      kSvcReplaceField, kSvcSeekKey, kSvcLockRecord, kSvcUnlockRecords},
     ServeTables, nullptr, nullptr},
    {"memo", {kSvcGetMemoChannel, kSvcFindMemo, kSvcGetMemoSize},
     ServeMemo, nullptr, nullptr},
    {"editors",
     {kSvcEditorOpenFile, kSvcEditorPosition, kSvcEditorInsert, kSvcEditorSendKey,
      kSvcEditorSelect, kSvcEditorAction, kSvcEditorGroupUndo, kSvcEditorEnvironment,
      kSvcEditorPositionInView, kSvcEditorCloseFile, kSvcEditorSave},
     ServeEditors, nullptr, CloseEditors},
    {"windows and dialogs",
     {kSvcGetWindowMetric, kSvcShowDialog, kSvcHostWindowToHwnd, kSvcFindHostWindow},
     ServeWindows, OpenWindows, CloseWindows},
    {"objects", {kSvcSetObjectProperty},
     ServeObjects, nullptr, nullptr},
    {"input", {kSvcReadKey, kSvcGetMousePosition},
     ServeInput, nullptr, nullptr},
};

}  // namespace

std::span<const ServiceGroup> ServiceGroups() { return kGroups; }

const ServiceGroup* GroupFor(std::uint32_t code) {
    for (const ServiceGroup& g : kGroups)
        for (std::uint32_t c : g.codes)
            if (c == code && c != 0) return &g;
    return nullptr;
}

std::string ServiceText(const ServiceBlock& b) {
    auto text = [](std::uint32_t a) { return a ? std::string(FromAddr<const char>(a)) : std::string(); };
    switch (b.code) {
    case kSvcPutString: case kSvcExecuteCommand: case kSvcRaiseUserError:
    case kSvcHostFileOpen: case kSvcFindHostWindow: case kSvcEditorOpenFile:
        return text(b.arg1);
    case kSvcEvaluateExpression:
        return text(b.arg2);
    default:
        return {};
    }
}

void Host::Serve(ServiceBlock* b) {
    Trace t;
    t.code = b->code;
    t.args[0] = b->arg1;
    t.args[1] = b->arg2;
    t.args[2] = b->arg3;
    t.args[3] = b->arg4;
    t.args[4] = b->arg5;
    t.text = ServiceText(*b);
    if (traceOn) trace.push_back(t);

    Frame* frame = CurrentFrame();
    if (frame && ++frame->services == faults.abortAtService) {
        RaiseInFrame(b, faults.abortError, ErrorText(faults.abortError));
        return;
    }
    if (hostile) MoveUnlockedBlocks();

    ServiceCall call{*this, *b, t.text};
    if (const ServiceGroup* g = GroupFor(b->code)) g->serve(call);
    else call.Answer(0);  // a code no group serves
}

}  // namespace tarvo::run
