// The interpreter of the replacement host: runs programs in the host
// language against the loaded library, and serves the library's requests
// that belong to the language (commands, expressions, variables passed by
// reference, output) through the Host's hooks.
//
// Names: one resolver reads and writes every name (names.cpp). A name is a
// field of the table in the current work area when that table has one, else
// a memory variable; m.name and m->name are memory variables only;
// alias.name and alias->name are fields of the table open under that alias
// (alias.name is an object's property when no table has that alias).
// An assignment to a name alone writes a memory variable; fields are
// written as alias.name or alias->name. No table is open until tables are
// served (runner/work_areas.h).
//
// Statements: each is a row of the command table (commands.h).
//
// Variables follow the host's scoping. Each running program or procedure has
// a frame. A variable created by assignment is private to the frame that
// created it and visible to every procedure it calls; PRIVATE hides the
// callers' variables of those names until the frame creates its own; LOCAL
// variables are seen by their own frame only; PUBLIC variables are seen
// everywhere that no private or local of the same name hides them.
// Frame 0 is the top level: the main program runs there, and so do the lines
// of -c and of the line-by-line mode.
//
// Parameters: DO name WITH x passes a variable x by reference (an array
// element, an expression or (x) by value); name(x) passes by value and
// name(@x) by reference. PARAMETERS makes the parameters private,
// LPARAMETERS and PROCEDURE name(a, b) local.
//
// Functions: the built-in ones first, then the library's, then the
// procedures of the programs; a built-in may also be called by an
// abbreviation of four letters or more. A library function that returns no
// value gives .T.
//
// Errors: an error the program does not catch with TRY or ON ERROR ends it.
// ON ERROR runs its command in place of the failing statement and goes on
// with the next one (so a failing IF, DO WHILE or FOR line leaves its whole
// block). ERROR() and MESSAGE() answer the last error caught until the next.
// A command or expression the library sends runs in the frame that is
// running at the time; an error in it is not raised in the program but
// answered to the library as its number (ON ERROR does not see it either).
//
// Events: READ EVENTS, DOEVENTS, INKEY(n) and WAIT ... TIMEOUT n serve the
// thread's messages (thread timers and posted messages run there); READ
// EVENTS goes on until CLEAR EVENTS runs, typically in a command a timer
// sends. A command that arrives while the program serves its messages (and
// not from inside a library call) is an event command: an error in it
// follows ON ERROR, or else ends that command only and is reported (through
// `report`, standard error by default); the program goes on either way.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "runner/host.h"
#include "runner/lang/ast.h"
#include "runner/lang/commands.h"
#include "runner/lang/errors.h"
#include "runner/lang/objects.h"
#include "runner/lang/ops.h"
#include "runner/lang/session.h"

namespace tarvo::run::lang {

// A memory variable: one value, or an array of them.
struct Var {
    Value value = Value::Logical(false);
    bool isArray = false;
    int rows = 0;
    int cols = 0;  // 0: one dimension
    std::vector<Value> items;
    const Value& scalar() const { return isArray ? items.at(0) : value; }
};
using VarP = std::shared_ptr<Var>;
using VarMap = std::map<std::string, VarP, NameOrder>;  // by upper-case name

// An argument on its way into a procedure.
struct ArgCell {
    VarP ref;        // by reference: the caller's variable
    Value value;     // by value
    bool byRef = false;
};

struct Frame {
    std::string name;  // PROGRAM()'s answer
    std::string file;  // the program file its code comes from ("" for a command line)
    VarMap locals;
    VarMap privates;
    std::set<std::string, NameOrder> hidden;  // PRIVATE declared, not created yet
    std::vector<ArgCell> args;
    int line = 0;
    int firstLine = 1;  // the line its program or procedure starts on (LINENO(1))
    const Stmt* stmt = nullptr;
    Value result = Value::Logical(true);
    // A method's object (THIS), the method's name and the class it belongs
    // to (its place in the object's chain, for DODEFAULT).
    Value self;
    std::string methodName;
    std::size_t methodLevel = 0;
};

// How a program run ended.
struct RunResult {
    int error = 0;          // 0: no error reached the top
    std::string message;
    int line = 0;
    std::string procedure;
    bool quit = false;      // QUIT or CANCEL
    bool interrupted = false;  // Ctrl-C (line and procedure tell where)
    std::string hint;            // what was probably meant (ScriptError::hint)
    std::vector<CallSite> chain; // where, innermost first
    bool ok() const { return error == 0 && !interrupted; }
    // "Error 12 at line 5 (MAIN): Variable 'X' is not found."
    std::string Describe() const;
    // The lines that follow it: the hint, then "  at app.prg:5 (MAIN): x = y"
    // and one "  called from ..." line for each call that led there. Empty
    // when there is nothing more to tell.
    std::string Details() const;
};

// What LOCAL, PRIVATE, PUBLIC and DIMENSION declare.
enum class DeclKind { Local, Private, Public, Dimension };

class Interpreter {
public:
    explicit Interpreter(Host& host);
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Output: where text goes (standard output unless set) and the line end
    // written by ? and the like (nothing goes out under SET CONSOLE OFF but
    // WAIT WINDOW lines); where errors of event commands are reported.
    std::function<void(const std::string&)> write;
    std::function<void(const std::string&)> report;
    std::string lineEnd = "\n";
    // Libraries: the one loaded when a program does not choose its own, and
    // the folders SET LIBRARY TO searches after the current folder.
    std::string defaultLibrary;
    std::vector<std::string> libraryFolders;

    // Compiles a program whose text starts on line `firstLine`. On a
    // nesting error answers null and fills `error`.
    std::shared_ptr<Program> Compile(const std::string& text, const std::string& name,
                                     RunResult* error, bool requireEndProc = false, int firstLine = 1);
    // Runs a compiled program's main part at the top level.
    RunResult Run(const std::shared_ptr<Program>& program, const std::vector<Value>& args = {});
    // Compiles and runs.
    RunResult RunText(const std::string& text, const std::string& name = "PROGRAM");
    // True when the program's first statement is SET LIBRARY TO or RELEASE LIBRARY.
    static bool ChoosesLibrary(const Program& program);
    // Loads `defaultLibrary`. False with the reason when it cannot be loaded.
    bool LoadDefaultLibrary(std::string* why);
    // Ends the output with a line end if its last line is still open.
    void FinishOutput();
    // Releases the library (its unload hook still reaches this interpreter).
    void UnloadLibrary();

    // Ctrl-C, from any thread: the running program stops before its next
    // statement, or when its library call or message loop returns (unless
    // SET ESCAPE is OFF); Run answers `interrupted`. It stays pending until
    // the program takes it or ClearInterrupt.
    void Interrupt();
    bool InterruptPending() const { return interrupt_; }
    void ClearInterrupt() { interrupt_ = false; }
    // Stops the program here when an interrupt is pending.
    void CheckInterrupt();

    // The hooks' work (public so that tests can drive them directly).
    int ExecuteFromLibrary(const std::string& command);
    int EvaluateFromLibrary(const std::string& expression, Value& out);
    int LoadReference(std::uint32_t id, Value& out);
    int StoreReference(std::uint32_t id, const Value& in);
    // The id a locator carries for the variable `name` (0 when there is no
    // such variable), valid until Forget. A released variable answers -12.
    std::uint32_t Locate(const std::string& name);
    void Forget(std::uint32_t id) { refs_.erase(id); }
    std::string ErrorInfoText(int number) const;

    // Memory variables by name, as the program sees them now.
    bool GetVariable(const std::string& name, Value* out);
    void SetVariable(const std::string& name, const Value& v);

    // --- for the commands and the built-in functions -----------------------
    Value Eval(const Expr& e);
    Value EvaluateText(const std::string& expression);
    Settings& settings() { return settings_; }
    Session& session() { return session_; }
    const ScriptError& lastError() const { return lastError_; }
    Frame& frame() { return *frames_.back(); }
    Host& host() { return host_; }
    // Objects (objects.cpp). An object of a base class, bare.
    Value NewObject(BaseClass base);
    // CREATEOBJECT(class, args): the program's classes (those of `module`
    // first when given), then the base classes; Init gets the arguments.
    Value CreateObject(const std::string& className, const std::vector<Value>& args,
                       const Program* module = nullptr);
    Object* GetObject(const Value& v);
    // The object of a value that should hold one (error 1924 naming `written`).
    Object& ObjectOf(const Value& v, const std::string& written);
    // An object value read back from a record, holding its object again
    // (.NULL. when the object is gone).
    Value Revive(const Value& v);
    bool GetProperty(Object& o, const std::string& upperName, Value* out);
    void SetProperty(Object& o, const std::string& upperName, const Value& v, bool create);
    static bool ReadOnlyProperty(const Object& o, const std::string& upperName);
    // SetObjectProperty from the library: 0, or 1 when it cannot be done.
    int SetPropertyFromLibrary(std::int32_t id, const std::string& name, const Value& v, bool create);
    Value CallMethod(const Value& self, const std::string& written, const std::string& upperName,
                     const std::vector<Value>& args);
    Value DoDefault(const std::vector<Value>& args);
    // THIS or THISFORM in the running method.
    Value ThisObject(const std::string& word);
    // Properties, and with `withMethods` methods and events, by name: (name, kind).
    std::vector<std::pair<std::string, std::string>> Members(Object& o, bool withMethods);
    ClassP FindClass(const std::string& upperName) const;
    void AddClasses(const Program& program);
    // An object nothing holds any more (the deleter of object values).
    void Dispose(Object* o);
    std::size_t ObjectsAlive() const { return objects_.size(); }
    // Guards recursion of procedures, EVALUATE and macros (host error 1308).
    struct Depth {
        Interpreter& in;
        explicit Depth(Interpreter& i);
        ~Depth();
    };
    // Suppresses ON ERROR (TRY, and TYPE() evaluating with errors caught).
    struct Trying {
        Interpreter& in;
        explicit Trying(Interpreter& i) : in(i) { ++in.tryDepth_; }
        ~Trying() { --in.tryDepth_; }
    };
    // A CATCH running for error `e`: ERROR() and MESSAGE() answer it, and
    // THROW alone raises it again.
    struct Catching {
        Interpreter& in;
        Catching(Interpreter& i, const ScriptError& e);
        ~Catching() { in.catching_.pop_back(); }
    };
    const ScriptError* catching() const { return catching_.empty() ? nullptr : &catching_.back(); }

    static constexpr int kMaxDepth = 128;  // nested DO levels, as the host allows

    // Statements (exec.cpp).
    Flow Exec(const Block& block);
    void RunCommandText(const std::string& text);
    // Fills in the text, line and procedure of an error still without them.
    void Complete(ScriptError& e) const;
    // The Exception object CATCH TO gives for an error.
    Value MakeException(const ScriptError& e);
    void SetOnError(const std::string& command) { onError_ = command; }
    void CheckQuit();

    // Output.
    void Write(const std::string& text);
    void NewLine();
    // A WAIT WINDOW text: a line of its own.
    void WaitWindowLine(const std::string& text);

    // Names: the resolver (names.cpp).
    // The value of a name, an element, a field or alias.field; false when
    // `e` is a call of something that is not an array (a function call) or
    // an object's property (not a name).
    bool ReadName(const Expr& e, Value* out);
    // The value of a name written alone (fields first); raises 12 when none.
    Value NameValue(const std::string& name);
    // Assigns to a name, an element, a property or a field.
    void Assign(const Expr& target, const Value& v);
    // Assigns to the memory variable `name`, made private here if it does not exist.
    void AssignName(const std::string& name, const Value& v);
    // `target = target + piece ...` on a text, done by appending the pieces
    // (AppendedPieces) in place (append.cpp); false when the assignment must
    // run as any other.
    bool AppendInPlace(const Expr& target, const std::vector<const Expr*>& pieces);
    // The memory variable `name` (upper case) as the program sees it now.
    VarP FindVariable(const std::string& name);
    // The variable a by-reference argument names (raises 12 when none).
    VarP VariableFor(const Expr& e);
    void Declare(DeclKind kind, const std::vector<Decl>& decls);
    void Release(const std::string& name);
    void ReleaseAll();
    // PARAMETERS and LPARAMETERS: the frame's arguments under these names.
    void Bind(const std::vector<std::string>& names, bool local);

    // Programs, procedures, libraries (calls.cpp).
    void Do(const NameArg& target, const std::vector<ExprP>& args);
    // DO name IN file: the procedure `target` of the program file (cmd_procedures.cpp).
    void DoIn(const NameArg& target, const NameArg& file, const std::vector<ExprP>& args);
    // A program file by name (name or name.prg, here, beside the main program
    // or on SET PATH), compiled once; raises 1 when there is none.
    std::shared_ptr<Program> ProgramFile(const std::string& name);
    // Runs a program file's main part in `callee`, a frame from NewFrame;
    // answers its RETURN value.
    Value RunMain(const Program& program, std::unique_ptr<Frame> callee);
    // DISPLAY MEMORY's lines for the variables whose names match `like`
    // (cmd_procedures.cpp).
    std::vector<std::string> MemoryListing(const std::string& like);
    // The running frames, the top level first.
    std::size_t FrameCount() const { return frames_.size(); }
    Frame& FrameAt(std::size_t i) { return *frames_.at(i); }
    std::string NameText(const NameArg& a);
    // The names a call may mean (diagnostics.cpp): with `functions`, the
    // library's, the built-in functions and the procedures; else the
    // procedures only.
    std::vector<std::string> KnownNames(bool functions) const;
    std::string Substitute(const std::string& text);
    void SetLibrary(const NameArg& target);
    void ReleaseLibrary(const NameArg& target);

    // Events (events.cpp): serves the thread's messages for `milliseconds`
    // (INFINITE: until CLEAR EVENTS with `untilCleared`), then ends the
    // program if a command asked to QUIT.
    void PumpEvents(unsigned milliseconds, bool untilCleared = false);
    void ReadEvents();
    void ClearEvents();

private:
    struct ServiceScope;
    template <typename Work>
    int ServeLibrary(bool event, int onQuit, Work&& work);
    bool FromEventLoop() const;
    // Runs `callee` as the current frame for as long as it lives.
    struct FramePush {
        Interpreter& in;
        FramePush(Interpreter& i, std::unique_ptr<Frame> callee) : in(i) {
            in.frames_.push_back(std::move(callee));
        }
        ~FramePush() { in.PopFrame(); }
    };
    // Counts up for as long as it lives.
    struct Counting {
        int& n;
        explicit Counting(int& counter) : n(counter) { ++n; }
        ~Counting() { --n; }
    };

    Flow ExecGuarded(const Stmt& s);
    void EndLine();
    bool Writing() const;
    void RunOnError(const ScriptError& e);

    bool ReadField(const std::string& alias, const std::string& name, Value* out);
    bool Harmless(const Expr& e);
    long Subscript(const Expr& e);
    Value& Element(Var& v, const std::vector<ExprP>& subs);
    void Dimension(Var& v, const std::vector<ExprP>& dims);
    VarP Create(const std::string& name);

    Value CallFunction(const Expr& call);
    Value CallLibrary(const std::string& name, const std::vector<ExprP>& args);
    // Runs `p` in `callee`, a frame from NewFrame holding the arguments.
    Value CallProcedure(const Procedure& p, std::unique_ptr<Frame> callee);
    // Frames, variables and their places in the maps are kept when a
    // procedure returns and used again by the next calls, so that a call
    // allocates nothing in the common case.
    std::unique_ptr<Frame> NewFrame();
    void PopFrame();
    void Recycle(VarMap& map);
    VarP NewVar();
    // Puts `v` under `name` in `map`, in place of a variable of that name.
    void Put(VarMap& map, const std::string& name, VarP v);
    ArgCell Argument(const Expr& e, bool variablesByRef);
    Value Adopt(Object* o);
    Value RunMethod(const Value& self, const Procedure& p, std::size_t level, const std::string& name,
                    const std::vector<Value>& args);
    bool BaseMethod(const Value& self, Object& o, const std::string& name, const std::vector<Value>& args,
                    Value* out);
    // The Destroy methods of objects let go since the last statement.
    void RunDestroys();
    // From now on objects go without their Destroy (the interpreter ends).
    void ReleaseObjects();
    const Procedure* FindProcedure(const std::string& name) const;
    Value Logic(const Expr& e);

    std::string ResolveLibrary(const std::string& name) const;
    void LoadLibraryFile(const std::string& path);

    // Objects by id (the library names them by id) and those whose Destroy
    // is due; declared first, so that they go last.
    std::unordered_map<int, std::weak_ptr<Object>> objects_;
    std::vector<Object*> dying_;
    bool closing_ = false;
    int nextObject_ = 1;
    std::map<std::string, ClassP, NameOrder> classes_;

    Host& host_;
    Hooks savedHooks_;
    Settings settings_;
    Session session_;
    std::vector<std::unique_ptr<Frame>> frames_;
    std::vector<std::unique_ptr<Frame>> spareFrames_;  // cleared
    std::vector<VarP> spareVars_;                      // .F., held nowhere else
    std::vector<VarMap::node_type> spareNodes_;        // no variable
    VarMap publics_;
    std::map<std::string, ProcedureP, NameOrder> procedures_;
    std::vector<std::shared_ptr<Program>> programs_;
    std::string programFolder_;
    std::string loadedLibrary_;

    ScriptError lastError_;
    ScriptError serviceError_;  // the last error answered to the library
    std::vector<ScriptError> catching_;  // errors whose CATCH is running (THROW alone rethrows)
    std::string onError_;
    // Commands run as text, compiled once: by the program that runs them,
    // the line they run from and their text (a library's progress command
    // arrives thousands of times in one call).
    std::unordered_map<std::string, std::shared_ptr<Program>> commands_;
    std::string commandKey_;
    int tryDepth_ = 0;
    int inOnError_ = 0;
    bool onErrorApplies_ = true;  // false in a command or expression the library sent
    int serviceDepth_ = 0;   // inside a command or expression the library sent
    int libraryCalls_ = 0;   // inside a call of a library function
    int depth_ = 0;
    bool quitRequested_ = false;
    std::atomic<bool> interrupt_{false};
    unsigned long thread_ = 0;  // the thread the interpreter runs on

    // The message loops running, innermost last: the library calls and
    // library commands running when each started.
    struct Pumping {
        int libraryCalls;
        int serviceDepth;
    };
    std::vector<Pumping> pumps_;
    int readEvents_ = 0;       // READ EVENTS running
    bool clearEvents_ = false; // CLEAR EVENTS ran: the innermost READ EVENTS ends

    std::map<std::uint32_t, std::weak_ptr<Var>> refs_;
    std::uint32_t nextRef_ = 0x10000;
    int expressionCalls_ = 0;      // procedures running as functions inside an expression
    std::map<std::string, std::shared_ptr<Program>> files_;  // programs run with DO, by path

    bool lineOpen_ = false;   // the last output line has no line end yet
    bool waitLine_ = false;   // ... and it is a WAIT WINDOW line
};

// The pieces of `target = target + p1 + p2 ...` in order; empty when the
// value has another shape.
std::vector<const Expr*> AppendedPieces(const Expr& target, const Expr& value);

// The sentence an error report adds for a name that is neither a function
// nor a procedure nor a program (diagnostics.cpp): the nearest of `known`;
// empty when none.
std::string MissingNameHint(const std::string& upper, const std::vector<std::string>& known);
// The sentence error 11 of the library function `name` adds: `detail`
// (which argument did not fit) and the name's signature.
std::string ArgumentHint(const std::string& name, const std::string& detail);

// Built-in functions. Answers false when `name` is none (`abbreviated`
// accepts the host's four-letter-or-longer abbreviations).
bool IsBuiltin(const std::string& name, bool abbreviated, std::string* full = nullptr);
Value CallBuiltin(Interpreter& in, const std::string& name, const Expr& call);
// Functions of Windows DLLs made known by DECLARE (cmd_dll.cpp): false when
// `call` names none.
bool CallDeclared(Interpreter& in, const Expr& call, Value* out);

}  // namespace tarvo::run::lang
