// From program text to the parsed form.
//
// A program is read in three steps: physical lines become statements (comments
// removed, lines ending in ';' joined to the next), each statement is parsed
// on its own, and the block builder pairs IF with ENDIF and so on and splits
// the procedures off the main program. A statement that does not parse
// becomes one that raises its error when it runs, as the host compiles a bad
// line; blocks that do not pair up stop the whole program (a nesting error).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "runner/lang/ast.h"

namespace tarvo::run::lang {

struct SourceLine {
    std::string text;
    int line = 0;  // the physical line the statement starts on (1-based)
};

// Splits program text into statements; the text starts on line `firstLine`.
std::vector<SourceLine> SplitStatements(const std::string& text, int firstLine = 1);

// Parses one statement. Never throws: a statement that does not parse
// carries its error (and keeps the block role of its command).
StmtP ParseStatement(const std::string& text, int line);

// Parses a whole expression (EVALUATE, TYPE, macros); raises on error.
ExprP ParseExpression(const std::string& text);

struct CompileResult {
    bool ok = true;
    int error = 0;
    std::string message;
    int line = 0;
    bool incomplete = false;  // the text ended inside a block
};

// The preprocessor's work on a program's statements (#DEFINE, #IF,
// #INCLUDE ...); an unpaired #IF or #ENDIF fills `r` with its error.
std::vector<SourceLine> Preprocess(const std::vector<SourceLine>& lines, CompileResult* r);
// The directives the preprocessor serves.
std::span<const char* const> Directives();

// Compiles program text that starts on line `firstLine`. With
// `requireEndProc`, a procedure still open at the end counts as incomplete
// (the line-by-line mode reads on).
CompileResult Compile(const std::string& text, Program* out, bool requireEndProc = false, int firstLine = 1);

// Deepest expression accepted (parentheses, operands).
constexpr int kMaxExpressionDepth = 400;

}  // namespace tarvo::run::lang
