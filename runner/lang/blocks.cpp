// The block builder: pairs IF with ENDIF and the like, and splits the
// procedures off the main program.
#include <algorithm>
#include <initializer_list>

#include "runner/lang/errors.h"
#include "runner/lang/parser.h"

namespace tarvo::run::lang {
namespace {

struct NestingError {
    int line;
    bool incomplete;
};

bool IsMarker(SK k) {
    switch (k) {
    case SK::Else: case SK::EndIf: case SK::CaseClause: case SK::Otherwise: case SK::EndCase:
    case SK::EndDo: case SK::EndFor: case SK::EndF: case SK::Catch: case SK::Finally:
    case SK::EndTry: case SK::ProcStart: case SK::EndProc:
        return true;
    default:
        return false;
    }
}

class Builder {
public:
    explicit Builder(std::vector<StmtP> lines) : lines_(std::move(lines)) {}

    bool More() const { return i_ < lines_.size(); }
    StmtP Take() { return lines_[i_++]; }
    const StmtP& Peek() const { return lines_[i_]; }

    // Statements up to one of `ends` (not consumed); `found` tells which,
    // SK::Nop for the end of the text and SK::ProcStart for a procedure.
    Block Body(std::initializer_list<SK> ends, SK* found) {
        struct Level {
            int& n;
            Level(int& d, int line) : n(d) {
                if (++n > kMaxBlockDepth) throw NestingError{line, false};
            }
            ~Level() { --n; }
        } level(depth_, More() ? Peek()->line : 0);
        Block out;
        auto wanted = [&](SK k) { return std::find(ends.begin(), ends.end(), k) != ends.end(); };
        while (More()) {
            StmtP s = Peek();
            if (IsMarker(s->kind)) {
                if (s->kind == SK::EndF) {
                    if (wanted(SK::EndFor)) s->kind = SK::EndFor;
                    else if (wanted(SK::EndProc)) s->kind = SK::EndProc;
                }
                if (wanted(s->kind) || s->kind == SK::ProcStart) {
                    *found = s->kind;
                    return out;
                }
                throw NestingError{s->line, false};
            }
            ++i_;
            if ((s->kind == SK::Exit || s->kind == SK::Loop) && loops_ == 0) throw NestingError{s->line, false};
            Fold(s);
            if (s->kind != SK::Nop) out.push_back(s);
        }
        *found = SK::Nop;
        return out;
    }

private:
    void Close(const Stmt& opener, SK found, SK expected) {
        if (found != expected) throw NestingError{opener.line, found == SK::Nop};
        ++i_;
    }

    void Fold(const StmtP& s) {
        SK f;
        switch (s->kind) {
        case SK::If:
            s->body = Body({SK::Else, SK::EndIf}, &f);
            if (f == SK::Else) {
                ++i_;
                s->elseBody = Body({SK::EndIf}, &f);
            }
            Close(*s, f, SK::EndIf);
            break;
        case SK::DoCase: {
            s->kind = SK::Case;
            // Anything between DO CASE and the first CASE never runs.
            Body({SK::CaseClause, SK::Otherwise, SK::EndCase}, &f);
            while (f == SK::CaseClause) {
                StmtP c = Take();
                Block b = Body({SK::CaseClause, SK::Otherwise, SK::EndCase}, &f);
                s->cases.emplace_back(c, std::move(b));
            }
            if (f == SK::Otherwise) {
                ++i_;
                s->elseBody = Body({SK::EndCase}, &f);
                s->hasFinally = true;  // (marks an OTHERWISE)
            }
            Close(*s, f, SK::EndCase);
            break;
        }
        case SK::While:
            ++loops_;
            s->body = Body({SK::EndDo}, &f);
            --loops_;
            Close(*s, f, SK::EndDo);
            break;
        case SK::For:
        case SK::ForEach:
            ++loops_;
            s->body = Body({SK::EndFor}, &f);
            --loops_;
            Close(*s, f, SK::EndFor);
            break;
        case SK::Try:
            s->body = Body({SK::Catch, SK::Finally, SK::EndTry}, &f);
            while (f == SK::Catch) {
                StmtP c = Take();
                CatchClause cc;
                cc.var = c->word;
                cc.when = c->exprs.empty() ? nullptr : c->exprs[0];
                cc.line = c->line;
                cc.error = c->error;
                cc.errorText = c->errorText;
                cc.body = Body({SK::Catch, SK::Finally, SK::EndTry}, &f);
                s->catches.push_back(std::move(cc));
            }
            if (f == SK::Finally) {
                ++i_;
                s->hasFinally = true;
                s->finallyBody = Body({SK::EndTry}, &f);
            }
            Close(*s, f, SK::EndTry);
            break;
        default:
            break;
        }
    }

    static constexpr int kMaxBlockDepth = 256;

    std::vector<StmtP> lines_;
    std::size_t i_ = 0;
    int depth_ = 0;
    int loops_ = 0;  // loops open around the statement (EXIT and LOOP need one)
};

// Parameters a procedure accepts: its inline list, else its first
// PARAMETERS or LPARAMETERS statement (wherever it stands); 0 when it has none.
int Declared(const Block& body) {
    for (const StmtP& s : body) {
        if (s->kind == SK::Parameters) return static_cast<int>(s->names.size());
        for (const Block* inner : {&s->body, &s->elseBody, &s->finallyBody}) {
            int n = Declared(*inner);
            if (n) return n;
        }
        for (const auto& c : s->cases) {
            int n = Declared(c.second);
            if (n) return n;
        }
        for (const auto& c : s->catches) {
            int n = Declared(c.body);
            if (n) return n;
        }
    }
    return 0;
}

}  // namespace

CompileResult Compile(const std::string& text, Program* out, bool requireEndProc) {
    CompileResult r;
    std::vector<StmtP> lines;
    for (const SourceLine& l : SplitStatements(text)) lines.push_back(ParseStatement(l.text, l.line));
    Builder b(std::move(lines));
    try {
        SK f;
        out->main = b.Body({SK::ProcStart}, &f);
        out->mainDeclared = Declared(out->main);
        while (f == SK::ProcStart) {
            StmtP head = b.Take();
            auto proc = std::make_shared<Procedure>();
            proc->name = head->word;
            proc->program = out->name;
            proc->line = head->line;
            proc->inlineParams = head->names;
            proc->error = head->error;  // a PROCEDURE line that did not parse fails when called
            proc->errorText = head->errorText;
            proc->body = b.Body({SK::EndProc, SK::ProcStart}, &f);
            proc->declared = head->flag ? static_cast<int>(head->names.size()) : Declared(proc->body);
            if (f == SK::Nop && requireEndProc) throw NestingError{head->line, true};
            if (f == SK::EndProc) {
                b.Take();
                // Only comments may stand between ENDPROC and the next PROCEDURE.
                if (b.More() && b.Peek()->kind != SK::ProcStart) throw NestingError{b.Peek()->line, false};
                f = b.More() ? SK::ProcStart : SK::Nop;
            }
            out->procedures.emplace(proc->name, proc);  // the first of a name wins
            out->order.push_back(proc);
        }
    } catch (const NestingError& e) {
        r.ok = false;
        r.error = kErrNesting;
        r.line = e.line;
        r.incomplete = e.incomplete;
    }
    return r;
}


}  // namespace tarvo::run::lang
