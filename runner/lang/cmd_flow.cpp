// Commands: the blocks that steer the program. IF, DO CASE, DO WHILE, FOR,
// FOR EACH, TRY, and EXIT, LOOP, RETURN.
#include <optional>

#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

struct ForLoop {
    std::string name;
    ExprP from, to, step;
};
struct ForEachLoop {
    std::string name;
    ExprP source;
};
struct CatchHead {
    std::string var;  // CATCH TO var
    ExprP when;
};

// --- parsers ---------------------------------------------------------------------

void ParseCondition(ExprParser& p, Stmt& s) {
    p.Relex(true);
    s.payload = p.Expression();
    p.ExpectEnd();
}

void ParseIf(ExprParser& p, Stmt& s) {
    p.Relex(true);
    s.payload = p.Expression();
    p.Word("THEN");
    p.ExpectEnd();
}

void ParseFor(ExprParser& p, Stmt& s) {
    p.Relex(true);
    ForLoop f;
    f.name = p.Name();
    p.Expect("=");
    f.from = p.Expression();
    if (!p.Word("TO")) p.Fail();
    f.to = p.Expression();
    if (p.Word("STEP")) f.step = p.Expression();
    p.ExpectEnd();
    s.payload = f;
}

void ParseForEach(ExprParser& p, Stmt& s) {
    ForEachLoop f;
    f.name = p.Name();
    if (!p.Word("IN")) p.Fail();
    f.source = p.Expression();
    p.Word("FOXOBJECT");
    p.ExpectEnd();
    s.payload = f;
}

void ParseReturn(ExprParser& p, Stmt& s) {
    p.Relex(true);
    if (p.cur().IsWord("TO")) Raise(kErrNotAvailable);
    s.payload = p.AtEnd() ? ExprP() : p.Expression();
    p.ExpectEnd();
}

void ParseCatch(ExprParser& p, Stmt& s) {
    CatchHead c;
    p.Relex(true);
    if (p.Word("TO")) c.var = p.Name();
    p.Relex(true);
    if (p.Word("WHEN")) c.when = p.Expression();
    p.ExpectEnd();
    s.payload = c;
}

// --- executors ---------------------------------------------------------------------

const Block kEmpty;

// The body of part `i` of a block (empty when the block has no such part).
const Block& Part(const Stmt& s, std::size_t i) { return i < s.sections.size() ? s.sections[i].body : kEmpty; }

// The frame's position is the loop's line again while its condition runs.
void AtLine(Interpreter& in, const Stmt& s) {
    in.frame().line = s.line;
    in.frame().stmt = &s;
    in.CheckInterrupt();  // even a loop with no statements can be interrupted
}

Flow ExecIf(Interpreter& in, const Stmt& s) {
    return in.Exec(Truth(in.Eval(*s.As<ExprP>())) ? Part(s, 0) : Part(s, 1));
}

// Parts after the first: CASE clauses, then OTHERWISE. What stands between
// DO CASE and the first CASE never runs.
Flow ExecCase(Interpreter& in, const Stmt& s) {
    for (std::size_t i = 1; i < s.sections.size(); ++i) {
        const Stmt& clause = *s.sections[i].head;
        if (clause.command->role & kLastPart) return in.Exec(s.sections[i].body);  // OTHERWISE
        AtLine(in, clause);
        if (clause.error) Raise(clause.error, clause.errorText);
        if (Truth(in.Eval(*clause.As<ExprP>()))) return in.Exec(s.sections[i].body);
    }
    return Flow::Next;
}

Flow ExecWhile(Interpreter& in, const Stmt& s) {
    for (;;) {
        AtLine(in, s);
        if (!Truth(in.Eval(*s.As<ExprP>()))) return Flow::Next;
        Flow f = in.Exec(Part(s, 0));
        if (f == Flow::Exit) return Flow::Next;
        if (f == Flow::Return) return f;
    }
}

// The loop variable is read back every round: the body may change it.
Value LoopValue(Interpreter& in, const std::string& name) {
    VarP v = in.FindVariable(name);
    Value now = v ? v->scalar() : Value();
    if (!IsNumber(now)) Raise(kErrDataType);
    return now;
}

Flow ExecFor(Interpreter& in, const Stmt& s) {
    const ForLoop& f = s.As<ForLoop>();
    Value from = in.Eval(*f.from);
    Value to = in.Eval(*f.to);
    Value step = f.step ? in.Eval(*f.step) : Value::Num(1, 0);
    if (!IsNumber(from) || !IsNumber(to) || !IsNumber(step)) Raise(kErrDataType);
    double end = to.asNumber(), by = step.asNumber();
    in.AssignName(f.name, from);
    for (;;) {
        AtLine(in, s);
        Value now = LoopValue(in, f.name);
        if (by >= 0 ? now.asNumber() > end : now.asNumber() < end) return Flow::Next;
        Flow flow = in.Exec(Part(s, 0));
        if (flow == Flow::Exit) return Flow::Next;
        if (flow == Flow::Return) return flow;
        AtLine(in, s);
        in.AssignName(f.name, Arithmetic(Op::Add, LoopValue(in, f.name), step, in.settings()));
    }
}

Flow ExecForEach(Interpreter& in, const Stmt& s) {
    const ForEachLoop& f = s.As<ForEachLoop>();
    const Expr& src = *f.source;
    VarP arr = src.kind == EK::Name ? in.FindVariable(src.name) : nullptr;
    std::vector<Value> items;
    if (arr && arr->isArray) {
        items = arr->items;
    } else {
        // A collection: its items as they stand when the loop starts.
        const Value v = arr ? arr->value : in.Eval(src);
        const Object* o = in.GetObject(v);
        if (!o || o->base != BaseClass::Collection)
            Raise(kErrNotArray, "'" + UpperAscii(src.written) + "' is not an array.");
        items = o->items;
    }
    for (const Value& item : items) {
        AtLine(in, s);
        in.AssignName(f.name, item);
        Flow flow = in.Exec(Part(s, 0));
        if (flow == Flow::Exit) return Flow::Next;
        if (flow == Flow::Return) return flow;
    }
    return Flow::Next;
}

Flow ExecExit(Interpreter&, const Stmt&) { return Flow::Exit; }
Flow ExecLoop(Interpreter&, const Stmt&) { return Flow::Loop; }

Flow ExecReturn(Interpreter& in, const Stmt& s) {
    const ExprP& value = s.As<ExprP>();
    in.frame().result = value ? in.Eval(*value) : Value::Logical(true);
    return Flow::Return;
}

// TRY runs its body; an error in it goes to the first CATCH that takes it
// (TO var gets the Exception, WHEN must hold). FINALLY runs in any case,
// then an error no CATCH took (or one raised in a CATCH) goes on.
Flow ExecTry(Interpreter& in, const Stmt& s) {
    Flow flow = Flow::Next;
    std::optional<ScriptError> pending;
    try {
        Interpreter::Trying t(in);
        flow = in.Exec(Part(s, 0));
    } catch (ScriptError& e) {
        in.Complete(e);
        try {
            bool handled = false;
            for (std::size_t i = 1; i < s.sections.size() && !handled; ++i) {
                const Stmt& head = *s.sections[i].head;
                if (head.command->role & kLastPart) break;  // FINALLY
                in.frame().line = head.line;
                if (head.error) Raise(head.error, head.errorText);
                const CatchHead& c = head.As<CatchHead>();
                if (!c.var.empty()) in.AssignName(c.var, in.MakeException(e));
                if (c.when && !Truth(in.Eval(*c.when))) continue;
                handled = true;
                Interpreter::Catching catching(in, e);
                flow = in.Exec(s.sections[i].body);
            }
            if (!handled) pending = e;
        } catch (ScriptError& inner) {
            in.Complete(inner);
            pending = inner;
        }
    }
    const Section& last = s.sections.back();
    if (s.sections.size() > 1 && (last.head->command->role & kLastPart)) {
        Flow f = in.Exec(last.body);
        if (f != Flow::Next) flow = f;
    }
    if (pending) throw *pending;
    return flow;
}

const Command kCommands[] = {
    {"IF", nullptr, ParseIf, ExecIf, "IF", kOpens},
    {"ELSE", nullptr, nullptr, nullptr, "IF", kContinues | kLastPart},
    {"ENDIF", nullptr, nullptr, nullptr, "IF", kCloses},
    {"DO", "CASE", ParseEnd, ExecCase, "CASE", kOpens},
    {"CASE", nullptr, ParseCondition, nullptr, "CASE", kContinues},
    {"OTHERWISE", nullptr, nullptr, nullptr, "CASE", kContinues | kLastPart},
    {"ENDCASE", nullptr, nullptr, nullptr, "CASE", kCloses},
    {"DO", "WHILE", ParseCondition, ExecWhile, "DO", kOpens | kLoop},
    {"ENDDO", nullptr, nullptr, nullptr, "DO", kCloses},
    {"FOR", "EACH", ParseForEach, ExecForEach, "FOR", kOpens | kLoop},
    {"FOR", nullptr, ParseFor, ExecFor, "FOR", kOpens | kLoop},
    {"ENDFOR", nullptr, nullptr, nullptr, "FOR", kCloses},
    {"NEXT", nullptr, nullptr, nullptr, "FOR", kCloses},
    {"ENDF", nullptr, nullptr, nullptr, "FOR PROC", kCloses},  // ENDFOR or ENDFUNC, by context
    {"EXIT", nullptr, ParseEnd, ExecExit, nullptr, kInLoop},
    {"LOOP", nullptr, ParseEnd, ExecLoop, nullptr, kInLoop},
    {"RETURN", nullptr, ParseReturn, ExecReturn, nullptr, kNotInTry},
    {"TRY", nullptr, nullptr, ExecTry, "TRY", kOpens},
    {"CATCH", nullptr, ParseCatch, nullptr, "TRY", kContinues},
    {"FINALLY", nullptr, nullptr, nullptr, "TRY", kContinues | kLastPart},
    {"ENDTRY", nullptr, nullptr, nullptr, "TRY", kCloses},
};

}  // namespace

std::span<const Command> FlowCommands() { return kCommands; }

}  // namespace tarvo::run::lang
