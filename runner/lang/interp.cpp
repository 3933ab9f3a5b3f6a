// The interpreter: set-up, output, programs and objects. Statements are in
// exec.cpp, names in names.cpp, expressions and calls in calls.cpp, the
// library's services in library.cpp, the event loop in events.cpp, and the
// commands themselves in cmd_*.cpp.
#include "runner/lang/interp.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "runner/lang/parser.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {

std::string RunResult::Describe() const {
    if (error == 0) return {};
    std::string s = "Error " + std::to_string(error);
    if (line) s += " at line " + std::to_string(line);
    if (!procedure.empty()) s += " (" + procedure + ")";
    return s + ": " + message;
}

std::string RunResult::Details() const {
    std::string s;
    if (!hint.empty()) s += "  " + hint + "\n";
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const CallSite& c = chain[i];
        s += i == 0 ? "  at " : "  called from ";
        s += c.file.empty() ? "line " + std::to_string(c.line) : c.file + ":" + std::to_string(c.line);
        if (!c.procedure.empty()) s += " (" + c.procedure + ")";
        if (!c.source.empty()) s += ": " + c.source;
        s += "\n";
    }
    return s;
}

// --- set-up ------------------------------------------------------------------

Interpreter::Interpreter(Host& host) : host_(host) {
    write = [](const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    };
    report = [](const std::string& text) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", text.c_str());
        std::fflush(stderr);
    };
    frames_.push_back(std::make_unique<Frame>());
    frames_[0]->name = "PROGRAM";
    // The spares never grow past these (a frame that returns never allocates).
    spareFrames_.reserve(kMaxDepth);
    spareVars_.reserve(256);
    spareNodes_.reserve(256);
    // _MLINE: where the line the last MLINE answered ends (a system variable).
    VarP mline = std::make_shared<Var>();
    mline->value = Value::Num(0, 0);
    publics_["_MLINE"] = mline;
    thread_ = GetCurrentThreadId();
    savedHooks_ = host_.hooks;
    host_.hooks.executeCommand = [this](const std::string& c) { return ExecuteFromLibrary(c); };
    host_.hooks.evaluate = [this](const std::string& e, Value& out) { return EvaluateFromLibrary(e, out); };
    host_.hooks.loadVariable = [this](std::uint32_t id, Value& out) { return LoadReference(id, out); };
    host_.hooks.storeVariable = [this](std::uint32_t id, const Value& in) { return StoreReference(id, in); };
    host_.hooks.output = [this](const std::string& text) { Write(text); };
    host_.hooks.errorText = [this](int number) { return ErrorInfoText(number); };
    host_.hooks.setObjectProperty = [this](std::int32_t id, const std::string& name, const Value& v,
                                           bool create) { return SetPropertyFromLibrary(id, name, v, create); };
}

Interpreter::~Interpreter() {
    host_.hooks = savedHooks_;
    // The tables keep no code of this interpreter: its tags' keys and
    // LOCATE conditions and filters go with it.
    host_.tables.keyCompiler = nullptr;
    for (auto& [area, t] : host_.tables.open) {
        t.locateFor = nullptr;
        t.filter = nullptr;
        t.filterText.clear();
        t.tags.clear();
        t.order = -1;
    }
    ReleaseObjects();
}

Interpreter::Depth::Depth(Interpreter& i) : in(i) {
    if (++in.depth_ > kMaxDepth) {
        --in.depth_;
        Raise(kErrStack);
    }
}
Interpreter::Depth::~Depth() { --in.depth_; }

Interpreter::Catching::Catching(Interpreter& i, const ScriptError& e) : in(i) {
    in.lastError_ = e;
    in.catching_.push_back(e);
}

// --- output ------------------------------------------------------------------

// Under SET CONSOLE OFF output goes only to SET ALTERNATE's file (through
// the session's tee of `write`, which leaves the console out).
bool Interpreter::Writing() const { return settings_.console || session_.alternateTee; }

void Interpreter::Write(const std::string& text) {
    if (text.empty() || !Writing()) return;
    if (waitLine_) NewLine();  // a WAIT WINDOW line stays a line of its own
    write(text);
    lineOpen_ = text.back() != '\n';
}

void Interpreter::NewLine() {
    if (Writing()) EndLine();
}

void Interpreter::EndLine() {
    write(lineEnd);
    lineOpen_ = false;
    waitLine_ = false;
}

void Interpreter::FinishOutput() {
    if (lineOpen_) EndLine();
}

// The host shows it in a window of its own: here one line on the output.
void Interpreter::WaitWindowLine(const std::string& text) {
    host_.waitWindows.push_back(text);
    if (lineOpen_) EndLine();
    write("WAIT WINDOW: " + text);
    lineOpen_ = true;
    waitLine_ = true;
}

// --- programs ------------------------------------------------------------------

std::shared_ptr<Program> Interpreter::Compile(const std::string& text, const std::string& name,
                                              RunResult* error, bool requireEndProc, int firstLine) {
    auto p = std::make_shared<Program>();
    p->name = Stem(name);
    p->path = name;
    CompileResult r = lang::Compile(text, p.get(), requireEndProc, firstLine);
    if (!r.ok) {
        if (error) {
            error->error = r.error;
            error->message = ErrorText(r.error);
            error->line = r.line;
            error->procedure = p->name;
            // The line it could not read, as written.
            std::size_t at = 0;
            for (int n = firstLine; n < r.line && at != std::string::npos; ++n) {
                at = text.find('\n', at);
                if (at != std::string::npos) ++at;
            }
            if (r.line >= firstLine && at != std::string::npos && at < text.size()) {
                std::string source = text.substr(at, text.find('\n', at) - at);
                const std::size_t end = source.find_last_not_of(" \t\r");
                source.resize(end == std::string::npos ? 0 : end + 1);
                source.erase(0, std::min(source.size(), source.find_first_not_of(" \t")));
                const std::size_t slash = name.find_last_of("\\/");
                std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
                if (file.find('.') == std::string::npos) file.clear();
                error->chain.push_back({file, p->name, r.line, source});
            }
        }
        return nullptr;
    }
    std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos && programFolder_.empty()) programFolder_ = name.substr(0, slash);
    return p;
}

bool Interpreter::ChoosesLibrary(const Program& program) {
    // (The block builder leaves out statements that do nothing.)
    return !program.main.empty() && (RoleOf(*program.main[0]) & kLibrary);
}

RunResult Interpreter::Run(const std::shared_ptr<Program>& program, const std::vector<Value>& args) {
    RunResult result;
    programs_.push_back(program);
    for (const auto& [name, proc] : program->procedures) procedures_[name] = proc;
    AddClasses(*program);
    Frame& top = *frames_[0];
    top.name = program->name;
    top.file = program->path;
    top.args.clear();
    for (const Value& v : args) top.args.push_back(ArgCell{nullptr, v, false});
    quitRequested_ = false;
    try {
        if (static_cast<int>(args.size()) > std::max(program->mainDeclared, 0)) Raise(kErrTooMany);
        Exec(program->main);
        CheckQuit();
    } catch (ScriptError& e) {
        Complete(e);
        lastError_ = e;
        result.error = e.number;
        result.message = e.message;
        result.line = e.line;
        result.procedure = e.procedure;
        result.hint = e.hint;
        result.chain = e.chain;
    } catch (const QuitSignal&) {
        result.quit = true;
    } catch (const RetrySignal&) {
        // RETRY at the top level ends the program.
    } catch (const Interrupted& i) {
        result.interrupted = true;
        result.line = i.line;
        result.procedure = i.procedure;
    } catch (const std::exception&) {
        // Out of memory in the runner itself (nothing else is thrown here).
        result.error = kErrMemory;
        result.message = ErrorText(kErrMemory);
    }
    while (frames_.size() > 1) frames_.pop_back();
    top.args.clear();
    return result;
}

RunResult Interpreter::RunText(const std::string& text, const std::string& name) {
    RunResult r;
    std::shared_ptr<Program> p = Compile(text, name, &r);
    if (!p) return r;
    return Run(p);
}

bool Interpreter::LoadDefaultLibrary(std::string* why) {
    if (!host_.Load(defaultLibrary, why)) return false;
    loadedLibrary_ = FullPath(defaultLibrary);
    return true;
}

void Interpreter::UnloadLibrary() {
    if (host_.loaded()) host_.Unload();
    loadedLibrary_.clear();
}

void Interpreter::CheckQuit() {
    if (quitRequested_) throw QuitSignal{};
}

void Interpreter::Interrupt() {
    interrupt_ = true;
    PostThreadMessageA(thread_, WM_NULL, 0, 0);  // a message loop waiting returns to look
}

void Interpreter::CheckInterrupt() {
    if (interrupt_ && settings_.escape) {
        interrupt_ = false;
        throw Interrupted{frame().line, frame().name};
    }
}

}  // namespace tarvo::run::lang
