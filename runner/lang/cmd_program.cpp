// Commands: output, expressions and macros, procedures and DO, errors,
// QUIT, and the library.
#include <algorithm>
#include <cmath>

#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

// One expression of ? and ??, with its PICTURE, FUNCTION and AT clauses.
struct PrintItem {
    ExprP value, picture, function, at;
};
struct Print {
    bool sameLine;  // ?? (no new line first)
    std::vector<PrintItem> items;
};
struct DoCall {
    NameArg target;
    NameArg in;  // DO name IN file
    std::vector<ExprP> args;
};
struct OnError {
    std::string command;
};

// --- parsers ---------------------------------------------------------------------

std::vector<ExprP> ExpressionList(ExprParser& p) {
    std::vector<ExprP> out;
    p.Relex(true);
    if (p.AtEnd()) return out;
    for (;;) {
        out.push_back(p.Expression());
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    return out;
}

void ParsePrint(ExprParser& p, Stmt& s, bool sameLine) {
    Print pr{sameLine, {}};
    p.Relex(true);
    while (!p.AtEnd()) {
        PrintItem item{p.Expression(), nullptr, nullptr, nullptr};
        for (;;) {
            p.Relex(true);
            ExprP* clause = p.Word("PICTURE") ? &item.picture : p.Word("FUNCTION") ? &item.function
                          : p.cur().IsWord("AT") ? &item.at : nullptr;
            if (!clause) break;
            if (clause == &item.at) p.Next();
            if (*clause) p.Fail();
            *clause = p.Expression();
        }
        pr.items.push_back(item);
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    s.payload = pr;
    p.ExpectEnd();
}
void ParseNewLinePrint(ExprParser& p, Stmt& s) { ParsePrint(p, s, false); }
void ParseSameLinePrint(ExprParser& p, Stmt& s) { ParsePrint(p, s, true); }

void ParseExpression(ExprParser& p, Stmt& s) {
    s.payload = p.Expression();
    p.ExpectEnd();
}

// A function called on its own: f(x), nothing else.
void ParseCall(ExprParser& p, Stmt& s) {
    ExprP e = p.Expression();
    // object.method alone calls the method without arguments.
    if (e->kind == EK::Member && !e->parenthesized) e->kind = EK::Method;
    if ((e->kind != EK::Call && e->kind != EK::Method) || e->parenthesized) Raise(kErrUnknownVerb);
    p.ExpectEnd();
    s.payload = e;
}

void ParseMacro(ExprParser& p, Stmt&) {
    if (p.cur().kind != Tok::Ident) p.Fail();
}

void ParseDo(ExprParser& p, Stmt& s) {
    DoCall d;
    p.Relex(true);
    if (p.AtEnd()) p.Fail();
    d.target = p.NameArgument();
    p.Relex(true);
    if (p.Word("IN")) {
        d.in = p.NameArgument();
        if (!d.in.present) p.Fail();
        p.Relex(true);
    }
    if (p.Word("WITH")) {
        for (;;) {
            d.args.push_back(p.Expression());
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
    }
    p.ExpectEnd();
    s.payload = d;
}

void ParseProcedure(ExprParser& p, Stmt& s) {
    ProcHead h;
    h.name = p.Name();
    if (p.cur().IsOp("(")) {
        h.inlineList = true;
        p.Next();
        if (!p.cur().IsOp(")")) h.params = p.NameList();
        p.Expect(")");
    }
    p.SkipAsClause();
    p.ExpectEnd();
    s.payload = h;
}

void ParseOnError(ExprParser& p, Stmt& s) { s.payload = OnError{p.Rest()}; }
void ParseError(ExprParser& p, Stmt& s) {
    std::vector<ExprP> values = ExpressionList(p);
    if (values.empty()) p.Fail();
    p.ExpectEnd();
    s.payload = values[0];
}

void ParseOptionalExpression(ExprParser& p, Stmt& s) {
    p.Relex(true);
    s.payload = p.AtEnd() ? ExprP() : p.Expression();
    p.ExpectEnd();
}

void ParseSetLibrary(ExprParser& p, Stmt& s) {
    if (!p.Word("TO")) p.Fail();
    s.payload = p.NameArgument();
    p.Word("ADDITIVE");
    p.ExpectEnd();
}

void ParseReleaseLibrary(ExprParser& p, Stmt& s) {
    s.payload = p.NameArgument();
    p.ExpectEnd();
}

// --- executors ---------------------------------------------------------------------

Flow ExecPrint(Interpreter& in, const Stmt& s) {
    const Print& pr = s.As<Print>();
    std::string text;
    auto textOf = [&](const ExprP& e) {
        Value v = in.Eval(*e);
        if (!IsText(v)) Raise(kErrDataType);
        return v.text;
    };
    for (std::size_t i = 0; i < pr.items.size(); ++i) {
        const PrintItem& item = pr.items[i];
        Value v = in.Eval(*item.value);
        // AT n: the value starts in column n (from 0) of what this command writes.
        if (item.at) {
            Value at = in.Eval(*item.at);
            if (!IsNumber(at) || at.asNumber() < 0) Raise(kErrArgument);
            std::size_t column = static_cast<std::size_t>(std::min(at.asNumber(), 1024.0));
            if (text.size() < column) text.resize(column, ' ');
        } else if (i) {
            text += ' ';
        }
        if (item.picture || item.function) {
            // FUNCTION codes and a PICTURE, as TRANSFORM takes them.
            std::string format = item.picture ? textOf(item.picture) : "";
            if (item.function) {
                std::string codes = textOf(item.function);
                if (!codes.empty() && codes[0] == '@') codes.erase(0, 1);
                format = "@" + codes + (format.empty() ? "" : " " + format);
            }
            text += Transformed(v, format, in.settings());
        } else {
            text += PrintForm(v, in.settings());
        }
    }
    if (!pr.sameLine) in.NewLine();
    in.Write(text);
    return Flow::Next;
}

Flow ExecExpression(Interpreter& in, const Stmt& s) {
    in.Eval(*s.As<ExprP>());
    return Flow::Next;
}

Flow ExecMacro(Interpreter& in, const Stmt& s) {
    in.RunCommandText(in.Substitute(s.source));
    return Flow::Next;
}

Flow ExecDo(Interpreter& in, const Stmt& s) {
    const DoCall& d = s.As<DoCall>();
    if (d.in.present) in.DoIn(d.target, d.in, d.args);
    else in.Do(d.target, d.args);
    return Flow::Next;
}

Flow ExecOnError(Interpreter& in, const Stmt& s) {
    in.SetOnError(s.As<OnError>().command);
    return Flow::Next;
}

// ERROR n raises the host error n; ERROR "text" raises 1098 with that text.
Flow ExecError(Interpreter& in, const Stmt& s) {
    Value v = in.Eval(*s.As<ExprP>());
    if (IsNumber(v)) {
        double n = std::trunc(v.asNumber());
        if (n < 1 || n > 99999) Raise(kErrArgument);
        Raise(static_cast<int>(n));
    }
    if (IsText(v)) Raise(kErrUser, v.text);
    Raise(kErrArgument);
}

// THROW value raises 2071 carrying the value; THROW alone inside a CATCH
// raises the caught error again.
Flow ExecThrow(Interpreter& in, const Stmt& s) {
    const ExprP& value = s.As<ExprP>();
    if (!value && in.catching()) throw ScriptError(*in.catching());
    ScriptError e;
    e.number = kErrThrown;
    e.message = ErrorText(kErrThrown);
    e.userValue = value ? in.Eval(*value) : Value::Char("");
    throw e;
}

Flow ExecQuit(Interpreter&, const Stmt&) { throw QuitSignal{}; }

Flow ExecSetLibrary(Interpreter& in, const Stmt& s) {
    in.SetLibrary(s.As<NameArg>());
    return Flow::Next;
}

Flow ExecReleaseLibrary(Interpreter& in, const Stmt& s) {
    in.ReleaseLibrary(s.As<NameArg>());
    return Flow::Next;
}

const Command kCommands[] = {
    {"?", nullptr, ParseNewLinePrint, ExecPrint, nullptr, 0},
    {"??", nullptr, ParseSameLinePrint, ExecPrint, nullptr, 0},
    {"=", nullptr, ParseExpression, ExecExpression, nullptr, 0},
    {"<call>", nullptr, ParseCall, ExecExpression, nullptr, 0},
    {"&", nullptr, ParseMacro, ExecMacro, nullptr, 0},
    {"DO", nullptr, ParseDo, ExecDo, nullptr, 0},
    {"PROCEDURE", nullptr, ParseProcedure, nullptr, "PROC", kProcedure},
    {"FUNCTION", nullptr, ParseProcedure, nullptr, "PROC", kProcedure},
    {"ENDPROC", nullptr, nullptr, nullptr, "PROC", kCloses},
    {"ENDFUNC", nullptr, nullptr, nullptr, "PROC", kCloses},
    {"ON", "ERROR", ParseOnError, ExecOnError, nullptr, 0},
    {"ON", nullptr, ParseUnavailable, nullptr, nullptr, 0},
    {"ERROR", nullptr, ParseError, ExecError, nullptr, 0},
    {"THROW", nullptr, ParseOptionalExpression, ExecThrow, nullptr, 0},
    {"QUIT", nullptr, ParseEnd, ExecQuit, nullptr, 0},
    {"CANCEL", nullptr, ParseEnd, ExecQuit, nullptr, 0},
    {"SET", "LIBRARY", ParseSetLibrary, ExecSetLibrary, nullptr, kLibrary},
    {"RELEASE", "LIBRARY", ParseReleaseLibrary, ExecReleaseLibrary, nullptr, kLibrary},
    {"NOTE", nullptr, nullptr, nullptr, nullptr, 0},
};

}  // namespace

std::span<const Command> ProgramCommands() { return kCommands; }

}  // namespace tarvo::run::lang
