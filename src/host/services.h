// What handlers use to reach the host: one typed function per service code,
// the return functions, and the library-side handle operations.
//
// A service that the host answers with code 83 or 84 (an error raised), or
// any service asked on a thread that has no host callback, does not return:
// it throws HostAbort, which the innermost pending DispatchAPI (or a timer
// callback's own guard) catches. Handlers therefore never see a failed abort
// and clean up through destructors only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/protocol.h"

namespace tarvo {

struct HostAbort {};

// Runs the body of a callback that Windows calls (a timer, an enumeration, a
// notification): outside any DispatchAPI nothing else would catch a host
// abort, so it ends the body here and never reaches Windows' frames. Answers
// false when the body was aborted.
template <typename Body>
bool GuardCallback(Body&& body) noexcept {
    try {
        body();
        return true;
    } catch (...) {
        return false;
    }
}

// --- the raw service call -------------------------------------------------
std::uint32_t CallService(std::uint32_t code, std::uint32_t a1 = 0, std::uint32_t a2 = 0,
                          std::uint32_t a3 = 0, std::uint32_t a4 = 0, std::uint32_t a5 = 0);

inline std::uint32_t Ptr(const void* p) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

// --- typed services ---------------------------------------------------------
void PutString(const char* text);
void ReturnValue(ValueRecord* value);
[[noreturn]] void RaiseError(std::uint32_t number);
[[noreturn]] void RaiseUserError(const char* text);
std::int32_t GetErrorInfo(std::int32_t number, char* buffer256);

std::int32_t GetRecordNumber(std::int32_t workArea);
std::int32_t GetRecordCount(std::int32_t workArea);
std::int32_t GetTableStatus(std::int32_t workArea);
std::int32_t GoToRecord(std::int32_t workArea, std::int32_t record);
std::int32_t WriteRecord(std::int32_t workArea);
std::int32_t AppendRecord(std::int32_t workArea, std::int32_t carry);
std::int32_t GoTop(std::int32_t workArea);
std::int32_t SkipRecords(std::int32_t workArea, std::int32_t count);
std::int32_t GoBottom(std::int32_t workArea);
std::int32_t ReplaceField(const VariableLocator* field, const ValueRecord* value);
std::int32_t GetMemoChannel(std::int32_t workArea);
std::int32_t FindMemo(const VariableLocator* field);
std::int32_t GetMemoSize(const VariableLocator* field);
std::int32_t SeekKey(const ValueRecord* key);
std::int32_t LockRecord(std::int32_t workArea, std::int32_t what);
std::int32_t UnlockRecords(std::int32_t workArea);

// Both answer 0 or a negative host error number.
std::int32_t StoreVariable(const VariableLocator* var, const ValueRecord* value);
std::int32_t LoadVariable(const VariableLocator* var, ValueRecord* value);

std::int32_t HostFileOpen(const char* name, std::int32_t mode, std::int32_t create);
std::int32_t HostFileClose(std::int32_t channel);
std::int32_t HostFileIo(std::int32_t channel, void* buffer, std::int32_t count,
                        FileIoMode mode);
std::int32_t HostFileSeek(std::int32_t channel, std::int32_t position, std::int32_t origin);
std::int32_t HostFileEof(std::int32_t channel);

std::int32_t GetWindowMetric(std::uint32_t hostWindow, std::int32_t which);
std::int32_t ExecuteCommand(const char* command);
std::int32_t EvaluateExpression(ValueRecord* result, const char* expression);
std::int32_t ReadKey(std::int32_t timeout, std::int32_t flags);
std::int32_t GetMousePosition(std::int32_t point[2], std::int32_t flag);
// `buttons`: the addresses of the three button texts (0 for none), as the
// protocol's 32-bit addresses.
std::int32_t ShowDialog(std::int32_t scheme, const char* text, std::int32_t defaultButton,
                        std::int32_t escapeButton, const std::uint32_t buttons[3]);

std::int32_t EditorOpenFile(const char* name, std::int32_t mode);
std::int32_t EditorPosition(std::int32_t window, std::int32_t value, std::int32_t mode);
std::int32_t EditorInsert(std::int32_t window, const char* text, std::int32_t length);
std::int32_t EditorSendKey(std::int32_t window, std::int32_t key, std::int32_t flag);
std::int32_t EditorSelect(std::int32_t window, std::int32_t start, std::int32_t end);
std::int32_t EditorAction(std::int32_t window, std::int32_t action);
std::int32_t EditorGroupUndo(std::int32_t window, std::int32_t flag);
std::int32_t EditorEnvironment(std::int32_t window, void* record, std::int32_t direction);
std::int32_t EditorPositionInView(std::int32_t window, std::int32_t position);
std::int32_t EditorCloseFile(std::int32_t window);
std::int32_t EditorSave(std::int32_t window);

std::uint32_t HostWindowToHwnd(std::uint32_t hostWindow);
std::uint32_t FindHostWindow(const char* name, std::int32_t mainFlag);
// The Windows handle of the host's main window.
std::uint32_t HostMainWindow();
// The Windows handle of the host window (a form) of that name; 0 when the
// host knows none.
std::uint32_t HostFormWindow(const char* name);
// Whether a Windows handle names a window that exists.
bool IsWindowHandle(std::uint32_t hwnd);
std::int32_t SetObjectProperty(const ValueRecord* object, const char* name,
                               const ValueRecord* value, std::int32_t create);

// --- return functions -------------------------------------------------------
void ReturnInteger(std::int32_t value, std::int16_t width = 10);
void ReturnNumber(double value, std::int16_t width, std::int32_t decimals);
void ReturnLogical(bool flag);
// Returns a record whose handle the library allocated for the result: the
// handle passes to the host, or is freed when the host aborts the return.
void ReturnHandle(ValueRecord* value);
// Copies a zero-terminated text into a new handle (type H). Out of memory:
// nothing is returned and nothing raised.
void ReturnString(const char* text);
inline void ReturnString(const std::string& text) { ReturnString(text.c_str()); }
// A character value with an explicit length, so zero bytes survive. The
// bytes go into a new handle; out of memory raises 182.
void ReturnBytes(const char* data, std::size_t length);

// --- handles (library-side; no service is asked) ---------------------------
std::uint32_t AllocHandle(std::uint32_t size);
void FreeHandle(std::uint32_t handle);
char* HandleToPointer(std::uint32_t handle);
void LockHandle(std::uint32_t handle);
void UnlockHandle(std::uint32_t handle);
bool SetHandleSize(std::uint32_t handle, std::uint32_t size);
// AllocHandle + LockHandle; raises 182 when the handle cannot be had.
char* AllocLockedHandle(std::uint32_t size, std::uint32_t* handle);
void FreeLockedHandle(std::uint32_t handle);

// A working buffer from AllocLockedHandle, released when it goes out of scope
// (on every way out, an abort included).
struct WorkBuffer {
    std::uint32_t handle = 0;
    char* data = nullptr;
    explicit WorkBuffer(std::uint32_t size) { data = AllocLockedHandle(size, &handle); }
    ~WorkBuffer() { if (handle) FreeLockedHandle(handle); }
    // Hand the handle over (for instance to a returned value record).
    std::uint32_t Release() { std::uint32_t h = handle; if (h) UnlockHandle(h); handle = 0; return h; }
    WorkBuffer(WorkBuffer&& other) noexcept : handle(other.handle), data(other.data) { other.handle = 0; }
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;
};

// A text in a block of host memory that the library filled, to go back to
// the host as a character value of `length` bytes, zero bytes included: the
// block itself passes to the host. Freed when it goes out of scope unless
// it was returned.
struct HandleText {
    std::uint32_t handle = 0;
    std::int32_t length = 0;
    HandleText(WorkBuffer&& block, std::int32_t size) : handle(block.Release()), length(size) {}
    HandleText(std::uint32_t unlocked, std::int32_t size) : handle(unlocked), length(size) {}
    HandleText(HandleText&& other) noexcept : handle(other.handle), length(other.length) { other.handle = 0; }
    HandleText(const HandleText&) = delete;
    HandleText& operator=(const HandleText&) = delete;
    ~HandleText() { if (handle) FreeHandle(handle); }
    // Sends it back: from then on the block is the host's.
    void Return();
};

}  // namespace tarvo
