// The parsed form of programs: expressions, statements, procedures.
#pragma once

#include <any>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runner/value.h"

namespace tarvo::run::lang {

// Orders names as std::string's < does, comparing them in line: names are
// short, and a call of the C runtime's memcmp costs more than comparing
// them (the interpreter compares names at every variable, function and
// procedure it looks up).
struct NameOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i)
            if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
        return a.size() < b.size();
    }
};

enum class Op {
    Add, Sub, Mul, Div, Mod, Pow,
    Eq, ExactEq, Ne, Lt, Gt, Le, Ge, Contains,
    And, Or,
    Neg, Plus, Not,
};

enum class EK {
    Literal,  // value
    Name,     // a variable or field: name (alias "M" for m.name and m->name)
    Field,    // alias->name: a field of the table open under that alias
    Call,     // name(args): an array element or a function call
    Index,    // name[args]: an array element
    Member,   // object.name (object in args[0]); also alias.name
    Method,   // object.name(args): a method call (object in args[0], its arguments after it)
    Unary,    // op args[0]
    Binary,   // args[0] op args[1]
    Ref,      // @name: a variable passed by reference (@alias.name: a field)
    Macro,    // &name: the text of the variable, evaluated as an expression
};

struct Expr;
using ExprP = std::shared_ptr<Expr>;

struct Expr {
    EK kind = EK::Literal;
    Op op = Op::Add;
    std::string name;     // upper case
    std::string alias;    // Name: "M" when written m.name; Field: the alias (upper case)
    std::string written;  // as written (for messages)
    Value value;
    std::vector<ExprP> args;
    bool parenthesized = false;  // (x): passed by value even by DO ... WITH
    int depth = 1;               // height of the tree below (evaluation recurses this deep)
};

// A name a command takes: written out (SET LIBRARY TO tarvo.fll), as a string
// or (expression), or as a macro (&name).
struct NameArg {
    bool present = false;
    std::string literal;
    ExprP expr;  // when not a literal
};

struct Decl {
    std::string name;
    std::vector<ExprP> dims;  // empty: not an array
};

// Statements. What a statement does is its command (commands.h); what the
// command read from the statement's text is its payload, of the command's
// own type. A block command (IF, FOR, TRY ...) holds its parts as sections:
// the first headed by the statement itself, the others by the statements
// that continue the block (ELSE, CASE, CATCH ...).
struct Command;
struct Stmt;
using StmtP = std::shared_ptr<Stmt>;
using Block = std::vector<StmtP>;

struct Section {
    StmtP head;
    Block body;
};

struct Stmt {
    const Command* command = nullptr;  // null: nothing to run (or only its error to raise)
    int line = 0;
    std::string source;
    int error = 0;             // the statement did not parse: the error it raises when run
    std::string errorText;
    std::string errorHint;     // what the report adds to it (ScriptError::hint)
    std::any payload;
    std::vector<Section> sections;

    // The payload as the command's own type (null when it has none).
    template <typename T>
    const T* Get() const { return std::any_cast<T>(&payload); }
    template <typename T>
    const T& As() const { return *std::any_cast<T>(&payload); }
};

struct Procedure {
    std::string name;      // upper case
    std::string program;   // the program it belongs to
    std::string file;      // the path of the program file it was read from
    int line = 0;
    std::vector<std::string> inlineParams;  // PROCEDURE name(a, b): local parameters
    int declared = 0;      // parameters it accepts
    Block body;
    int error = 0;         // its PROCEDURE line did not parse
    std::string errorText;
};
using ProcedureP = std::shared_ptr<Procedure>;

struct ClassDef;

struct Program {
    std::string name;      // upper-case stem, as PROGRAM() answers it
    std::string path;
    Block main;
    int mainDeclared = 0;
    std::map<std::string, ProcedureP, NameOrder> procedures;
    std::vector<ProcedureP> order;
    std::map<std::string, std::shared_ptr<const ClassDef>, NameOrder> classes;  // DEFINE CLASS
};

}  // namespace tarvo::run::lang
