// The interpreter: expressions, calls of functions and procedures, and the
// library's loading.
#include <windows.h>

#include "runner/lang/interp.h"
#include "runner/lang/lexer.h"
#include "runner/lang/parser.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {

// --- expressions -------------------------------------------------------------------

Value Interpreter::EvaluateText(const std::string& expression) {
    Depth depth(*this);
    ExprP e = ParseExpression(expression);
    return Eval(*e);
}

Value Interpreter::Logic(const Expr& e) {
    auto check = [](const Value& v) {
        if (v.type != 'L' && v.type != '0') Raise(kErrOperand);
    };
    bool isAnd = e.op == Op::And;
    Value a = Eval(*e.args[0]);
    check(a);
    // Evaluation stops as soon as the answer is known.
    if (a.type == 'L' && a.logical != isAnd) return a;
    Value b = Eval(*e.args[1]);
    check(b);
    if (b.type == 'L' && b.logical != isAnd) return b;
    if (a.type == '0' || b.type == '0') return Value::Null();
    return Value::Logical(isAnd);
}

Value Interpreter::Eval(const Expr& e) {
    switch (e.kind) {
    case EK::Literal:
        return e.value;
    case EK::Name:
    case EK::Field:
    case EK::Index: {
        Value v;
        ReadName(e, &v);
        return v;
    }
    case EK::Call: {
        Value v;
        if (ReadName(e, &v)) return v;  // an array element
        return CallFunction(e);
    }
    case EK::Member: {
        Value v;
        if (ReadName(e, &v)) return v;  // alias.field
        const Value o = Eval(*e.args[0]);
        if (!GetProperty(ObjectOf(o, e.args[0]->written), e.name, &v))
            Raise(kErrNoProperty, "Property " + e.name + " is not found.");
        return v;
    }
    case EK::Method: {
        const Value o = Eval(*e.args[0]);
        std::vector<Value> args;
        for (std::size_t i = 1; i < e.args.size(); ++i) args.push_back(Eval(*e.args[i]));
        return CallMethod(o, e.args[0]->written, e.name, args);
    }
    case EK::Unary: {
        Value v = Eval(*e.args[0]);
        if (e.op == Op::Not) {
            if (v.type == '0') return v;
            if (v.type != 'L') Raise(kErrOperand);
            return Value::Logical(!v.logical);
        }
        if (e.op == Op::Neg) return Negate(v);
        if (!IsNumber(v) && v.type != '0') Raise(kErrOperand);
        return v;
    }
    case EK::Binary: {
        switch (e.op) {
        case Op::And:
        case Op::Or:
            return Logic(e);
        case Op::Add: case Op::Sub: case Op::Mul: case Op::Div: case Op::Mod: case Op::Pow: {
            Value a = Eval(*e.args[0]);
            Value b = Eval(*e.args[1]);
            return Arithmetic(e.op, a, b, settings_);
        }
        default: {
            Value a = Eval(*e.args[0]);
            Value b = Eval(*e.args[1]);
            return Compare(e.op, a, b, settings_);
        }
        }
    }
    case EK::Ref:
        Raise(kErrSyntax);  // @name only passes an argument
    case EK::Macro: {
        Value t = NameValue(e.name);
        if (!IsText(t)) Raise(kErrDataType);
        return EvaluateText(t.text);
    }
    }
    Raise(kErrSyntax);
}

// --- calls -----------------------------------------------------------------------

// The programs' procedures, then those of the SET PROCEDURE files in order.
const Procedure* Interpreter::FindProcedure(const std::string& name) const {
    auto it = procedures_.find(name);
    if (it != procedures_.end()) return it->second.get();
    for (const std::shared_ptr<Program>& file : session_.procedureFiles)
        if (auto p = file->procedures.find(name); p != file->procedures.end()) return p->second.get();
    return nullptr;
}

// @name passes the variable; DO ... WITH passes a variable written alone
// too (a field, @alias.field, an element, an expression or (x) go by value).
ArgCell Interpreter::Argument(const Expr& e, bool variablesByRef) {
    Value field;
    if (e.kind == EK::Ref && !e.alias.empty() && e.alias != "M") {  // a field goes by value
        if (!ReadField(e.alias, e.name, &field))
            Raise(kErrNoVariable, "Variable '" + e.name + "' is not found.");
        return ArgCell{nullptr, field, false};
    }
    if (e.kind == EK::Ref ||
        (variablesByRef && e.kind == EK::Name && !e.parenthesized &&
         !(e.alias.empty() && ReadField("", e.name, &field))))
        return ArgCell{VariableFor(e), {}, true};
    return ArgCell{nullptr, Eval(e), false};
}

// Built-in functions come first, then the library's, then the procedures of
// the program; a built-in may also be called by an abbreviation.
Value Interpreter::CallFunction(const Expr& call) {
    if (IsBuiltin(call.name, false)) return CallBuiltin(*this, call.name, call);
    if (host_.loaded()) {
        const FunctionInfo* f = host_.Find(call.name);
        if (f && f->count >= 0) return CallLibrary(call.name, call.args);
    }
    if (Value v; CallDeclared(*this, call, &v)) return v;
    if (const Procedure* p = FindProcedure(call.name)) {
        std::unique_ptr<Frame> callee = NewFrame();
        for (const ExprP& a : call.args) callee->args.push_back(Argument(*a, false));
        Counting c(expressionCalls_);
        return CallProcedure(*p, std::move(callee));
    }
    std::string full;
    if (IsBuiltin(call.name, true, &full)) return CallBuiltin(*this, full, call);
    // A program file of that name, run as a function: the arguments are its
    // parameters and its RETURN value the call's value.
    std::shared_ptr<Program> program;
    try {
        program = ProgramFile(Lower(call.written));
    } catch (ScriptError& e) {
        if (e.number == kErrFileMissing && e.hint.empty())
            e.hint = MissingNameHint(call.name, KnownNames(true));
        throw;
    }
    std::unique_ptr<Frame> callee = NewFrame();
    for (const ExprP& a : call.args) callee->args.push_back(Argument(*a, false));
    for (const auto& [n, proc] : program->procedures) procedures_.emplace(n, proc);
    AddClasses(*program);
    Counting c(expressionCalls_);
    return RunMain(*program, std::move(callee));
}

Value Interpreter::CallLibrary(const std::string& name, const std::vector<ExprP>& argExprs) {
    Depth depth(*this);
    std::vector<Arg> args;
    struct Refs {
        Interpreter& in;
        std::vector<std::uint32_t> ids;
        ~Refs() {
            for (std::uint32_t id : ids) in.refs_.erase(id);
        }
    } refs{*this, {}};
    for (const ExprP& a : argExprs) {
        if (a->kind == EK::Ref && !a->alias.empty() && a->alias != "M") {
            // A field: its work area and its number.
            const int area = host_.workAreas.find(a->alias);
            if (!area) Raise(kErrNoAlias, "Alias '" + a->alias + "' is not found.");
            const int field = host_.workAreas.field(area, a->name);
            if (!field) Raise(kErrNoVariable, "Variable '" + a->name + "' is not found.");
            args.push_back(ByRef(static_cast<std::uint32_t>(field), static_cast<std::int16_t>(area)));
        } else if (a->kind == EK::Ref) {
            VarP v = VariableFor(*a);
            if (v->isArray) Raise(kErrArgument);
            std::uint32_t id = Locate(a->name);
            refs.ids.push_back(id);
            args.push_back(ByRef(id));
        } else {
            args.push_back(ByValue(Eval(*a)));
        }
    }
    Frame& f = frame();
    int line = f.line;
    const Stmt* stmt = f.stmt;
    Outcome out;
    {
        Counting c(libraryCalls_);
        out = host_.Call(name, args);
    }
    f.line = line;
    f.stmt = stmt;
    CheckQuit();
    CheckInterrupt();
    if (out.error == kErrArgument) RaiseWithHint(out.error, out.message, ArgumentHint(name, out.detail));
    if (out.error) Raise(out.error, out.message);
    return out.value();
}

Value Interpreter::CallProcedure(const Procedure& p, std::unique_ptr<Frame> callee) {
    Depth depth(*this);
    if (p.error) Raise(p.error, p.errorText);
    if (static_cast<int>(callee->args.size()) > std::max(p.declared, 0)) Raise(kErrTooMany);
    callee->name = p.name;
    callee->file = p.file;
    callee->firstLine = p.line ? p.line : 1;
    FramePush push(*this, std::move(callee));
    Frame& f = frame();
    if (!p.inlineParams.empty()) Bind(p.inlineParams, true);
    Exec(p.body);
    return f.result;
}

std::unique_ptr<Frame> Interpreter::NewFrame() {
    if (spareFrames_.empty()) return std::make_unique<Frame>();
    std::unique_ptr<Frame> f = std::move(spareFrames_.back());
    spareFrames_.pop_back();
    return f;
}

// The frame that returned is cleared and kept (its maps' places and its
// variables too, when nothing else holds them).
void Interpreter::PopFrame() {
    std::unique_ptr<Frame> f = std::move(frames_.back());
    frames_.pop_back();
    f->name.clear();
    f->file.clear();
    f->args.clear();
    Recycle(f->locals);
    Recycle(f->privates);
    f->hidden.clear();
    f->line = 0;
    f->firstLine = 1;
    f->stmt = nullptr;
    f->result = Value::Logical(true);
    f->self = Value();
    f->methodName.clear();
    f->methodLevel = 0;
    if (spareFrames_.size() < kMaxDepth) spareFrames_.push_back(std::move(f));
}

void Interpreter::Do(const NameArg& target, const std::vector<ExprP>& argExprs) {
    std::string name = NameText(target);
    std::unique_ptr<Frame> callee = NewFrame();
    for (const ExprP& a : argExprs) callee->args.push_back(Argument(*a, true));
    if (const Procedure* p = FindProcedure(UpperAscii(name))) {
        CallProcedure(*p, std::move(callee));
        return;
    }
    std::shared_ptr<Program> program;
    try {
        program = ProgramFile(name);
    } catch (ScriptError& e) {
        if (e.number == kErrFileMissing && e.hint.empty())
            e.hint = MissingNameHint(UpperAscii(name), KnownNames(false));
        throw;
    }
    for (const auto& [n, proc] : program->procedures) procedures_.emplace(n, proc);
    AddClasses(*program);
    RunMain(*program, std::move(callee));
}

Value Interpreter::RunMain(const Program& program, std::unique_ptr<Frame> callee) {
    Procedure main;
    main.name = program.name;
    main.program = program.name;
    main.declared = program.mainDeclared;
    main.body = program.main;
    main.file = program.path;
    return CallProcedure(main, std::move(callee));
}

std::shared_ptr<Program> Interpreter::ProgramFile(const std::string& name) {
    // name or name.prg, here, beside the main program, or in a SET PATH folder.
    std::string file = HasExtension(name) ? name : name + ".prg";
    std::string path;
    if (FileExists(file)) {
        path = file;
    } else if (!IsAbsolute(file)) {
        std::vector<std::string> folders = session_.path;
        if (!programFolder_.empty()) folders.insert(folders.begin(), programFolder_);
        for (const std::string& f : folders)
            if (path.empty() && FileExists(f + "\\" + file)) path = f + "\\" + file;
    }
    if (path.empty()) Raise(kErrFileMissing, "File '" + Lower(file) + "' does not exist.");
    std::shared_ptr<Program>& program = files_[UpperAscii(FullPath(path))];
    if (!program) {  // compiled once, as the host keeps a compiled program
        std::string text;
        if (!ReadWholeFile(path, &text)) Raise(kErrFileMissing, "File '" + Lower(file) + "' does not exist.");
        auto compiled = std::make_shared<Program>();
        compiled->name = Stem(path);
        compiled->path = path;
        CompileResult r = lang::Compile(text, compiled.get());
        if (!r.ok) Raise(r.error);
        program = compiled;
    }
    return program;
}

std::string Interpreter::NameText(const NameArg& a) {
    if (!a.present) return {};
    if (!a.expr) return a.literal;
    Value v = a.expr->kind == EK::Macro ? NameValue(a.expr->name) : Eval(*a.expr);
    if (!IsText(v)) Raise(kErrDataType);
    return v.text;
}

std::string Interpreter::Substitute(const std::string& text) {
    std::string out;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
            out += c;
            continue;
        }
        if (c == '"' || c == '\'') quote = c;
        if (c == '&' && i + 1 < text.size() && IsNameStart(static_cast<unsigned char>(text[i + 1]))) {
            std::size_t j = i + 1;
            while (j < text.size() && IsNameChar(static_cast<unsigned char>(text[j]))) ++j;
            Value t = NameValue(UpperAscii(text.substr(i + 1, j - i - 1)));
            if (!IsText(t)) Raise(kErrDataType);
            out += t.text;
            if (j < text.size() && text[j] == '.') ++j;
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

// --- libraries -------------------------------------------------------------------

std::string Interpreter::ResolveLibrary(const std::string& name) const {
    std::vector<std::string> names = {name};
    if (!HasExtension(name)) names.insert(names.begin(), name + ".fll");
    std::vector<std::string> folders;
    if (!programFolder_.empty()) folders.push_back(programFolder_);
    for (const std::string& f : libraryFolders) folders.push_back(f);
    for (const std::string& n : names) {
        if (FileExists(n)) return FullPath(n);
        if (IsAbsolute(n)) continue;
        for (const std::string& f : folders)
            if (FileExists(f + "\\" + n)) return FullPath(f + "\\" + n);
    }
    return {};
}

void Interpreter::LoadLibraryFile(const std::string& path) {
    std::string why;
    if (!host_.Load(path, &why)) {
        if (!why.empty() && why[0] >= 'a' && why[0] <= 'z') why[0] = static_cast<char>(why[0] - 'a' + 'A');
        Raise(kErrFileMissing, why + ".");
    }
    loadedLibrary_ = path;
    CheckQuit();
}

void Interpreter::SetLibrary(const NameArg& target) {
    if (!target.present) {
        ReleaseLibrary(target);
        return;
    }
    std::string name = NameText(target);
    // The library cannot go while its own code is running below us.
    if (serviceDepth_ || libraryCalls_) Raise(kErrFileInUse);
    std::string path = ResolveLibrary(name);
    if (path.empty()) Raise(kErrFileMissing, "File '" + Lower(name) + "' does not exist.");
    if (host_.loaded() && UpperAscii(path) == UpperAscii(loadedLibrary_)) return;
    UnloadLibrary();
    LoadLibraryFile(path);
}

void Interpreter::ReleaseLibrary(const NameArg& target) {
    if (serviceDepth_ || libraryCalls_) Raise(kErrFileInUse);
    if (target.present && Stem(NameText(target)) != Stem(loadedLibrary_)) return;
    UnloadLibrary();
    CheckQuit();
}

}  // namespace tarvo::run::lang
