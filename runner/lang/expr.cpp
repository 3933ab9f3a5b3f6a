// The expression parser.
#include "runner/lang/expr.h"

#include <algorithm>
#include <cstring>

#include "runner/lang/errors.h"
#include "runner/lang/parser.h"

namespace tarvo::run::lang {
namespace {

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    std::size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

}  // namespace

void Raise(int number, const std::string& message) {
    ScriptError e;
    e.number = number;
    e.message = message;
    throw e;
}

void RaiseWithHint(int number, const std::string& message, const std::string& hint) {
    ScriptError e;
    e.number = number;
    e.message = message;
    e.hint = hint;
    throw e;
}

bool KeyIs(const std::string& word, const char* kw) {
    std::size_t n = word.size(), k = std::strlen(kw);
    if (n == k) return word == kw;
    return n >= 4 && n < k && std::strncmp(kw, word.c_str(), n) == 0;
}

ExprParser::ExprParser(const std::string& text) : s_(text) { cur_ = ReadToken(s_, 0, true); }

ExprParser::Depth::Depth(ExprParser& parser) : p(parser) {
    if (++p.depth_ > kMaxExpressionDepth) {
        --p.depth_;
        Raise(kErrStack);
    }
}

void ExprParser::Next() {
    bool operand = true;
    switch (cur_.kind) {
    case Tok::Ident:
        operand = cur_.text == "AND" || cur_.text == "OR" || cur_.text == "NOT";
        break;
    case Tok::Number:
    case Tok::String:
    case Tok::Literal:
        operand = false;
        break;
    case Tok::Op:
        operand = !(cur_.text == ")" || cur_.text == "]");
        break;
    default:
        break;
    }
    cur_ = ReadToken(s_, cur_.end, operand);
}

void ExprParser::Expect(const char* op) {
    if (!cur_.IsOp(op)) Fail();
    Next();
}

void ExprParser::Fail() {
    if (cur_.kind == Tok::Bad) Raise(cur_.error);
    Raise(kErrSyntax);
}

void ExprParser::ExpectEnd() {
    if (cur_.kind == Tok::Bad) Raise(cur_.error);
    if (!AtEnd()) Raise(kErrPhrase);
}

bool ExprParser::Word(const char* kw) {
    if (cur_.kind == Tok::Ident && KeyIs(cur_.text, kw)) {
        Next();
        Relex(true);
        return true;
    }
    return false;
}

std::string ExprParser::Name() {
    if (cur_.kind != Tok::Ident) Fail();
    std::string n = cur_.text;
    Next();
    return n;
}

std::string ExprParser::Rest() const { return Trimmed(s_.substr(std::min(cur_.pos, s_.size()))); }

NameArg ExprParser::NameArgument(bool commaEnds) {
    NameArg a;
    if (AtEnd()) return a;
    a.present = true;
    if (cur_.IsOp("(")) {
        a.expr = Primary();
        return a;
    }
    if (cur_.kind == Tok::String) {
        a.literal = cur_.text;
        Next();
        return a;
    }
    if (cur_.IsOp("&")) {
        Next();
        if (cur_.kind != Tok::Ident) Fail();
        auto e = std::make_shared<Expr>();
        e->kind = EK::Macro;
        e->name = cur_.text;
        e->written = cur_.raw;
        Next();
        if (cur_.IsOp(".")) Next();
        a.expr = e;
        return a;
    }
    std::size_t i = cur_.pos;
    while (i < s_.size() && s_[i] != ' ' && s_[i] != '\t' && !(commaEnds && s_[i] == ','))
        ++i;
    a.literal = s_.substr(cur_.pos, i - cur_.pos);
    cur_ = ReadToken(s_, i, false);
    return a;
}

Decl ExprParser::Declaration(bool arrayRequired) {
    Decl d;
    d.name = Name();
    if (cur_.IsOp("(") || cur_.IsOp("[")) {
        std::string close = cur_.IsOp("(") ? ")" : "]";
        Next();
        d.dims.push_back(Expression());
        if (cur_.IsOp(",")) {
            Next();
            d.dims.push_back(Expression());
        }
        Expect(close.c_str());
    } else if (arrayRequired) {
        Fail();
    }
    SkipAsClause();
    return d;
}

void ExprParser::SkipAsClause() {
    if (cur_.IsWord("AS")) {
        Next();
        Name();
        if (cur_.IsWord("OF")) {
            Next();
            NameArgument(true);
        }
    }
}

std::vector<std::string> ExprParser::NameList() {
    std::vector<std::string> names;
    if (AtEnd()) return names;
    for (;;) {
        names.push_back(Name());
        SkipAsClause();
        if (!cur_.IsOp(",")) break;
        Next();
    }
    return names;
}

ExprP ExprParser::Node(EK kind, Op op, std::vector<ExprP> args) {
    auto e = std::make_shared<Expr>();
    e->kind = kind;
    e->op = op;
    int depth = 0;
    for (const ExprP& a : args) depth = std::max(depth, a->depth);
    e->depth = depth + 1;
    if (e->depth > kMaxExpressionDepth) Raise(kErrStack);
    e->args = std::move(args);
    return e;
}

ExprP ExprParser::OrExpr() {
    ExprP l = AndExpr();
    while (IsWordOp("OR")) {
        Next();
        Relex(true);
        l = Binary(Op::Or, l, AndExpr());
    }
    return l;
}

ExprP ExprParser::AndExpr() {
    ExprP l = NotExpr();
    while (IsWordOp("AND")) {
        Next();
        Relex(true);
        l = Binary(Op::And, l, NotExpr());
    }
    return l;
}

ExprP ExprParser::NotExpr() {
    if (IsWordOp("NOT") || cur_.IsOp("!")) {
        Depth d(*this);
        Next();
        Relex(true);
        return Node(EK::Unary, Op::Not, {NotExpr()});
    }
    return Comparison();
}

ExprP ExprParser::Comparison() {
    ExprP l = Additive();
    for (;;) {
        Op op;
        if (cur_.IsOp("=")) op = Op::Eq;
        else if (cur_.IsOp("==")) op = Op::ExactEq;
        else if (cur_.IsOp("<>") || cur_.IsOp("#") || cur_.IsOp("!=")) op = Op::Ne;
        else if (cur_.IsOp("<")) op = Op::Lt;
        else if (cur_.IsOp(">")) op = Op::Gt;
        else if (cur_.IsOp("<=")) op = Op::Le;
        else if (cur_.IsOp(">=")) op = Op::Ge;
        else if (cur_.IsOp("$")) op = Op::Contains;
        else return l;
        Next();
        l = Binary(op, l, Additive());
    }
}

ExprP ExprParser::Additive() {
    ExprP l = Modulus();
    for (;;) {
        Op op;
        if (cur_.IsOp("+")) op = Op::Add;
        else if (cur_.IsOp("-")) op = Op::Sub;
        else return l;
        Next();
        l = Binary(op, l, Modulus());
    }
}

// The host ranks % below * and /.
ExprP ExprParser::Modulus() {
    ExprP l = Multiplicative();
    while (cur_.IsOp("%")) {
        Next();
        l = Binary(Op::Mod, l, Multiplicative());
    }
    return l;
}

ExprP ExprParser::Multiplicative() {
    ExprP l = Power();
    for (;;) {
        Op op;
        if (cur_.IsOp("*")) op = Op::Mul;
        else if (cur_.IsOp("/")) op = Op::Div;
        else return l;
        Next();
        l = Binary(op, l, Power());
    }
}

ExprP ExprParser::Power() {
    ExprP l = Unary();
    while (cur_.IsOp("^")) {
        Next();
        l = Binary(Op::Pow, l, Unary());
    }
    return l;
}

// A sign binds tighter than any operator: -2^2 is 4.
ExprP ExprParser::Unary() {
    if (cur_.IsOp("-") || cur_.IsOp("+")) {
        Depth d(*this);
        Op op = cur_.IsOp("-") ? Op::Neg : Op::Plus;
        Next();
        return Node(EK::Unary, op, {Unary()});
    }
    return Postfix();
}

std::vector<ExprP> ExprParser::Arguments(const char* close) {
    std::vector<ExprP> args;
    if (cur_.IsOp(close)) {
        Next();
        return args;
    }
    for (;;) {
        args.push_back(Expression());
        if (cur_.IsOp(",")) {
            Next();
            continue;
        }
        Expect(close);
        return args;
    }
}

ExprP ExprParser::Primary() {
    Depth d(*this);
    auto e = std::make_shared<Expr>();
    switch (cur_.kind) {
    case Tok::Number:
        e->value = Value::Num(cur_.number, cur_.decimals);
        Next();
        return e;
    case Tok::String:
        e->value = Value::Char(cur_.text);
        Next();
        return e;
    case Tok::Literal:
        e->value = cur_.value;
        Next();
        return e;
    case Tok::Ident:
        return Postfix();
    case Tok::Op:
        if (cur_.IsOp("(")) {
            Next();
            ExprP inner = Expression();
            Expect(")");
            inner->parenthesized = true;
            return inner;
        }
        if (cur_.IsOp("@")) {
            Next();
            if (cur_.kind != Tok::Ident) Fail();
            e->kind = EK::Ref;
            e->written = cur_.raw;
            e->name = cur_.text;
            Next();
            // @m.name and @m->name: a memory variable; @alias.name and
            // @alias->name: a field of the table open under that alias.
            const bool arrow = cur_.IsOp("-") && cur_.end < s_.size() && s_[cur_.end] == '>';
            if (cur_.IsOp(".") || arrow) {
                if (arrow) cur_ = ReadToken(s_, cur_.end + 1, true);
                else Next();
                if (cur_.kind != Tok::Ident) Fail();
                e->alias = e->name;
                e->written = cur_.raw;
                e->name = cur_.text;
                Next();
            }
            return e;
        }
        if (cur_.IsOp(".")) {
            // .name inside WITH ... ENDWITH: a property of the WITH object.
            e->kind = EK::Name;
            e->name = kWithObject;
            e->written = "WITH";
            while (cur_.IsOp(".")) e = MemberOf(e);
            return e;
        }
        if (cur_.IsOp("&")) {
            Next();
            if (cur_.kind != Tok::Ident) Fail();
            e->kind = EK::Macro;
            e->written = cur_.raw;
            e->name = cur_.text;
            Next();
            if (cur_.IsOp(".")) Next();  // the macro's closing full stop
            return e;
        }
        Fail();
    default:
        Fail();
    }
}

// A name and what may follow it: m.name, m->name and alias->name qualify it;
// (args) and [args] make it a call or an element; .member may follow.
ExprP ExprParser::Postfix() {
    Depth d(*this);
    if (cur_.kind != Tok::Ident) return Primary();
    auto e = std::make_shared<Expr>();
    e->kind = EK::Name;
    e->written = cur_.raw;
    e->name = cur_.text;
    Next();
    if (cur_.IsOp("-") && cur_.end < s_.size() && s_[cur_.end] == '>') {
        cur_ = ReadToken(s_, cur_.end + 1, true);
        if (cur_.kind != Tok::Ident) Fail();
        if (e->name == "M") {
            e->alias.assign(1, 'M');  // memory variables only
        } else {
            e->kind = EK::Field;
            e->alias = e->name;
        }
        e->written = cur_.raw;
        e->name = cur_.text;
        Next();
    } else if (e->name == "M" && cur_.IsOp(".")) {
        Token save = cur_;
        Next();
        if (cur_.kind == Tok::Ident) {
            e->alias.assign(1, 'M');  // memory variables only
            e->written = cur_.raw;
            e->name = cur_.text;
            Next();
        } else {
            cur_ = save;
        }
    }
    if (e->kind == EK::Name && e->name == "CAST" && e->alias.empty() && cur_.IsOp("(")) return Cast(e);
    if (e->kind == EK::Name && (cur_.IsOp("(") || cur_.IsOp("["))) {
        bool paren = cur_.IsOp("(");
        Next();
        std::vector<ExprP> args = Arguments(paren ? ")" : "]");
        ExprP call = Node(paren ? EK::Call : EK::Index, Op::Add, std::move(args));
        call->name = e->name;
        call->alias = e->alias;
        call->written = e->written;
        e = call;
    }
    while (cur_.IsOp(".")) e = MemberOf(e);
    return e;
}

// .name after an object: a property, or with (args) a method call.
ExprP ExprParser::MemberOf(const ExprP& object) {
    Next();
    if (cur_.kind != Tok::Ident) Fail();
    ExprP m = Node(EK::Member, Op::Add, {object});
    m->name = cur_.text;
    m->written = cur_.raw;
    Next();
    if (cur_.IsOp("(")) {
        Next();
        m->kind = EK::Method;
        for (ExprP& a : Arguments(")")) m->args.push_back(std::move(a));
    }
    return m;
}

// CAST(value AS type [(width [, decimals])] [NULL | NOT NULL]): a call of
// CAST with the type's name, width and decimals as arguments.
ExprP ExprParser::Cast(const ExprP& name) {
    Next();
    std::vector<ExprP> args{Expression()};
    if (!cur_.IsWord("AS")) Fail();
    Next();
    auto literal = [](Value v) {
        auto l = std::make_shared<Expr>();
        l->value = std::move(v);
        return l;
    };
    args.push_back(literal(Value::Char(Name())));
    if (cur_.IsOp("(")) {
        Next();
        args.push_back(Expression());
        if (cur_.IsOp(",")) {
            Next();
            args.push_back(Expression());
        }
        Expect(")");
    }
    if (cur_.IsWord("NOT")) Next();
    if (cur_.IsWord("NULL")) Next();
    Expect(")");
    ExprP call = Node(EK::Call, Op::Add, std::move(args));
    call->name = name->name;
    call->written = name->written;
    return call;
}

ExprP ParseExpression(const std::string& text) {
    ExprParser p(text);
    if (p.AtEnd()) Raise(kErrSyntax);
    ExprP e = p.Expression();
    if (!p.AtEnd()) p.Fail();
    return e;
}

}  // namespace tarvo::run::lang
