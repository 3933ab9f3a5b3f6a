// The interpreter: running statements, ON ERROR, the commands the program
// runs as text (macros, ON ERROR's command, the library's commands), and the
// collection of objects nothing refers to.
#include <set>

#include "runner/lang/interp.h"
#include "runner/lang/parser.h"

namespace tarvo::run::lang {
namespace {

// Gives every statement of a block the line `line`: the statements of a
// command run from a line of the program count as that line.
void Renumber(const Block& block, int line) {
    for (const StmtP& s : block) {
        s->line = line;
        for (const Section& part : s->sections) {
            part.head->line = line;
            Renumber(part.body, line);
        }
    }
}

}  // namespace

// --- statements -------------------------------------------------------------------

Flow Interpreter::Exec(const Block& block) {
    for (const StmtP& s : block) {
        Flow f = ExecGuarded(*s);
        if (f != Flow::Next) return f;
    }
    return Flow::Next;
}

Flow Interpreter::ExecGuarded(const Stmt& s) {
    Frame& f = frame();
    for (;;) {
        f.line = s.line;
        f.stmt = &s;
        CheckInterrupt();
        try {
            try {
                if (s.error) RaiseWithHint(s.error, s.errorText, s.errorHint);
                // A statement that does nothing is left out by the block builder; a
                // block marker never stands alone.
                if (!s.command || !s.command->exec) Raise(kErrNesting);
                const Flow flow = s.command->exec(*this, s);
                if (!dying_.empty()) RunDestroys();
                return flow;
            } catch (ScriptError& e) {
                Complete(e);
                if (tryDepth_ == 0 && onErrorApplies_ && inOnError_ == 0 && !onError_.empty()) {
                    struct Running {
                        Session& ss;
                        ~Running() { ss.onErrorStmt = nullptr; }
                    } running{session_};
                    session_.onErrorStmt = &s;
                    session_.onErrorFrames = frames_.size();
                    RunOnError(e);
                    return Flow::Next;  // on with the statement after the one that failed
                }
                throw;
            }
        } catch (const RetrySignal& r) {
            // RETRY in a procedure this statement called, or in ON ERROR's
            // command for it: the statement runs again.
            if (r.stmt != &s || r.frames != frames_.size()) throw;
        }
    }
}

void Interpreter::RunOnError(const ScriptError& e) {
    lastError_ = e;
    Counting c(inOnError_);
    RunCommandText(onError_);
}

Value Interpreter::MakeException(const ScriptError& e) {
    Value v = NewObject(BaseClass::Exception);
    v.object->properties = {
        {"ERRORNO", Value::Num(e.number, 0)},
        {"MESSAGE", Value::Char(e.message)},
        {"LINENO", Value::Num(e.line, 0)},
        {"LINECONTENTS", Value::Char(e.source)},
        {"PROCEDURE", Value::Char(e.procedure)},
        {"DETAILS", Value::Char("")},
        {"USERVALUE", e.number == kErrThrown ? e.userValue : Value::Char("")},
        {"STACKLEVEL", Value::Num(static_cast<double>(frames_.size()), 0)},
    };
    return v;
}

void Interpreter::RunCommandText(const std::string& text) {
    constexpr std::size_t kCommandsKept = 256;
    Frame& f = frame();
    const int line = f.line;
    const Stmt* stmt = f.stmt;
    // The key is built in a buffer kept for it (the command runs after the
    // key is done with, so a command it runs may use the buffer again).
    std::string& key = commandKey_;
    key.assign(f.name);
    key += '\0';
    key += std::to_string(line);
    key += '\0';
    key += text;
    std::shared_ptr<Program> p;  // held while it runs, whatever the cache does
    if (auto it = commands_.find(key); it != commands_.end()) {
        p = it->second;
    } else {
        p = std::make_shared<Program>();
        p->name = f.name;
        CompileResult r = lang::Compile(text, p.get());
        if (!r.ok) Raise(r.error);
        if (!p->order.empty()) Raise(kErrNesting);  // no procedures inside one command
        if (line) Renumber(p->main, line);
        if (commands_.size() >= kCommandsKept) commands_.clear();
        commands_.emplace(key, p);
    }
    Depth depth(*this);
    Exec(p->main);
    f.line = line;
    f.stmt = stmt;
}

void Interpreter::Complete(ScriptError& e) const {
    if (e.message.empty()) e.message = ErrorText(e.number);
    if (e.line == 0) {
        const Frame& f = *frames_.back();
        e.line = f.line;
        e.procedure = f.name;
        e.source = f.stmt ? f.stmt->source : std::string();
        // Where each running frame is, the failing one first.
        e.chain.clear();
        for (std::size_t i = frames_.size(); i-- > 0;) {
            const Frame& at = *frames_[i];
            if (at.line == 0 && !at.stmt) continue;
            // A command line (-c, the prompt) has no file: its lines are numbered.
            const std::size_t slash = at.file.find_last_of("\\/");
            std::string file = slash == std::string::npos ? at.file : at.file.substr(slash + 1);
            if (file.find('.') == std::string::npos) file.clear();
            std::string source = at.stmt ? at.stmt->source : std::string();
            const std::size_t end = source.find_last_not_of(" \t\r\n");
            source.resize(end == std::string::npos ? 0 : end + 1);
            e.chain.push_back({file, at.name, at.line, source});
        }
    }
}

}  // namespace tarvo::run::lang
