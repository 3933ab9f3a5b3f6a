// The parsed form of programs: expressions, statements, procedures.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runner/value.h"

namespace tarvo::run::lang {

enum class Op {
    Add, Sub, Mul, Div, Mod, Pow,
    Eq, ExactEq, Ne, Lt, Gt, Le, Ge, Contains,
    And, Or,
    Neg, Plus, Not,
};

enum class EK {
    Literal,  // value
    Name,     // a variable: name
    Call,     // name(args): an array element or a function call
    Index,    // name[args]: an array element
    Member,   // object.name (object in args[0])
    Unary,    // op args[0]
    Binary,   // args[0] op args[1]
    Ref,      // @name: a variable passed by reference
    Macro,    // &name: the text of the variable, evaluated as an expression
};

struct Expr;
using ExprP = std::shared_ptr<Expr>;

struct Expr {
    EK kind = EK::Literal;
    Op op = Op::Add;
    std::string name;     // upper case
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

// Something that can be assigned: a variable, an array element, a property.
struct Target {
    ExprP expr;  // Name, Call/Index (element) or Member
};

struct Decl {
    std::string name;
    std::vector<ExprP> dims;  // empty: not an array
};

enum class SK {
    Nop, Bad, Print, Assign, Store, Local, Private, Public, Dimension, Release, ReleaseAll,
    ReleaseLibrary, If, Case, While, For, ForEach, Exit, Loop, Return, Parameters, Do, Eval,
    Wait, SetLibrary, Set, Try, OnError, DoEvents, Quit, Cancel, RaiseError, Throw, Erase,
    ChangeDir, MakeDir, RemoveDir, Macro,
    // markers that the block builder folds into the statements above
    Else, EndIf, DoCase, CaseClause, Otherwise, EndCase, EndDo, EndFor, EndF, Catch, Finally,
    EndTry, ProcStart, EndProc,
};

struct Stmt;
using StmtP = std::shared_ptr<Stmt>;
using Block = std::vector<StmtP>;

struct CatchClause {
    std::string var;  // CATCH TO var
    ExprP when;
    Block body;
    int line = 0;
    int error = 0;  // the CATCH line did not parse
    std::string errorText;
};

struct Stmt {
    SK kind = SK::Nop;
    int line = 0;
    std::string source;
    int error = 0;             // the statement did not parse: the error it raises when run
    std::string errorText;

    bool flag = false;         // Print: ?? (no new line); Parameters: local; Wait: WINDOW; ...
    bool flag2 = false;        // Wait: NOWAIT; SetLibrary: ADDITIVE
    std::string word;          // Set: the option; OnError: the command; For: the variable; Catch: var
    std::vector<ExprP> exprs;  // Print: the values; If/While/Case: the condition; Return; Eval; ...
    std::vector<Target> targets;
    std::vector<Decl> decls;
    std::vector<std::string> names;
    std::vector<ExprP> args;   // Do ... WITH
    NameArg target;            // Do, SetLibrary, Erase, ChangeDir, ...
    ExprP timeout;             // Wait TIMEOUT n

    Block body;                // If (then), While, For, Try
    Block elseBody;            // If (else), Case (otherwise)
    std::vector<std::pair<StmtP, Block>> cases;  // Case: each CASE line and its statements
    std::vector<CatchClause> catches;
    Block finallyBody;
    bool hasFinally = false;
};

struct Procedure {
    std::string name;      // upper case
    std::string program;   // the program it belongs to
    int line = 0;
    std::vector<std::string> inlineParams;  // PROCEDURE name(a, b): local parameters
    int declared = 0;      // parameters it accepts
    Block body;
    int error = 0;         // its PROCEDURE line did not parse
    std::string errorText;
};
using ProcedureP = std::shared_ptr<Procedure>;

struct Program {
    std::string name;      // upper-case stem, as PROGRAM() answers it
    std::string path;
    Block main;
    int mainDeclared = 0;
    std::map<std::string, ProcedureP> procedures;
    std::vector<ProcedureP> order;
};

}  // namespace tarvo::run::lang
