// The replacement host: loads TARVO.fll exactly as the host does and serves
// every request the library makes through its callback.
//
// One Host is active per thread (the library keeps its callback per thread).
// Calls may nest: a command run through ExecuteCommand may call the library
// again; each call has its own frame of results and errors.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/ascii.h"
#include "host/protocol.h"
#include "host/type_string.h"
#include "runner/services/editors.h"
#include "runner/services/files.h"
#include "runner/services/memo.h"
#include "runner/services/variables.h"
#include "runner/services/windows.h"
#include "runner/tables.h"
#include "runner/value.h"
#include "runner/work_areas.h"

namespace tarvo::run {

using ParamType = TypeEntry;  // C N I D L O R ?

struct FunctionInfo {
    std::string name;
    std::uint32_t handler = 0;
    std::int16_t count = 0;       // -2 load hook, -3 unload hook
    std::string types;            // the type string as the table has it
    std::vector<ParamType> params;
    bool typesNull = false;       // the record pointed at no type string
};

// An argument: a value, or a variable passed by reference (a locator whose
// reference bytes carry the variable's id).
struct Arg {
    Value value;
    bool byRef = false;
    std::uint32_t varId = 0;
    std::int16_t workArea = -1;   // -1: memory variable; > 0: a table field
};
inline Arg ByValue(Value v) { return Arg{std::move(v)}; }
inline Arg ByRef(std::uint32_t id, std::int16_t workArea = -1) {
    Arg a;
    a.byRef = true;
    a.varId = id;
    a.workArea = workArea;
    return a;
}

// One value record the library sent with ReturnValue.
struct Returned {
    char type = 0;           // the record's own letter (I, N, L, H, C, D ...)
    std::int16_t width = 0;
    std::int32_t length = 0;
    std::uint32_t handle = 0;
    Value value;             // decoded (H and C become character values)
};

struct Outcome {
    bool found = true;       // the name is in the function table
    int error = 0;           // host error that ended the call (0: none)
    std::string message;     // its text
    // For error 11: which argument did not fit and why, as a sentence
    // ("Argument 2 is a text where an integer is declared.").
    std::string detail;
    std::vector<Returned> returns;  // every ReturnValue, in order
    std::string protocol;    // what a returned record broke of the protocol, if anything
    bool hasValue() const { return !returns.empty(); }
    // The last value returned wins; .T. when nothing was returned.
    Value value() const { return returns.empty() ? Value::Logical(true) : returns.back().value; }
};

// One service the library asked for.
struct Trace {
    std::uint32_t code = 0;
    std::uint32_t args[5] = {};
    std::string text;        // the text argument of text services
};

// Faults the host can inject (all off by default).
struct Faults {
    std::string failOpen;          // HostFileOpen of a name containing this answers -1
    int readLimit = 0;             // block reads answer at most this many bytes (0: all asked)
    int abortAtService = 0;        // raise `abortError` at the k-th service of a call (1-based)
    int abortError = 1;
    int loadVariableError = 0;     // LoadVariable answers -n
    int storeVariableError = 0;    // StoreVariable answers -n
    std::string failCommand;       // ExecuteCommand of a text containing this answers
    int commandError = 10;         //   this error number
    std::string abortCommand;      // ExecuteCommand of a text containing this raises
                                   //   commandError (in a call or outside any)
    // Hostile memory: the n-th handle block allocation / resize made by the
    // library fails (1-based; 0 = never). Counted while `hostile` is on.
    int failAllocAt = 0;
    int failResizeAt = 0;
};

// What the host does for services that belong to the host language. The
// interpreter plugs itself in here; without it the defaults below apply.
struct Hooks {
    // Runs a command; answers 0 or the host error number.
    std::function<int(const std::string& command)> executeCommand;
    // Evaluates an expression into `out`; answers 0 or the host error number.
    std::function<int(const std::string& expression, Value& out)> evaluate;
    // Variables passed by reference, by id: 0 or a negative host error.
    std::function<int(std::uint32_t id, Value& out)> loadVariable;
    std::function<int(std::uint32_t id, const Value& in)> storeVariable;
    // Text the library writes to the host's output.
    std::function<void(const std::string& text)> output;
    // Sets the property `name` of the object `id` (adding it when `create`
    // and it is missing): 0, or 1 when it cannot.
    std::function<int(std::int32_t id, const std::string& name, const Value& value, bool create)>
        setObjectProperty;
    // The text GetErrorInfo gives for an error number (ErrorText when unset).
    std::function<std::string(int number)> errorText;
};

// The host's text for one of its error numbers.
std::string ErrorText(int number);

struct Host {
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Loads the library by path: the service groups' set-up (the main
    // window), handle and value tables, request 0, the function table, the
    // load hook. False with a reason on failure.
    bool Load(const std::string& path, std::string* error = nullptr);
    // Runs the unload hook, releases the library, then the groups' state.
    void Unload();
    bool loaded() const { return module_ != nullptr; }
    HMODULE module() const { return module_; }

    const FunctionInfo* Find(const std::string& name) const;
    const std::vector<FunctionInfo>& functions() const { return functions_; }

    // Calls a function by name. Arguments are checked against the record's
    // type string and converted to the declared letters (error 11 when they
    // do not fit); with check = false each value goes as it is.
    Outcome Call(const std::string& name, const std::vector<Arg>& args, bool check = true);
    Outcome Call(const std::string& name, std::initializer_list<Value> args) {
        std::vector<Arg> a;
        for (const Value& v : args) a.push_back(ByValue(v));
        return Call(name, a);
    }

    // Variables for by-reference arguments of the C++ API (the default
    // variable hooks read and write these).
    std::uint32_t NewVariable(Value v) { return variables.New(std::move(v)); }
    Value& Variable(std::uint32_t id) { return variables.values[id]; }

    // Raw requests (for tests of the protocol itself).
    void Request(RequestBlock* block) { dispatch_(block); }
    std::uint8_t* handleTable() { return handleTable_.data(); }
    std::uint8_t* valueTable() { return valueTable_.data(); }
    const LibraryHeader* header() const { return header_; }
    int HandlesInUse() const;
    // Text of a handle as the library sees it (empty when invalid).
    std::string HandleText(std::uint32_t handle, std::size_t length) const;

    HWND mainWindow() const { return windows.main; }

    // Dispatches the thread's pending window messages (thread timers fire
    // here); with a time, goes on doing so until that many milliseconds have
    // passed (INFINITE: for ever), or until `stop` answers true after a
    // message.
    void Pump(unsigned milliseconds = 0) { Pump(milliseconds, {}); }
    void Pump(unsigned milliseconds, const std::function<bool()>& stop);

    // A thread timer that sends `command` to the host through the command
    // service every `milliseconds`, as the library's own timers do (it fires
    // only while the thread's messages are served). Answers its id (0 when
    // it could not start); it stops with StopTimer or when the Host goes.
    std::uintptr_t StartTimer(unsigned milliseconds, const std::string& command);
    void StopTimer(std::uintptr_t id);

    std::vector<Trace> trace;      // services asked, oldest first
    bool traceOn = true;
    Faults faults;
    Hooks hooks;
    bool hostile = false;          // move unlocked blocks on every service
    int allocCount = 0;            // library block allocations seen while hostile
    int resizeCount = 0;
    std::vector<std::string> waitWindows;  // WAIT WINDOW texts the default command hook saw
    std::deque<std::int32_t> keys;  // keys waiting for ReadKey, oldest first (KEYBOARD fills it)

    // The service groups' state.
    Channels channels;             // file channels
    VariableStore variables;       // variables of the C++ API
    HostWindows windows;           // the main window
    HostEditors editors;           // the editor windows
    Tables tables;                 // the tables in the work areas
    WorkAreas workAreas = NoTables();  // what names see of the tables
    MemoFields memoFields = NoMemoFields();  // what the memo group sees of them

    // Services are served here (public for the callback).
    void Serve(ServiceBlock* block);

    // --- for the service groups ---
    // The results and errors of one pending call.
    struct Frame {
        std::vector<Returned> returns;
        int error = 0;
        std::string message;
        int services = 0;
        std::string protocol;
    };
    // The innermost pending call (null outside any).
    Frame* CurrentFrame() { return frames_.empty() ? nullptr : frames_.back(); }
    // Ends the innermost pending call with an error: the first error of a
    // call is the one it reports.
    void RaiseInFrame(ServiceBlock* block, int number, const std::string& text);
    // Value records: filled from a value (a text goes into a new handle the
    // host owns) and read back.
    void FillRecord(const Value& v, ValueRecord* r);
    Value DecodeRecord(const ValueRecord& r) const;
    std::uint32_t AllocHostHandle(const std::string& bytes);
    void FreeHostHandle(std::uint32_t h);

private:
    bool BuildRecord(const Arg& arg, ParamRecord* rec, std::vector<std::uint32_t>* handles);
    bool Convert(const Arg& in, const ParamType& type, Arg* out);
    void MoveUnlockedBlocks();
    Outcome Invoke(const FunctionInfo& f, const std::vector<Arg>& args);
    void RunHook(std::int16_t count);

    HMODULE module_ = nullptr;
    int(__fastcall* dispatch_)(RequestBlock*) = nullptr;
    std::vector<std::uint8_t> handleTable_;
    std::vector<std::uint8_t> valueTable_;
    const LibraryHeader* header_ = nullptr;
    std::vector<FunctionInfo> functions_;
    std::map<std::string, std::size_t> byName_;
    std::vector<Frame*> frames_;
    std::map<std::uintptr_t, std::string> timers_;  // StartTimer's commands, by timer id
    Host* previous_ = nullptr;

    friend void CALLBACK HostTimerProc(HWND, UINT, UINT_PTR, DWORD);
};

// The Host active on this thread (the one the callback serves).
Host* CurrentHost();

}  // namespace tarvo::run
