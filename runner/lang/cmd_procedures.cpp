// Commands: procedure files (SET PROCEDURE, RELEASE PROCEDURE, DO ... IN),
// RETRY, ASSERT and DISPLAY or LIST MEMORY.
#include <algorithm>
#include <cstdio>

#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {

// name[, name ...]: names as commands take them.
std::vector<NameArg> NameList(ExprParser& p) {
    std::vector<NameArg> out;
    for (;;) {
        p.Relex(true);
        NameArg n = p.NameArgument(true);
        if (!n.present) p.Fail();
        out.push_back(n);
        p.Relex(false);
        if (!p.cur().IsOp(",")) return out;
        p.Next();
    }
}

namespace {

struct ProcedureFiles {
    std::vector<NameArg> files;
    bool additive = false;
};
struct Assertion {
    ExprP condition;
    ExprP message;
};
struct MemoryList {
    std::string like;
    NameArg toFile;
    bool additive = false;
    bool noConsole = false;
};

// SET PROCEDURE TO [file [, file ...]] [ADDITIVE]
void ParseSetProcedure(ExprParser& p, Stmt& s) {
    ProcedureFiles f;
    if (!p.Word("TO")) p.Fail();
    if (!p.AtEnd() && !p.cur().IsWord("ADDITIVE")) f.files = NameList(p);
    p.Relex(true);
    f.additive = p.Word("ADDITIVE");
    p.ExpectEnd();
    s.payload = f;
}

void ParseReleaseProcedure(ExprParser& p, Stmt& s) {
    ProcedureFiles f;
    f.files = NameList(p);
    p.ExpectEnd();
    s.payload = f;
}

// The procedures of the files become callable; without ADDITIVE they
// replace the files set before. SET PROCEDURE TO alone releases them all.
Flow ExecSetProcedure(Interpreter& in, const Stmt& s) {
    const ProcedureFiles& f = s.As<ProcedureFiles>();
    std::vector<std::shared_ptr<Program>> files;
    for (const NameArg& n : f.files) files.push_back(in.ProgramFile(in.NameText(n)));
    auto& list = in.session().procedureFiles;
    if (!f.additive) list.clear();
    for (const auto& p : files)
        if (std::find(list.begin(), list.end(), p) == list.end()) list.push_back(p);
    return Flow::Next;
}

Flow ExecReleaseProcedure(Interpreter& in, const Stmt& s) {
    auto& list = in.session().procedureFiles;
    for (const NameArg& n : s.As<ProcedureFiles>().files) {
        std::string name = in.NameText(n);
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const std::shared_ptr<Program>& p) { return p->name == Stem(name); }),
                   list.end());
    }
    return Flow::Next;
}

// RETRY ends the procedure and runs the statement that called it again; in
// ON ERROR's command (or the procedure it calls) it runs the statement that
// failed again. At the top level it ends the program, as RETURN does.
Flow ExecRetry(Interpreter& in, const Stmt&) {
    Session& ss = in.session();
    std::size_t frames = in.FrameCount();
    if (ss.onErrorStmt && (ss.onErrorFrames == frames || ss.onErrorFrames + 1 == frames))
        throw RetrySignal{ss.onErrorStmt, ss.onErrorFrames};
    if (frames > 1) throw RetrySignal{in.FrameAt(frames - 2).stmt, frames - 1};
    throw RetrySignal{};
}

// ASSERT condition [MESSAGE text]: with SET ASSERTS ON, a condition that
// does not hold shows its message as a line "ASSERT: text" and the program
// goes on (nobody is there to choose Debug or Cancel). With SET ASSERTS OFF
// (the default) nothing is evaluated.
void ParseAssert(ExprParser& p, Stmt& s) {
    Assertion a;
    p.Relex(true);
    a.condition = p.Expression();
    p.Relex(true);
    if (p.Word("MESSAGE")) a.message = p.Expression();
    p.ExpectEnd();
    s.payload = a;
}

Flow ExecAssert(Interpreter& in, const Stmt& s) {
    if (!in.session().asserts) return Flow::Next;
    const Assertion& a = s.As<Assertion>();
    Value v = in.Eval(*a.condition);
    if (v.type != 'L') Raise(kErrDataType);
    if (v.logical) return Flow::Next;
    std::string text;
    if (a.message) {
        Value m = in.Eval(*a.message);
        if (!IsText(m)) Raise(kErrDataType);
        text = m.text;
    } else {
        text = "Assertion failed on line " + std::to_string(s.line) + " of procedure " + in.frame().name + ".";
    }
    in.NewLine();
    in.Write("ASSERT: " + text);
    return Flow::Next;
}

// DISPLAY MEMORY / LIST MEMORY [LIKE skeleton] [TO FILE name [ADDITIVE]]
// [NOCONSOLE]
void ParseMemory(ExprParser& p, Stmt& s) {
    MemoryList m;
    for (;;) {
        p.Relex(true);
        if (p.AtEnd()) break;
        if (p.Word("LIKE")) {
            NameArg n = p.NameArgument();
            if (!n.present || n.expr) p.Fail();
            m.like = UpperAscii(n.literal);
        } else if (p.Word("TO")) {
            if (!p.Word("FILE")) p.Fail();
            m.toFile = p.NameArgument();
            if (!m.toFile.present) p.Fail();
        } else if (p.Word("ADDITIVE")) {
            m.additive = true;
        } else if (p.Word("NOCONSOLE")) {
            m.noConsole = true;
        } else {
            p.ExpectEnd();
        }
    }
    if (m.additive && !m.toFile.present) Raise(kErrPhrase);
    s.payload = m;
}

Flow ExecMemory(Interpreter& in, const Stmt& s) {
    const MemoryList& m = s.As<MemoryList>();
    std::vector<std::string> lines = in.MemoryListing(m.like);
    if (m.toFile.present) {
        std::string name = in.NameText(m.toFile);
        if (!HasExtension(name)) name += ".txt";
        std::FILE* f = std::fopen(name.c_str(), m.additive ? "ab" : "wb");
        if (!f) Raise(kErrBadPath);
        for (const std::string& l : lines) std::fprintf(f, "%s\r\n", l.c_str());
        std::fclose(f);
    }
    if (!m.noConsole)
        for (const std::string& l : lines) {
            in.NewLine();
            in.Write(l);
        }
    return Flow::Next;
}

bool Matches(const std::string& pattern, const std::string& name) {
    return pattern.empty() || Like(pattern, name);
}

std::string Padded(std::string s, std::size_t n) {
    if (s.size() < n) s.resize(n, ' ');
    return s;
}

// One value as DISPLAY MEMORY shows it: its type letter and its value
// (texts quoted, numbers with their full value after them).
std::string Shown(const Value& v, const Settings& st) {
    std::string type(1, TypeLetter(v));
    std::string text;
    switch (v.type) {
    case 'C': case 'M': text = "\"" + v.text + "\""; break;
    case 'N': case 'I': case 'Y': {
        char full[64];
        std::snprintf(full, sizeof full, "(%20.8f)", v.asNumber());
        text = Padded(PlainForm(v, st), 12) + " " + full;
        break;
    }
    case 'O': text = "Object"; break;
    default: text = PlainForm(v, st);
    }
    return Padded(type, 3) + text;
}

}  // namespace

// One line per variable the program sees now, in the order of their names:
// name, scope (Pub, Priv, Local), type and value; a private variable ends
// with the procedure that made it, an array is followed by its elements.
// The last line counts the variables.
std::vector<std::string> Interpreter::MemoryListing(const std::string& like) {
    struct Seen {
        VarP var;
        std::string scope, owner;
    };
    std::map<std::string, Seen> seen;
    for (const auto& [name, v] : publics_)
        if (name != "_MLINE") seen[name] = {v, "Pub", ""};  // system variables are not listed
    for (const auto& fr : frames_)
        for (const auto& [name, v] : fr->privates) seen[name] = {v, "Priv", fr->name};
    for (const auto& [name, v] : frame().locals)
        if (name != kWithObject) seen[name] = {v, "Local", frame().name};
    std::vector<std::string> out;
    int count = 0;
    for (const auto& [name, s] : seen) {
        if (!Matches(like, name) || FindVariable(name) != s.var) continue;
        ++count;
        std::string head = Padded(name, 12) + Padded(s.scope, 7);
        if (!s.var->isArray) {
            std::string line = head + Shown(s.var->value, settings_);
            if (s.scope == "Priv") line += "  " + s.owner;
            out.push_back(line);
            continue;
        }
        std::string dims = std::to_string(s.var->cols ? s.var->rows : static_cast<int>(s.var->items.size()));
        if (s.var->cols) dims += "," + std::to_string(s.var->cols);
        out.push_back(head + "A  (" + dims + ")" + (s.scope == "Priv" ? "  " + s.owner : ""));
        long cols = s.var->cols ? s.var->cols : 1;
        for (std::size_t k = 0; k < s.var->items.size(); ++k) {
            std::string at = s.var->cols ? std::to_string(k / cols + 1) + "," + std::to_string(k % cols + 1)
                                         : std::to_string(k + 1);
            out.push_back("   ( " + Padded(at + ")", 12) + "   " + Shown(s.var->items[k], settings_));
        }
    }
    out.push_back(std::to_string(count) + " variables defined");
    return out;
}

void Interpreter::DoIn(const NameArg& target, const NameArg& file, const std::vector<ExprP>& argExprs) {
    std::string name = UpperAscii(NameText(target));
    std::shared_ptr<Program> program = ProgramFile(NameText(file));
    std::unique_ptr<Frame> callee = NewFrame();
    for (const ExprP& a : argExprs) callee->args.push_back(Argument(*a, true));
    auto it = program->procedures.find(name);
    if (it != program->procedures.end()) {
        CallProcedure(*it->second, std::move(callee));
        return;
    }
    if (name != program->name) Raise(kErrFileMissing, "Procedure '" + name + "' is not found.");
    RunMain(*program, std::move(callee));
}

namespace {

const Command kCommands[] = {
    {"SET", "PROCEDURE", ParseSetProcedure, ExecSetProcedure, nullptr, 0},
    {"RELEASE", "PROCEDURE", ParseReleaseProcedure, ExecReleaseProcedure, nullptr, 0},
    {"RETRY", nullptr, ParseEnd, ExecRetry, nullptr, kNotInTry},
    {"ASSERT", nullptr, ParseAssert, ExecAssert, nullptr, 0},
    {"DISPLAY", "MEMORY", ParseMemory, ExecMemory, nullptr, 0},
    {"LIST", "MEMORY", ParseMemory, ExecMemory, nullptr, 0},
};

}  // namespace

std::span<const Command> ProcedureCommands() { return kCommands; }

}  // namespace tarvo::run::lang
