// The expression parser, and the token cursor the statement parser shares.
//
// Precedence, tightest first, as the host ranks its operators:
//   ( )  and a sign (-2^2 is 4)
//   ^ **                     left to right
//   * /
//   %
//   + -
//   = == <> # != < > <= >= $ left to right
//   NOT !
//   AND
//   OR
#pragma once

#include <string>
#include <vector>

#include "runner/lang/ast.h"
#include "runner/lang/lexer.h"

namespace tarvo::run::lang {

// The hidden variable that holds the object of WITH ... ENDWITH (.name
// reads its property).
inline constexpr const char* kWithObject = " WITH";

// A word matches a keyword written out in full or cut to four letters or more.
bool KeyIs(const std::string& word, const char* kw);

class ExprParser {
public:
    explicit ExprParser(const std::string& text);

    const Token& cur() const { return cur_; }
    bool AtEnd() const { return cur_.kind == Tok::End; }
    const std::string& text() const { return s_; }

    // Consumes the current token; the next one is read as an operand unless
    // the consumed one ended an operand.
    void Next();
    // Reads the current token again, as an operand or not (after keywords).
    void Relex(bool operand) { cur_ = ReadToken(s_, cur_.pos, operand); }
    void Rewind(std::size_t pos) { cur_ = ReadToken(s_, pos, true); }

    void Expect(const char* op);
    [[noreturn]] void Fail();
    void ExpectEnd();
    // Consumes the keyword `kw` (or its abbreviation) if it comes next.
    bool Word(const char* kw);
    std::string Name();
    // The rest of the text from the current token on.
    std::string Rest() const;

    ExprP Expression() { return OrExpr(); }
    // name, name(args), name[args], m.name, and .member after any of them.
    ExprP Postfix();
    ExprP Primary();
    ExprP MemberOf(const ExprP& object);
    // A name a command takes: "(expr)", a string, "&macro", or the written-out
    // characters up to the next blank (or comma when `commaEnds`).
    NameArg NameArgument(bool commaEnds = false);
    // Name [(dims) | [dims]] [AS type [OF library]]
    Decl Declaration(bool arrayRequired);
    void SkipAsClause();
    // name [AS type], ... (none at the end of the text)
    std::vector<std::string> NameList();

private:
    struct Depth {
        ExprParser& p;
        explicit Depth(ExprParser& parser);
        ~Depth() { --p.depth_; }
    };

    static ExprP Node(EK kind, Op op, std::vector<ExprP> args);
    static ExprP Binary(Op op, ExprP l, ExprP r) { return Node(EK::Binary, op, {std::move(l), std::move(r)}); }
    bool IsWordOp(const char* w) const {
        return (cur_.kind == Tok::Ident && cur_.text == w) || cur_.Is(Tok::Op, w);
    }

    ExprP OrExpr();
    ExprP AndExpr();
    ExprP NotExpr();
    ExprP Comparison();
    ExprP Additive();
    ExprP Modulus();
    ExprP Multiplicative();
    ExprP Power();
    ExprP Unary();
    std::vector<ExprP> Arguments(const char* close);
    ExprP Cast(const ExprP& name);

    std::string s_;
    Token cur_;
    int depth_ = 0;
};

}  // namespace tarvo::run::lang
