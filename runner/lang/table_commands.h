// What the table commands and functions share (cmd_tables.cpp).
#pragma once

#include <functional>

#include "runner/lang/commands.h"

namespace tarvo::run::lang {

// Raises a table error with the text the tables gave it.
void CheckTable(Interpreter& in, int error);
// The work area a name argument means: a number (0: the lowest free one),
// an alias, or an expression giving either; absent: the current one.
int AreaOf(Interpreter& in, const NameArg& a);
// The work area a value means: a number (`zero` for 0) or an alias (error
// 13 when no table is open under it, 17 for a number out of range).
int AreaOfValue(Interpreter& in, const Value& v, int zero);
int Whole(Interpreter& in, const ExprP& e);
// A table a command names (INSERT INTO, SELECT ... FROM): written out up to
// a blank or a parenthesis, a string, (expression) or &macro.
NameArg TableName(ExprParser& p);
// The work area of such a table: the one open under that alias (or the
// file's base name), else the file opened in the lowest free work area
// (the current work area stays).
int TableArea(Interpreter& in, const NameArg& table);
// SELECT as a query (cmd_sql.cpp): true when the statement after the verb
// has a FROM outside parentheses.
bool IsQuery(ExprParser& p);
void ParseQuery(ExprParser& p, Stmt& s);
Flow ExecQuery(Interpreter& in, const Stmt& s);
// Walks the records the clauses choose in `area` (the scope, or
// `defaultScope` without one and without FOR, ALL with FOR), running `act`
// on each that passes FOR, until WHILE fails or the end of the table. The
// area is the current one while it runs. EXIT from `act` ends the walk.
Flow TableLoop(Interpreter& in, int area, const Clauses& c, Clauses::Scope defaultScope,
               const std::function<Flow()>& act);

}  // namespace tarvo::run::lang
