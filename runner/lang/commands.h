// The command table: every command of the language is one row, with its
// verb, the parser that reads its statement into a payload of its own type,
// the executor that runs it, and the block it opens, continues or closes.
// The rows live beside their code, one table per topic (cmd_*.cpp); the
// lookup sees them as one table.
//
// A program may cut a verb to its first four letters or more (DIME, PROC);
// a cut that fits several verbs is none. A row with a second word (DO WHILE,
// SET LIBRARY) wins over the row of its verb alone when that word follows.
// Statements that start with no verb are matched by the parser itself and
// run rows of their own: "?", "??", "=" (an expression), "&" (a macro),
// "<assignment>" and "<call>" (a function called on its own).
#pragma once

#include <span>
#include <string>

#include "runner/lang/ast.h"
#include "runner/lang/expr.h"

namespace tarvo::run::lang {

class Interpreter;

// Where execution goes after a statement.
enum class Flow { Next, Exit, Loop, Return };

// How a command takes part in blocks (bits).
enum : unsigned {
    kOpens = 1,       // starts a block: IF, FOR, TRY ...
    kContinues = 2,   // starts another part of its open block: ELSE, CASE, CATCH ...
    kLastPart = 4,    // ... after which only the closing statement may come
    kCloses = 8,      // ends the block: ENDIF, ENDFOR ...
    kLoop = 16,       // the block is a loop (EXIT and LOOP stand in loops only)
    kInLoop = 32,     // stands only inside a loop
    kProcedure = 64,  // starts a procedure; ends the main program or the procedure before
    kLibrary = 128,   // chooses the library (a program that starts with it loads its own)
    kNotInTry = 256,  // may not stand inside TRY, CATCH or FINALLY (error 2060)
};

using ParseFn = void (*)(ExprParser& p, Stmt& s);
using ExecFn = Flow (*)(Interpreter& in, const Stmt& s);

struct Command {
    const char* verb;
    const char* second;  // the word that must follow the verb, or null
    ParseFn parse;       // reads what follows into the payload; null: the rest is ignored
    ExecFn exec;         // null: the statement does nothing when it runs
    const char* block;   // the block it opens, continues or closes ("FOR PROC": either)
    unsigned role;
};

// The command a statement's first words name: `first` and `next` are the
// first two words in upper case (`next` empty when none). Null when `first`
// is no verb; *second is set when the row took the second word.
const Command* FindCommand(const std::string& first, const std::string& next, bool* second);
// The row with exactly this verb and no second word (the rows of statements
// without a verb: "?", "<assignment>" ...).
const Command& CommandNamed(const char* verb);
// Every row, for checks of the table.
std::span<const Command* const> AllCommands();

// Parsers many rows share: nothing may follow the verb; the command is not
// available (error 1001).
void ParseEnd(ExprParser& p, Stmt& s);
void ParseUnavailable(ExprParser& p, Stmt& s);

// name [, name ...]: names as commands take them (written out, strings,
// (expressions) or macros).
std::vector<NameArg> NameList(ExprParser& p);

// True when the command continues or closes the block `block` names.
bool InBlock(const Command& c, const char* block);
inline unsigned RoleOf(const Stmt& s) { return s.command ? s.command->role : 0; }

// The tables of the topics.
std::span<const Command> FlowCommands();     // IF, DO CASE, DO WHILE, FOR, TRY ...
std::span<const Command> DataCommands();     // assignments, declarations, RELEASE
std::span<const Command> ProgramCommands();  // ?, DO, procedures, errors, libraries
std::span<const Command> SystemCommands();   // SET, WAIT, files and folders
std::span<const Command> EventCommands();    // READ EVENTS, CLEAR EVENTS, DOEVENTS
std::span<const Command> TableCommands();    // CREATE TABLE, USE, SELECT, APPEND BLANK, REPLACE, GO, SKIP ...
std::span<const Command> RecordCommands();   // INSERT INTO, SCATTER, GATHER, COPY TO ARRAY ...
std::span<const Command> ScanCommands();     // SCAN, LOCATE, CONTINUE, COUNT, SUM, INDEX, SET ORDER, SEEK
std::span<const Command> TextCommands();     // TEXT ... ENDTEXT, WITH ... ENDWITH
std::span<const Command> ProcedureCommands();  // SET PROCEDURE, RETRY, ASSERT, DISPLAY MEMORY
std::span<const Command> SettingCommands();  // SET POINT, SEPARATOR, MARK, PATH, ALTERNATE ...
std::span<const Command> DllCommands();      // CLEAR DLLS (DECLARE ... IN is the DECLARE row's)
std::span<const Command> ClassCommands();    // DEFINE CLASS ... ENDDEFINE and what a class body holds
std::span<const Command> WindowCommands();   // DEFINE WINDOW, ACTIVATE, HIDE, RELEASE WINDOWS

// The options the SET row takes (SET option ...); other SET commands are rows
// of their own.
std::span<const char* const> SetOptions();
// What the runner supports, from its tables: the commands, the functions
// and the SYS() numbers, as Markdown (tarvo-run --help-lists).
std::string SupportedLists();

// DECLARE: arrays (as DIMENSION), or a function of a Windows DLL
// (DECLARE [type] name IN library ...). The array form's parser and
// executor are the data commands'.
void ParseDeclare(ExprParser& p, Stmt& s);
Flow ExecDeclare(Interpreter& in, const Stmt& s);
void ParseArrayDeclaration(ExprParser& p, Stmt& s);
Flow ExecArrayDeclaration(Interpreter& in, const Stmt& s);

// Payloads other parts of the interpreter read.
struct ProcHead {           // PROCEDURE name [(a, b)]
    std::string name;
    bool inlineList = false;  // the parameters were listed on the line
    std::vector<std::string> params;
};
struct ParamList {          // PARAMETERS a, b / LPARAMETERS a, b
    std::vector<std::string> names;
    bool local = false;
};
struct ClassHead {          // DEFINE CLASS name AS parent [OF library]
    std::string name;       // upper case
    std::string written;
    std::string parent;     // upper case
};
// The target and value of an assignment statement; false for any other.
bool AssignmentParts(const Stmt& s, ExprP* target, ExprP* value);

// --- clauses many commands share -------------------------------------------
//
//   scope:  ALL | NEXT n | RECORD n | REST
//   FOR condition   WHILE condition   IN alias-or-work-area
//
// They may come in any order after what the command itself takes; each at
// most once.
enum : unsigned {
    kClauseScope = 1,
    kClauseFor = 2,
    kClauseWhile = 4,
    kClauseIn = 8,
};

struct Clauses {
    enum class Scope { None, All, Next, Record, Rest };
    Scope scope = Scope::None;
    ExprP count;       // NEXT n, RECORD n
    ExprP forCond;
    ExprP whileCond;
    NameArg in;        // IN alias (a name, a work area number or an expression)
    bool Has(unsigned clause) const;
};

// Reads the clauses in `allowed` while they come (a word that starts none
// ends them). A clause given twice is a syntax error (10).
Clauses ParseClauses(ExprParser& p, unsigned allowed);

}  // namespace tarvo::run::lang
