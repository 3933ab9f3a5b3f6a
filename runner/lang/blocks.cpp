// The block builder: gathers the parts of every block (IF ... ELSE ...
// ENDIF and the like) into the statement that opens it, by the block roles
// of the command table, and splits the procedures and classes off the main
// program.
#include "runner/lang/commands.h"
#include "runner/lang/errors.h"
#include "runner/lang/objects.h"
#include "runner/lang/parser.h"

namespace tarvo::run::lang {
namespace {

struct NestingError {
    int line;
    bool incomplete;
    int error = kErrNesting;
};

// The error of a block statement that stands where it does not belong, or
// of a block the text leaves open, as the host names it by the block's kind.
int StructureError(const Command& c) {
    static const struct {
        const char* block;
        int error;
    } kErrors[] = {
        {"IF", kErrIfMissing},
        {"CASE", kErrCaseMissing},
        {"TRY", kErrTryMismatch},
    };
    for (const auto& e : kErrors)
        if (InBlock(c, e.block)) return e.error;
    return kErrNesting;  // DO WHILE, FOR, procedures, and any other
}

// A statement that runs (or raises its error): the others are dropped.
bool Kept(const Stmt& s) { return s.error || (s.command && (s.command->exec || s.command->role)); }

class Builder {
public:
    explicit Builder(std::vector<StmtP> lines) : lines_(std::move(lines)) {}

    bool More() const { return i_ < lines_.size(); }
    StmtP Take() { return lines_[i_++]; }
    const StmtP& Peek() const { return lines_[i_]; }

    // Statements up to one that continues or closes a block or starts a
    // procedure (not consumed); *stop is that one, null at the end of the text.
    Block Body(StmtP* stop) {
        struct Level {
            int& n;
            Level(int& d, int line) : n(d) {
                if (++n > kMaxBlockDepth) throw NestingError{line, false};
            }
            ~Level() { --n; }
        } level(depth_, More() ? Peek()->line : 0);
        Block out;
        while (More()) {
            StmtP s = Peek();
            unsigned role = RoleOf(*s);
            if (role & (kContinues | kCloses | kProcedure)) {
                *stop = s;
                return out;
            }
            ++i_;
            if ((role & kInLoop) && loops_ == 0) throw NestingError{s->line, false};
            if ((role & kNotInTry) && tries_ > 0) throw NestingError{s->line, false, kErrReturnInTry};
            if (role & kOpens) Gather(s);
            if (Kept(*s)) out.push_back(s);
        }
        *stop = nullptr;
        return out;
    }

private:
    // The parts of the block `opener` starts, up to the statement that closes it.
    void Gather(const StmtP& opener) {
        const char* block = opener->command->block;
        bool loop = opener->command->role & kLoop;
        bool tries = InBlock(*opener->command, "TRY");
        loops_ += loop;
        tries_ += tries;
        StmtP head = opener;
        bool last = false;  // the part just read must be the last
        for (;;) {
            StmtP stop;
            Block body = Body(&stop);
            opener->sections.push_back({head, std::move(body)});
            // The text ends inside the block, or a procedure starts there.
            if (!stop) throw NestingError{opener->line, true, StructureError(*opener->command)};
            if (RoleOf(*stop) & kProcedure)
                throw NestingError{opener->line, false, StructureError(*opener->command)};
            if (!InBlock(*stop->command, block))
                throw NestingError{stop->line, false, StructureError(*stop->command)};
            ++i_;
            if (RoleOf(*stop) & kCloses) break;
            if (last) throw NestingError{stop->line, false, StructureError(*stop->command)};
            head = stop;
            last = RoleOf(*stop) & kLastPart;
        }
        loops_ -= loop;
        tries_ -= tries;
    }

    static constexpr int kMaxBlockDepth = 256;

    std::vector<StmtP> lines_;
    std::size_t i_ = 0;
    int depth_ = 0;
    int loops_ = 0;  // loops open around the statement (EXIT and LOOP need one)
    int tries_ = 0;  // TRY blocks open around it (RETURN may not stand there)
};

// Parameters a procedure accepts: its first PARAMETERS or LPARAMETERS
// statement (wherever it stands); 0 when it has none.
int Declared(const Block& body) {
    for (const StmtP& s : body) {
        if (const ParamList* p = s->Get<ParamList>()) return static_cast<int>(p->names.size());
        for (const Section& part : s->sections) {
            if (part.head != s)
                if (const ParamList* p = part.head->Get<ParamList>()) return static_cast<int>(p->names.size());
            if (int n = Declared(part.body)) return n;
        }
    }
    return 0;
}

bool ClosesProcedure(const Stmt& s) { return (RoleOf(s) & kCloses) && InBlock(*s.command, "PROC"); }
bool ClosesClass(const Stmt& s) { return (RoleOf(s) & kCloses) && InBlock(*s.command, "CLASS"); }

// After ENDPROC or ENDDEFINE only comments may stand before the next
// procedure or class (or, in a class, its ENDDEFINE).
void NextMustStartProcedure(Builder& b, bool inClass) {
    if (!b.More() || (RoleOf(*b.Peek()) & kProcedure) || (inClass && ClosesClass(*b.Peek()))) return;
    const Stmt& next = *b.Peek();
    throw NestingError{next.line, false, next.command ? StructureError(*next.command) : kErrNesting};
}

// A procedure or method from its head on; *stop is the statement after it.
ProcedureP ReadProcedure(Builder& b, const std::string& program, bool requireEndProc, bool inClass,
                         StmtP* stop) {
    StmtP head = b.Take();
    const ProcHead& h = head->As<ProcHead>();
    auto proc = std::make_shared<Procedure>();
    proc->name = h.name;
    proc->program = program;
    proc->line = head->line;
    proc->inlineParams = h.params;
    proc->error = head->error;  // a PROCEDURE line that did not parse fails when called
    proc->errorText = head->errorText;
    proc->body = b.Body(stop);
    proc->declared = h.inlineList ? static_cast<int>(h.params.size()) : Declared(proc->body);
    if (!*stop && requireEndProc) throw NestingError{head->line, true};
    if (*stop && ClosesProcedure(**stop)) {
        b.Take();
        NextMustStartProcedure(b, inClass);
        *stop = b.More() ? b.Peek() : nullptr;
    }
    return proc;
}

// DEFINE CLASS from its head on: name = value lines, then methods, then
// ENDDEFINE; *stop is the statement after it.
std::shared_ptr<ClassDef> ReadClass(Builder& b, const std::string& program, StmtP* stop) {
    StmtP head = b.Take();
    const ClassHead* h = head->Get<ClassHead>();
    if (!h) throw NestingError{head->line, false, head->error ? head->error : kErrSyntax};
    auto c = std::make_shared<ClassDef>();
    c->name = h->name;
    c->written = h->written;
    c->parent = h->parent;
    c->program = program;
    c->line = head->line;
    for (const StmtP& s : b.Body(stop)) {
        ExprP target, value;
        if (!s->error && AssignmentParts(*s, &target, &value) && target->kind == EK::Name &&
            target->alias.empty()) {
            c->properties.emplace_back(target->name, value);
        } else if (!c->error) {
            // Known when an object of the class is made.
            c->error = s->error ? s->error : kErrSyntax;
            c->errorText = "Statement is not valid in a class definition (line " + std::to_string(s->line) + ").";
        }
    }
    while (*stop && (RoleOf(**stop) & kProcedure) && (*stop)->Get<ProcHead>()) {
        ProcedureP method = ReadProcedure(b, program, false, true, stop);
        c->methods.emplace(method->name, method);  // the first of a name wins
    }
    if (!*stop || !ClosesClass(**stop)) throw NestingError{head->line, !*stop};
    b.Take();
    NextMustStartProcedure(b, false);
    *stop = b.More() ? b.Peek() : nullptr;
    return c;
}

}  // namespace

CompileResult Compile(const std::string& text, Program* out, bool requireEndProc, int firstLine) {
    CompileResult r;
    std::vector<SourceLine> source = Preprocess(SplitStatements(text, firstLine), &r);
    if (!r.ok) return r;
    std::vector<StmtP> lines;
    for (const SourceLine& l : source) lines.push_back(ParseStatement(l.text, l.line));
    Builder b(std::move(lines));
    try {
        StmtP stop;
        out->main = b.Body(&stop);
        out->mainDeclared = Declared(out->main);
        while (stop) {
            if (!(RoleOf(*stop) & kProcedure))
                throw NestingError{stop->line, false, StructureError(*stop->command)};
            if (InBlock(*stop->command, "CLASS")) {
                std::shared_ptr<ClassDef> c = ReadClass(b, out->name, &stop);
                out->classes.emplace(c->name, c);  // the first of a name wins
                continue;
            }
            ProcedureP proc = ReadProcedure(b, out->name, requireEndProc, false, &stop);
            proc->file = out->path;
            out->procedures.emplace(proc->name, proc);  // the first of a name wins
            out->order.push_back(proc);
        }
    } catch (const NestingError& e) {
        r.ok = false;
        r.error = e.error;
        r.line = e.line;
        r.incomplete = e.incomplete;
    }
    return r;
}

}  // namespace tarvo::run::lang
