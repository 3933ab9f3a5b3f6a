// The interpreter: statements.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "runner/lang/interp.h"
#include "runner/lang/lexer.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

std::string OneLine(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return out;
}

}  // namespace

// --- statements -------------------------------------------------------------------

Interpreter::Flow Interpreter::Exec(const Block& block) {
    for (const StmtP& s : block) {
        Flow f = ExecGuarded(*s);
        if (f != Flow::Next) return f;
    }
    return Flow::Next;
}

// Objects nothing refers to any more go, between statements when no
// expression is half evaluated (its values would not be seen here).
void Interpreter::CollectObjects() {
    std::set<int> live;
    std::vector<const Value*> work;
    auto value = [&](const Value& v) {
        if (v.type == 'O') work.push_back(&v);
    };
    auto var = [&](const VarP& v) {
        if (!v) return;
        value(v->value);
        for (const Value& item : v->items) value(item);
    };
    for (const auto& f : frames_) {
        for (const auto& [n, v] : f->locals) var(v);
        for (const auto& [n, v] : f->privates) var(v);
        for (const ArgCell& a : f->args) {
            var(a.ref);
            value(a.value);
        }
        value(f->result);
    }
    for (const auto& [n, v] : publics_) var(v);
    for (const ScriptError& e : catching_) value(e.userValue);
    value(lastError_.userValue);
    value(serviceError_.userValue);
    for (const auto& [id, w] : refs_) var(w.lock());
    while (!work.empty()) {
        int id = work.back()->integer;
        work.pop_back();
        if (!live.insert(id).second) continue;
        auto it = objects_.find(id);
        if (it == objects_.end()) continue;
        for (const auto& [n, v] : it->second.properties) value(v);
    }
    for (auto it = objects_.begin(); it != objects_.end();)
        it = live.count(it->first) ? std::next(it) : objects_.erase(it);
    objectsKept_ = objects_.size();
}

Interpreter::Flow Interpreter::ExecGuarded(const Stmt& s) {
    if (objects_.size() > objectsKept_ + 1000 && expressionCalls_ == 0 && serviceDepth_ == 0 &&
        libraryCalls_ == 0)
        CollectObjects();
    Frame& f = frame();
    f.line = s.line;
    f.stmt = &s;
    try {
        return ExecStmt(s);
    } catch (ScriptError& e) {
        Complete(e);
        if (tryDepth_ == 0 && serviceDepth_ == 0 && inOnError_ == 0 && !onError_.empty()) {
            RunOnError(e);
            return Flow::Next;  // on with the statement after the one that failed
        }
        throw;
    }
}

void Interpreter::RunOnError(const ScriptError& e) {
    lastError_ = e;
    Counting c(inOnError_);
    RunCommandText(onError_);
}

Value Interpreter::MakeException(const ScriptError& e) {
    int id = NewObject("Exception");
    Object& o = objects_[id];
    o.properties = {
        {"ERRORNO", Value::Num(e.number, 0)},
        {"MESSAGE", Value::Char(e.message)},
        {"LINENO", Value::Num(e.line, 0)},
        {"LINECONTENTS", Value::Char(e.source)},
        {"PROCEDURE", Value::Char(e.procedure)},
        {"DETAILS", Value::Char("")},
        {"USERVALUE", e.number == kErrThrown ? e.userValue : Value::Char("")},
        {"STACKLEVEL", Value::Num(static_cast<double>(frames_.size()), 0)},
    };
    Value v;
    v.type = 'O';
    v.integer = id;
    return v;
}

Interpreter::Flow Interpreter::ExecTry(const Stmt& s) {
    Flow flow = Flow::Next;
    std::optional<ScriptError> pending;  // raised again once FINALLY has run
    try {
        Trying t(*this);
        flow = Exec(s.body);
    } catch (ScriptError& e) {
        Complete(e);
        try {
            bool handled = false;
            for (const CatchClause& c : s.catches) {
                frame().line = c.line;
                if (c.error) Raise(c.error, c.errorText);
                if (!c.var.empty()) AssignName(c.var, MakeException(e));
                if (c.when && !Truth(Eval(*c.when))) continue;
                handled = true;
                lastError_ = e;
                catching_.push_back(e);
                struct Pop {
                    std::vector<ScriptError>& v;
                    ~Pop() { v.pop_back(); }
                } pop{catching_};
                flow = Exec(c.body);
                break;
            }
            if (!handled) pending = e;
        } catch (ScriptError& inner) {
            Complete(inner);
            pending = inner;
        }
    }
    if (s.hasFinally) {
        Flow f = Exec(s.finallyBody);
        if (f != Flow::Next) flow = f;
    }
    if (pending) throw *pending;
    return flow;
}

void Interpreter::Wait(const Stmt& s) {
    std::string text = "Press any key to continue...";
    if (!s.exprs.empty()) {
        Value v = Eval(*s.exprs[0]);
        text = IsText(v) ? v.text : PlainForm(v, settings_);
    }
    double seconds = 0;
    if (s.timeout) {
        Value t = Eval(*s.timeout);
        if (!IsNumber(t)) Raise(kErrDataType);
        seconds = t.asNumber();
    }
    if (s.flag) {
        // The host shows it in a window of its own: here one line on the output.
        text = OneLine(text);
        host_.waitWindows.push_back(text);
        if (lineOpen_) NewLine();
        write("WAIT WINDOW: " + text);
        lineOpen_ = true;
        waitLine_ = true;
    } else {
        NewLine();
        Write(text);
    }
    // Without a keyboard nothing is waited for but a TIMEOUT, during which
    // the thread's messages are served.
    if (!s.flag2 && seconds > 0) {
        host_.Pump(static_cast<unsigned>(std::min(seconds, 86400.0) * 1000));
        CheckQuit();
    }
    if (!s.names.empty()) AssignName(s.names[0], Value::Char(""));
}

void Interpreter::Set(const Stmt& s) {
    auto onOff = [&]() {
        if (s.names.size() != 1 || (s.names[0] != "ON" && s.names[0] != "OFF")) Raise(kErrPhrase);
        return s.names[0] == "ON";
    };
    auto number = [&]() {
        if (s.exprs.empty()) Raise(kErrPhrase);
        Value v = Eval(*s.exprs[0]);
        if (!IsNumber(v)) Raise(kErrDataType);
        return v.asNumber();
    };
    if (s.word == "EXACT") {
        settings_.exact = onOff();
    } else if (s.word == "CENTURY") {
        if (s.exprs.empty()) settings_.century = onOff();
    } else if (s.word == "DATE") {
        if (s.names.size() != 1 || !KnownDateFormat(s.names[0])) Raise(kErrPhrase);
        settings_.date = s.names[0];
    } else if (s.word == "DECIMALS") {
        double n = number();
        if (n < 0 || n > 18) Raise(kErrArgument);
        settings_.decimals = static_cast<int>(n);
    } else if (s.word == "HOURS") {
        double n = number();
        if (n != 12 && n != 24) Raise(kErrArgument);
        settings_.hours = static_cast<int>(n);
    }
    // SET TALK, SAFETY and the like change nothing here.
}

Interpreter::Flow Interpreter::ExecStmt(const Stmt& s) {
    if (s.error) Raise(s.error, s.errorText);
    switch (s.kind) {
    case SK::Nop:
        return Flow::Next;
    case SK::Print: {
        std::string text;
        for (std::size_t i = 0; i < s.exprs.size(); ++i) {
            if (i) text += ' ';
            text += PrintForm(Eval(*s.exprs[i]), settings_);
        }
        if (!s.flag) NewLine();
        Write(text);
        return Flow::Next;
    }
    case SK::Assign:
        Assign(*s.targets[0].expr, Eval(*s.exprs[0]));
        return Flow::Next;
    case SK::Store: {
        Value v = Eval(*s.exprs[0]);
        for (const Target& t : s.targets) Assign(*t.expr, v);
        return Flow::Next;
    }
    case SK::Local:
    case SK::Private:
    case SK::Public:
    case SK::Dimension:
        Declare(s);
        return Flow::Next;
    case SK::Release:
        for (const std::string& n : s.names) Release(n);
        return Flow::Next;
    case SK::ReleaseAll:
        frame().locals.clear();
        frame().privates.clear();
        return Flow::Next;
    case SK::ReleaseLibrary:
        ReleaseLibrary(s.target);
        return Flow::Next;
    case SK::If:
        return Exec(Truth(Eval(*s.exprs[0])) ? s.body : s.elseBody);
    case SK::Case:
        for (const auto& [clause, body] : s.cases) {
            frame().line = clause->line;
            frame().stmt = clause.get();
            if (clause->error) Raise(clause->error, clause->errorText);
            if (Truth(Eval(*clause->exprs[0]))) return Exec(body);
        }
        return Exec(s.elseBody);
    case SK::While:
        for (;;) {
            frame().line = s.line;
            frame().stmt = &s;
            if (!Truth(Eval(*s.exprs[0]))) return Flow::Next;
            Flow f = Exec(s.body);
            if (f == Flow::Exit) return Flow::Next;
            if (f == Flow::Return) return f;
        }
    case SK::For: {
        Value from = Eval(*s.exprs[0]);
        Value to = Eval(*s.exprs[1]);
        Value step = s.exprs.size() > 2 ? Eval(*s.exprs[2]) : Value::Num(1, 0);
        if (!IsNumber(from) || !IsNumber(to) || !IsNumber(step)) Raise(kErrDataType);
        double end = to.asNumber(), by = step.asNumber();
        AssignName(s.word, from);
        for (;;) {
            frame().line = s.line;
            frame().stmt = &s;
            VarP v = FindVariable(s.word);
            Value now = v ? (v->isArray ? v->items.at(0) : v->value) : Value();
            if (!IsNumber(now)) Raise(kErrDataType);
            if (by >= 0 ? now.asNumber() > end : now.asNumber() < end) return Flow::Next;
            Flow f = Exec(s.body);
            if (f == Flow::Exit) return Flow::Next;
            if (f == Flow::Return) return f;
            frame().line = s.line;
            frame().stmt = &s;
            v = FindVariable(s.word);
            now = v ? (v->isArray ? v->items.at(0) : v->value) : Value();
            if (!IsNumber(now)) Raise(kErrDataType);
            AssignName(s.word, Arithmetic(Op::Add, now, step, settings_));
        }
    }
    case SK::ForEach: {
        const Expr& src = *s.exprs[0];
        VarP arr = src.kind == EK::Name ? FindVariable(src.name) : nullptr;
        std::vector<Value> items;
        if (!arr && src.kind == EK::Name) Raise(kErrNoVariable, "Variable '" + src.name + "' is not found.");
        if (!arr || !arr->isArray) Raise(kErrNotArray, "'" + UpperAscii(src.written) + "' is not an array.");
        items = arr->items;
        for (const Value& item : items) {
            frame().line = s.line;
            frame().stmt = &s;
            AssignName(s.word, item);
            Flow f = Exec(s.body);
            if (f == Flow::Exit) return Flow::Next;
            if (f == Flow::Return) return f;
        }
        return Flow::Next;
    }
    case SK::Exit:
        return Flow::Exit;
    case SK::Loop:
        return Flow::Loop;
    case SK::Return:
        frame().result = s.exprs.empty() ? Value::Logical(true) : Eval(*s.exprs[0]);
        return Flow::Return;
    case SK::Parameters:
        Bind(s.names, s.flag);
        return Flow::Next;
    case SK::Do:
        Do(s);
        return Flow::Next;
    case SK::Eval:
        Eval(*s.exprs[0]);
        return Flow::Next;
    case SK::Wait:
        Wait(s);
        return Flow::Next;
    case SK::SetLibrary:
        SetLibrary(s.target);
        return Flow::Next;
    case SK::Set:
        Set(s);
        return Flow::Next;
    case SK::Try:
        return ExecTry(s);
    case SK::OnError:
        onError_ = s.word;
        return Flow::Next;
    case SK::DoEvents:
        host_.Pump(0);
        CheckQuit();
        return Flow::Next;
    case SK::Quit:
    case SK::Cancel:
        throw QuitSignal{};
    case SK::RaiseError: {
        Value v = Eval(*s.exprs[0]);
        if (IsNumber(v)) {
            double n = std::trunc(v.asNumber());
            if (n < 1 || n > 99999) Raise(kErrArgument);
            Raise(static_cast<int>(n));
        }
        if (IsText(v)) Raise(kErrUser, v.text);
        Raise(kErrArgument);
    }
    case SK::Throw: {
        if (s.exprs.empty() && !catching_.empty()) throw ScriptError(catching_.back());
        ScriptError e;
        e.number = kErrThrown;
        e.message = ErrorText(kErrThrown);
        e.userValue = s.exprs.empty() ? Value::Char("") : Eval(*s.exprs[0]);
        throw e;
    }
    case SK::Erase: {
        std::string name = NameText(s.target);
        if (!DeleteFileA(name.c_str())) Raise(kErrFileMissing, "File '" + Lower(name) + "' does not exist.");
        return Flow::Next;
    }
    case SK::ChangeDir:
    case SK::MakeDir:
    case SK::RemoveDir: {
        std::string name = NameText(s.target);
        BOOL ok = s.kind == SK::ChangeDir ? SetCurrentDirectoryA(name.c_str())
                : s.kind == SK::MakeDir  ? CreateDirectoryA(name.c_str(), nullptr)
                                         : RemoveDirectoryA(name.c_str());
        if (!ok) Raise(kErrBadPath);
        return Flow::Next;
    }
    case SK::Macro:
        RunCommandText(Substitute(s.source));
        return Flow::Next;
    default:
        Raise(kErrNesting);  // a block marker out of place (the builder never leaves one)
    }
}

}  // namespace tarvo::run::lang
