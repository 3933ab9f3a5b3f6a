// The interpreter: set-up, output, programs, the services it serves for
// the library, and variables.
#include "runner/lang/interp.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "runner/lang/lexer.h"
#include "runner/lang/parser.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
    char buf[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
    return n && n < sizeof buf ? std::string(buf, n) : path;
}

bool IsAbsolute(const std::string& p) {
    return (p.size() > 1 && p[1] == ':') || (!p.empty() && (p[0] == '\\' || p[0] == '/'));
}

// The file name without folder and extension, in upper case.
std::string Stem(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return UpperAscii(name);
}

bool HasExtension(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    std::size_t dot = path.find_last_of('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

bool ReadWholeFile(const std::string& path, std::string* out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::ostringstream ss;
    ss << f.rdbuf();
    *out = ss.str();
    return true;
}

namespace {

// Gives every statement of a block the line `line`: the statements of a
// command run from a line of the program count as that line.
void Renumber(const Block& block, int line) {
    for (const StmtP& s : block) {
        s->line = line;
        Renumber(s->body, line);
        Renumber(s->elseBody, line);
        Renumber(s->finallyBody, line);
        for (auto& [clause, body] : s->cases) {
            clause->line = line;
            Renumber(body, line);
        }
        for (CatchClause& c : s->catches) {
            c.line = line;
            Renumber(c.body, line);
        }
    }
}

}  // namespace

std::string RunResult::Describe() const {
    if (error == 0) return {};
    std::string s = "Error " + std::to_string(error);
    if (line) s += " at line " + std::to_string(line);
    if (!procedure.empty()) s += " (" + procedure + ")";
    return s + ": " + message;
}

Value* Object::Find(const std::string& upperName) {
    for (auto& [name, value] : properties)
        if (name == upperName) return &value;
    return nullptr;
}

// --- set-up ------------------------------------------------------------------

Interpreter::Interpreter(Host& host) : host_(host) {
    write = [](const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    };
    frames_.push_back(std::make_unique<Frame>());
    frames_[0]->name = "PROGRAM";
    savedHooks_ = host_.hooks;
    host_.hooks.executeCommand = [this](const std::string& c) { return ExecuteFromLibrary(c); };
    host_.hooks.evaluate = [this](const std::string& e, Value& out) { return EvaluateFromLibrary(e, out); };
    host_.hooks.loadVariable = [this](std::uint32_t id, Value& out) { return LoadReference(id, out); };
    host_.hooks.storeVariable = [this](std::uint32_t id, const Value& in) { return StoreReference(id, in); };
    host_.hooks.output = [this](const std::string& text) { Write(text); };
    host_.hooks.errorText = [this](int number) { return ErrorInfoText(number); };
}

Interpreter::~Interpreter() { host_.hooks = savedHooks_; }

Interpreter::Depth::Depth(Interpreter& i) : in(i) {
    if (++in.depth_ > kMaxDepth) {
        --in.depth_;
        Raise(kErrStack);
    }
}
Interpreter::Depth::~Depth() { --in.depth_; }

// A command or expression the library sent: it runs in the current frame,
// its errors go back to the library as numbers, and the frame's position is
// restored afterwards.
struct Interpreter::ServiceScope {
    Interpreter& in;
    Frame* frame;
    int line;
    const Stmt* stmt;
    explicit ServiceScope(Interpreter& i) : in(i), frame(&i.frame()), line(frame->line), stmt(frame->stmt) {
        ++in.serviceDepth_;
    }
    ~ServiceScope() {
        --in.serviceDepth_;
        frame->line = line;
        frame->stmt = stmt;
    }
};

// --- output ------------------------------------------------------------------

void Interpreter::Write(const std::string& text) {
    if (text.empty()) return;
    if (waitLine_) NewLine();  // a WAIT WINDOW line stays a line of its own
    write(text);
    lineOpen_ = text.back() != '\n';
}

void Interpreter::NewLine() {
    write(lineEnd);
    lineOpen_ = false;
    waitLine_ = false;
}

void Interpreter::FinishOutput() {
    if (lineOpen_) NewLine();
}

// --- programs ------------------------------------------------------------------

std::shared_ptr<Program> Interpreter::Compile(const std::string& text, const std::string& name,
                                              RunResult* error, bool requireEndProc) {
    auto p = std::make_shared<Program>();
    p->name = Stem(name);
    p->path = name;
    CompileResult r = lang::Compile(text, p.get(), requireEndProc);
    if (!r.ok) {
        if (error) {
            error->error = r.error;
            error->message = ErrorText(r.error);
            error->line = r.line;
            error->procedure = p->name;
        }
        return nullptr;
    }
    std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos && programFolder_.empty()) programFolder_ = name.substr(0, slash);
    return p;
}

bool Interpreter::ChoosesLibrary(const Program& program) {
    for (const StmtP& s : program.main) {
        if (s->kind == SK::SetLibrary || s->kind == SK::ReleaseLibrary) return true;
        if (s->kind != SK::Nop) return false;
    }
    return false;
}

RunResult Interpreter::Run(const std::shared_ptr<Program>& program, const std::vector<Value>& args) {
    RunResult result;
    programs_.push_back(program);
    for (const auto& [name, proc] : program->procedures) procedures_[name] = proc;
    Frame& top = *frames_[0];
    top.name = program->name;
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
    } catch (const QuitSignal&) {
        result.quit = true;
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

void Interpreter::Complete(ScriptError& e) const {
    if (e.message.empty()) e.message = ErrorText(e.number);
    if (e.line == 0) {
        const Frame& f = *frames_.back();
        e.line = f.line;
        e.procedure = f.name;
        e.source = f.stmt ? f.stmt->source : std::string();
    }
}

// --- services for the library ------------------------------------------------

// Runs work for a library service: a script error becomes the host's error
// number (0 when the work succeeds); QUIT is noted and answers `onQuit`.
template <typename Work>
int Interpreter::ServeLibrary(int onQuit, Work&& work) {
    ServiceScope scope(*this);
    try {
        work();
        return 0;
    } catch (ScriptError& e) {
        Complete(e);
        serviceError_ = e;
        return e.number;
    } catch (const QuitSignal&) {
        quitRequested_ = true;
        return onQuit;
    } catch (const std::exception&) {
        return kErrMemory;
    }
}

int Interpreter::ExecuteFromLibrary(const std::string& command) {
    return ServeLibrary(0, [&] { RunCommandText(command); });
}

int Interpreter::EvaluateFromLibrary(const std::string& expression, Value& out) {
    return ServeLibrary(kErrSyntax, [&] { out = EvaluateText(expression); });
}

int Interpreter::LoadReference(std::uint32_t id, Value& out) {
    auto it = refs_.find(id);
    VarP v = it == refs_.end() ? nullptr : it->second.lock();
    if (!v) return -kErrNoVariable;
    out = v->isArray ? v->items.at(0) : v->value;
    // The library reads numbers as N (it may rewrite only the double).
    if (out.type == 'I') out = Value::Num(out.integer, 0);
    return 0;
}

std::uint32_t Interpreter::Locate(const std::string& name) {
    VarP v = FindVariable(UpperAscii(name));
    if (!v) return 0;
    std::uint32_t id = nextRef_++;
    if (nextRef_ == 0) nextRef_ = 0x10000;
    refs_[id] = v;
    return id;
}

int Interpreter::StoreReference(std::uint32_t id, const Value& in) {
    auto it = refs_.find(id);
    VarP v = it == refs_.end() ? nullptr : it->second.lock();
    if (!v) return -kErrNoVariable;
    if (v->isArray) v->items.at(0) = in;
    else v->value = in;
    return 0;
}

std::string Interpreter::ErrorInfoText(int number) const {
    if (serviceError_.number == number && !serviceError_.message.empty()) return serviceError_.message;
    if (lastError_.number == number && !lastError_.message.empty()) return lastError_.message;
    return ErrorText(number);
}

void Interpreter::RunCommandText(const std::string& text) {
    auto p = std::make_shared<Program>();
    p->name = frame().name;
    CompileResult r = lang::Compile(text, p.get());
    if (!r.ok) Raise(r.error);
    if (!p->order.empty()) Raise(kErrNesting);  // no procedures inside one command
    Frame& f = frame();
    int line = f.line;
    const Stmt* stmt = f.stmt;
    if (line) Renumber(p->main, line);
    Depth depth(*this);
    Exec(p->main);
    f.line = line;
    f.stmt = stmt;
}

// --- variables -------------------------------------------------------------------

VarP Interpreter::FindVariable(const std::string& name) {
    Frame& f = frame();
    if (auto it = f.locals.find(name); it != f.locals.end()) return it->second;
    for (std::size_t i = frames_.size(); i-- > 0;) {
        Frame& g = *frames_[i];
        if (auto it = g.privates.find(name); it != g.privates.end()) return it->second;
        if (g.hidden.count(name)) return nullptr;
    }
    if (auto it = publics_.find(name); it != publics_.end()) return it->second;
    return nullptr;
}

VarP Interpreter::Create(const std::string& name) {
    Frame& f = frame();
    auto v = std::make_shared<Var>();
    f.privates[name] = v;
    f.hidden.erase(name);
    return v;
}

bool Interpreter::GetVariable(const std::string& name, Value* out) {
    VarP v = FindVariable(UpperAscii(name));
    if (!v) return false;
    *out = v->isArray ? v->items.at(0) : v->value;
    return true;
}

void Interpreter::SetVariable(const std::string& name, const Value& v) { AssignName(UpperAscii(name), v); }

void Interpreter::AssignName(const std::string& name, const Value& value) {
    VarP v = FindVariable(name);
    if (!v) v = Create(name);
    if (v->isArray) std::fill(v->items.begin(), v->items.end(), value);
    else v->value = value;
}

void Interpreter::Release(const std::string& name) {
    Frame& f = frame();
    if (f.locals.erase(name)) return;
    for (std::size_t i = frames_.size(); i-- > 0;) {
        Frame& g = *frames_[i];
        if (g.privates.erase(name)) return;
        if (g.hidden.count(name)) return;
    }
    publics_.erase(name);
}

long Interpreter::Subscript(const Expr& e) {
    Value x = Eval(e);
    if (!IsNumber(x)) Raise(kErrSubscript);
    double d = std::trunc(x.asNumber());
    if (d < 1 || d > 2147483647.0) Raise(kErrSubscript);
    return static_cast<long>(d);
}

void Interpreter::Dimension(Var& v, const std::vector<ExprP>& dims) {
    long rows = Subscript(*dims.at(0));
    long cols = dims.size() > 1 ? Subscript(*dims[1]) : 0;
    double total = static_cast<double>(rows) * static_cast<double>(std::max(cols, 1L));
    if (total > 16777184.0) Raise(kErrMemory);
    if (!v.isArray) {
        v.isArray = true;
        v.items.clear();
    }
    // Redimensioning keeps the elements in their order; new ones are .F.
    v.items.resize(static_cast<std::size_t>(total), Value::Logical(false));
    v.rows = static_cast<int>(rows);
    v.cols = static_cast<int>(cols);
}

Value& Interpreter::Element(Var& v, const std::vector<ExprP>& subs, const std::string& name) {
    if (subs.empty() || subs.size() > 2) Raise(kErrSubscript);
    long i = Subscript(*subs[0]);
    if (subs.size() == 1) {
        if (static_cast<std::size_t>(i) > v.items.size()) Raise(kErrSubscript);
        return v.items[static_cast<std::size_t>(i - 1)];
    }
    long j = Subscript(*subs[1]);
    long cols = v.cols == 0 ? 1 : v.cols;
    long rows = v.cols == 0 ? static_cast<long>(v.items.size()) : v.rows;
    if (i > rows || j > cols) Raise(kErrSubscript);
    return v.items.at(static_cast<std::size_t>((i - 1) * cols + (j - 1)));
}

void Interpreter::Declare(const Stmt& s) {
    Frame& f = frame();
    for (const Decl& d : s.decls) {
        switch (s.kind) {
        case SK::Local: {
            auto it = f.locals.find(d.name);
            VarP v = it != f.locals.end() ? it->second : std::make_shared<Var>();
            if (!d.dims.empty()) Dimension(*v, d.dims);
            f.locals[d.name] = v;
            break;
        }
        case SK::Private:
            if (!d.dims.empty()) {
                auto v = std::make_shared<Var>();
                Dimension(*v, d.dims);
                f.privates[d.name] = v;
                f.hidden.erase(d.name);
            } else if (!f.privates.count(d.name)) {
                f.hidden.insert(d.name);
            }
            break;
        case SK::Public: {
            VarP& v = publics_[d.name];
            if (!v) v = std::make_shared<Var>();
            if (!d.dims.empty()) Dimension(*v, d.dims);
            break;
        }
        default: {  // DIMENSION, DECLARE
            VarP v = FindVariable(d.name);
            if (!v) v = Create(d.name);
            Dimension(*v, d.dims);
            break;
        }
        }
    }
}

void Interpreter::Assign(const Expr& target, const Value& value) {
    switch (target.kind) {
    case EK::Name:
        AssignName(target.name, value);
        return;
    case EK::Call:
    case EK::Index: {
        VarP v = FindVariable(target.name);
        if (!v) Raise(kErrNoVariable, "Variable '" + target.name + "' is not found.");
        if (!v->isArray) Raise(kErrNotArray, "'" + target.name + "' is not an array.");
        Element(*v, target.args, target.name) = value;
        return;
    }
    case EK::Member: {
        Value o = Eval(*target.args[0]);
        Object* obj = GetObject(o);
        if (!obj) Raise(kErrNotObject, UpperAscii(target.args[0]->written) + " is not an object.");
        Value* p = obj->Find(target.name);
        if (!p) Raise(kErrNoProperty, "Property " + target.name + " is not found.");
        *p = value;
        return;
    }
    default:
        Raise(kErrSyntax);
    }
}

void Interpreter::Bind(const std::vector<std::string>& names, bool local) {
    Frame& f = frame();
    if (f.args.size() > names.size()) Raise(kErrTooMany);
    for (std::size_t i = 0; i < names.size(); ++i) {
        VarP v;
        if (i < f.args.size() && f.args[i].byRef) {
            v = f.args[i].ref;
        } else {
            v = std::make_shared<Var>();
            if (i < f.args.size()) v->value = f.args[i].value;
        }
        if (local) {
            f.locals[names[i]] = v;
        } else {
            f.privates[names[i]] = v;
            f.hidden.erase(names[i]);
        }
    }
}

int Interpreter::NewObject(const std::string& className) {
    int id = nextObject_++;
    objects_[id].className = className;
    return id;
}

Object* Interpreter::GetObject(const Value& v) {
    if (v.type != 'O') return nullptr;
    auto it = objects_.find(v.integer);
    return it == objects_.end() ? nullptr : &it->second;
}


}  // namespace tarvo::run::lang
