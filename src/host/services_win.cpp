// One typed function per host service, each over one service call.
#include <windows.h>

#include <cstring>

#include "host/dispatch.h"
#include "host/params.h"
#include "host/services.h"

namespace tarvo {

std::uint32_t CallService(std::uint32_t code, std::uint32_t a1, std::uint32_t a2,
                          std::uint32_t a3, std::uint32_t a4, std::uint32_t a5) {
    ServiceBlock block;
    block.arg1 = a1;
    block.arg2 = a2;
    block.arg3 = a3;
    block.arg4 = a4;
    block.code = code;
    block.arg5 = a5;
    HostCallback callback = CurrentCallback();
    if (!callback) throw HostAbort{};
    block.zero = 0;
    callback(&block);
    if (block.code == kSvcRaiseError || block.code == kSvcRaiseUserError) throw HostAbort{};
    return block.arg1;
}

namespace {
std::int32_t Svc(std::uint32_t code, std::uint32_t a1 = 0, std::uint32_t a2 = 0,
                 std::uint32_t a3 = 0, std::uint32_t a4 = 0) {
    return static_cast<std::int32_t>(CallService(code, a1, a2, a3, a4));
}
std::uint32_t U(std::int32_t v) { return static_cast<std::uint32_t>(v); }
}  // namespace

void PutString(const char* text) { CallService(kSvcPutString, Ptr(text)); }
void ReturnValue(ValueRecord* value) { CallService(kSvcReturnValue, Ptr(value)); }

void RaiseError(std::uint32_t number) {
    CallService(kSvcRaiseError, number);
    throw HostAbort{};  // a host that returns normally still ends the request
}

void RaiseUserError(const char* text) {
    CallService(kSvcRaiseUserError, Ptr(text));
    throw HostAbort{};
}

std::int32_t GetErrorInfo(std::int32_t number, char* buffer256) {
    return Svc(kSvcGetErrorInfo, U(number), Ptr(buffer256));
}

std::int32_t GetRecordNumber(std::int32_t wa) { return Svc(kSvcGetRecordNumber, U(wa)); }
std::int32_t GetRecordCount(std::int32_t wa) { return Svc(kSvcGetRecordCount, U(wa)); }
std::int32_t GetTableStatus(std::int32_t wa) { return Svc(kSvcGetTableStatus, U(wa)); }
std::int32_t GoToRecord(std::int32_t wa, std::int32_t rec) {
    return Svc(kSvcGoToRecord, U(wa), U(rec));
}
std::int32_t WriteRecord(std::int32_t wa) { return Svc(kSvcWriteRecord, U(wa)); }
std::int32_t AppendRecord(std::int32_t wa, std::int32_t carry) {
    return Svc(kSvcAppendRecord, U(wa), U(carry));
}
std::int32_t GoTop(std::int32_t wa) { return Svc(kSvcGoTop, U(wa)); }
std::int32_t SkipRecords(std::int32_t wa, std::int32_t n) { return Svc(kSvcSkipRecords, U(wa), U(n)); }
std::int32_t GoBottom(std::int32_t wa) { return Svc(kSvcGoBottom, U(wa)); }
std::int32_t ReplaceField(const VariableLocator* f, const ValueRecord* v) {
    return Svc(kSvcReplaceField, Ptr(f), Ptr(v));
}
std::int32_t GetMemoChannel(std::int32_t wa) { return Svc(kSvcGetMemoChannel, U(wa)); }
std::int32_t FindMemo(const VariableLocator* f) { return Svc(kSvcFindMemo, Ptr(f)); }
std::int32_t GetMemoSize(const VariableLocator* f) { return Svc(kSvcGetMemoSize, Ptr(f)); }
std::int32_t SeekKey(const ValueRecord* key) { return Svc(kSvcSeekKey, Ptr(key)); }
std::int32_t LockRecord(std::int32_t wa, std::int32_t what) {
    return Svc(kSvcLockRecord, U(wa), U(what));
}
std::int32_t UnlockRecords(std::int32_t wa) { return Svc(kSvcUnlockRecords, U(wa)); }

std::int32_t StoreVariable(const VariableLocator* var, const ValueRecord* value) {
    return Svc(kSvcStoreVariable, Ptr(var), Ptr(value));
}
std::int32_t LoadVariable(const VariableLocator* var, ValueRecord* value) {
    return Svc(kSvcLoadVariable, Ptr(var), Ptr(value));
}

std::int32_t HostFileOpen(const char* name, std::int32_t mode, std::int32_t create) {
    return Svc(kSvcHostFileOpen, Ptr(name), U(mode), U(create));
}
std::int32_t HostFileClose(std::int32_t ch) { return Svc(kSvcHostFileClose, U(ch), 1); }
std::int32_t HostFileIo(std::int32_t ch, void* buffer, std::int32_t count, FileIoMode mode) {
    return Svc(kSvcHostFileIo, U(ch), Ptr(buffer), U(count), mode);
}
std::int32_t HostFileSeek(std::int32_t ch, std::int32_t pos, std::int32_t origin) {
    return Svc(kSvcHostFileSeek, U(ch), U(pos), U(origin));
}
std::int32_t HostFileEof(std::int32_t ch) { return Svc(kSvcHostFileEof, U(ch), 0); }

std::int32_t GetWindowMetric(std::uint32_t w, std::int32_t which) {
    return Svc(kSvcGetWindowMetric, w, U(which), 0);
}
std::int32_t ExecuteCommand(const char* command) { return Svc(kSvcExecuteCommand, Ptr(command)); }
std::int32_t EvaluateExpression(ValueRecord* result, const char* expression) {
    return Svc(kSvcEvaluateExpression, Ptr(result), Ptr(expression));
}
std::int32_t ReadKey(std::int32_t timeout, std::int32_t flags) {
    return Svc(kSvcReadKey, U(timeout), U(flags));
}
std::int32_t GetMousePosition(std::int32_t point[2], std::int32_t flag) {
    return Svc(kSvcGetMousePosition, Ptr(point), U(flag));
}
std::int32_t ShowDialog(std::int32_t scheme, const char* text, std::int32_t def,
                        std::int32_t esc, const std::uint32_t buttons[3]) {
    return static_cast<std::int32_t>(
        CallService(kSvcShowDialog, U(scheme), Ptr(text), U(def), U(esc), Ptr(buttons)));
}

std::int32_t EditorOpenFile(const char* name, std::int32_t mode) {
    return Svc(kSvcEditorOpenFile, Ptr(name), U(mode));
}
std::int32_t EditorPosition(std::int32_t w, std::int32_t v, std::int32_t mode) {
    return Svc(kSvcEditorPosition, U(w), U(v), U(mode));
}
std::int32_t EditorInsert(std::int32_t w, const char* text, std::int32_t len) {
    return Svc(kSvcEditorInsert, U(w), Ptr(text), U(len));
}
std::int32_t EditorSendKey(std::int32_t w, std::int32_t key, std::int32_t flag) {
    return Svc(kSvcEditorSendKey, U(w), U(key), U(flag));
}
std::int32_t EditorSelect(std::int32_t w, std::int32_t s, std::int32_t e) {
    return Svc(kSvcEditorSelect, U(w), U(s), U(e));
}
std::int32_t EditorAction(std::int32_t w, std::int32_t a) { return Svc(kSvcEditorAction, U(w), U(a)); }
std::int32_t EditorGroupUndo(std::int32_t w, std::int32_t f) {
    return Svc(kSvcEditorGroupUndo, U(w), U(f));
}
std::int32_t EditorEnvironment(std::int32_t w, void* rec, std::int32_t dir) {
    return Svc(kSvcEditorEnvironment, U(w), Ptr(rec), U(dir));
}
std::int32_t EditorPositionInView(std::int32_t w, std::int32_t pos) {
    return Svc(kSvcEditorPositionInView, U(w), U(pos));
}
std::int32_t EditorCloseFile(std::int32_t w) { return Svc(kSvcEditorCloseFile, U(w), 0); }
std::int32_t EditorSave(std::int32_t w) { return Svc(kSvcEditorSave, U(w), 1); }

std::uint32_t HostWindowToHwnd(std::uint32_t w) { return CallService(kSvcHostWindowToHwnd, w); }
std::uint32_t FindHostWindow(const char* name, std::int32_t mainFlag) {
    return CallService(kSvcFindHostWindow, Ptr(name), U(mainFlag));
}
std::uint32_t HostMainWindow() { return HostWindowToHwnd(FindHostWindow(nullptr, 1)); }
std::uint32_t HostFormWindow(const char* name) { return HostWindowToHwnd(FindHostWindow(name, 0)); }
bool IsWindowHandle(std::uint32_t hwnd) { return hwnd != 0 && IsWindow(FromAddr<HWND__>(hwnd)); }
std::int32_t SetObjectProperty(const ValueRecord* obj, const char* name, const ValueRecord* v,
                               std::int32_t create) {
    return Svc(kSvcSetObjectProperty, Ptr(obj), Ptr(name), Ptr(v), U(create));
}

// --- return functions -------------------------------------------------------

void ReturnInteger(std::int32_t value, std::int16_t width) {
    ValueRecord r{};
    r.type = 'I';
    r.width = width;
    r.integer = value;
    ReturnValue(&r);
}

void ReturnNumber(double value, std::int16_t width, std::int32_t decimals) {
    ValueRecord r{};
    r.type = 'N';
    r.width = width;
    r.length = decimals;
    r.number = value;
    ReturnValue(&r);
}

void ReturnLogical(bool flag) {
    ValueRecord r{};
    r.type = 'L';
    r.length = flag ? 1 : 0;
    ReturnValue(&r);
}

void ReturnHandle(ValueRecord* value) {
    try {
        ReturnValue(value);
    } catch (const HostAbort&) {
        // The host refused the result: the handle never became its own.
        FreeHandle(value->handle);
        throw;
    }
}

void HandleText::Return() {
    ValueRecord r{};
    r.type = 'C';
    r.length = length;
    r.handle = handle;
    handle = 0;  // ReturnHandle frees it if the host refuses it
    ReturnHandle(&r);
}

void ReturnString(const char* text) {
    std::size_t len = std::strlen(text);
    std::uint32_t h = AllocHandle(static_cast<std::uint32_t>(len + 1));
    if (h == 0) return;
    std::memcpy(HandleToPointer(h), text, len + 1);
    ValueRecord r{};
    r.type = 'H';
    r.length = static_cast<std::int32_t>(len);
    r.handle = h;
    ReturnHandle(&r);
}

void ReturnBytes(const char* data, std::size_t length) {
    std::uint32_t h = AllocHandle(static_cast<std::uint32_t>(length + 1));
    if (h == 0) RaiseError(kErrOutOfMemory);
    if (length) std::memcpy(HandleToPointer(h), data, length);
    ValueRecord r{};
    r.type = 'C';
    r.length = static_cast<std::int32_t>(length);
    r.handle = h;
    ReturnHandle(&r);
}

// --- character parameters ---------------------------------------------------

TextArg::TextArg(ValueRecord& v) {
    length = v.length < 0 ? 0 : v.length;
    if (!SetHandleSize(v.handle, static_cast<std::uint32_t>(length) + 1))
        RaiseError(kErrOutOfMemory);
    handle = v.handle;
    LockHandle(handle);
    data = HandleToPointer(handle);
    data[length] = '\0';
}

void TextArg::ReturnSlice(std::size_t from, std::size_t length) {
    struct PutBack {
        char* at;
        char byte;
        ~PutBack() { *at = byte; }
    } putBack{data + from + length, data[from + length]};
    data[from + length] = '\0';
    ReturnString(data + from);
}

ValueRecord Ref::Load() const {
    ValueRecord value{};
    const std::int32_t answer = LoadVariable(locator, &value);
    if (answer < 0) RaiseError(static_cast<std::uint32_t>(-answer));
    return value;
}

void Ref::Store(const ValueRecord& value) const {
    const std::int32_t answer = StoreVariable(locator, &value);
    if (answer < 0) RaiseError(static_cast<std::uint32_t>(-answer));
}

void Ref::StoreNumber(double number) const { LoadedVariable(*this).StoreNumber(number); }

void Ref::StoreText(std::string_view text) const {
    if (text.size() > kMaxTextLength) RaiseError(kErrOutOfMemory);
    WorkBuffer block(static_cast<std::uint32_t>(text.size()) + 1);
    if (!text.empty()) std::memcpy(block.data, text.data(), text.size());
    ValueRecord value{};
    value.type = 'C';
    value.length = static_cast<std::int32_t>(text.size());
    value.handle = block.handle;
    Store(value);  // the host copies the text; the block stays the library's
}

void Ref::StoreDate(double dayNumber) const {
    ValueRecord value{};
    value.type = 'D';
    value.number = dayNumber;
    Store(value);
}

void Ref::StoreLogical(bool flag) const {
    ValueRecord value{};
    value.type = 'L';
    value.length = flag ? 1 : 0;
    Store(value);
}

std::string Ref::LoadText() const {
    LoadedVariable loaded(*this);
    const ValueRecord& value = loaded.value;
    if (value.type != 'C' && value.type != 'M') RaiseError(kErrNotCharacter302);
    const char* text = value.length > 0 ? HandleToPointer(value.handle) : nullptr;
    return text ? std::string(text, static_cast<std::size_t>(value.length)) : std::string();
}

LoadedVariable::~LoadedVariable() {
    if ((value.type == 'C' || value.type == 'M') && value.handle) FreeHandle(value.handle);
}

TextArg::~TextArg() {
    if (handle) UnlockHandle(handle);
}

}  // namespace tarvo
