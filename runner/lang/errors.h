// The host errors the interpreter raises, with the host's numbers.
#pragma once

#include <string>
#include <vector>

#include "host/protocol.h"
#include "runner/value.h"

namespace tarvo::run::lang {

// The most elements an array may have; more is out of memory (43).
constexpr double kMaxArrayElements = 16777184;

enum : int {
    kErrFileMissing = 1,        // File '...' does not exist.
    kErrFileInUse = 3,          // File is in use.
    kErrDataType = 9,           // Data type mismatch.
    kErrSyntax = 10,            // Syntax error.
    kErrArgument = 11,          // Function argument value, type, or count is invalid.
    kErrNoVariable = 12,        // Variable '...' is not found.
    kErrNoAlias = 13,           // Alias '...' is not found.
    kErrUnknownVerb = 16,       // Unrecognized command verb.
    kErrSubscript = 31,         // Invalid subscript reference.
    kErrPhrase = 36,            // Command contains unrecognized phrase/keyword.
    kErrOverflow = 39,          // Numeric overflow. Data was lost.
    kErrMemory = 43,            // There is not enough memory to complete this operation.
    kErrNesting = 96,           // Nesting error.
    kErrBadPath = 202,          // Invalid path or file name.
    kErrNoWindow = 211,         // Window ... has not been defined.
    kErrOperand = 107,          // Operator/operand type mismatch.
    kErrNotArray = 232,         // '...' is not an array.
    kErrNotAvailable = 1001,    // Feature is not available.
    kErrUser = 1098,            // a text of the program's own (ERROR "text")
    kErrIfMissing = 1211,       // An IF | ELSE | ENDIF statement is missing.
    kErrCaseMissing = 1213,     // There is a missing keyword in the FOR ... ENDFOR or DO CASE ...
    kErrTooFew = 1229,          // Too few arguments.
    kErrTooMany = 1230,         // Too many arguments.
    kErrDivZero = 1307,         // Division by zero.
    kErrStack = 1308,           // Insufficient stack space.
    kErrNoClass = 1733,         // Class definition ... is not found.
    kErrNoProperty = 1734,      // Property ... is not found.
    kErrReadOnly = 1743,        // Property ... is read-only.
    kErrStringTooLong = 1903,   // String is too long to fit.
    kErrNotObject = 1924,       // ... is not an object.
    kErrUnknownMember = 1925,   // Unknown member ...
    kErrNotInMethod = 1940,     // THIS / DODEFAULT( ) outside a method (our best guess)
    kErrBadDate = 2034,         // Date/Datetime evaluated to an invalid value.
    kErrTryMismatch = 2058,     // TRY/CATCH/FINALLY/ENDTRY mismatch or error.
    kErrReturnInTry = 2060,     // RETURN/RETRY statement not allowed in TRY/CATCH.
    kErrNoMember = 2061,        // Index or expression does not match an existing member of the collection.
    kErrKeyExists = 2062,       // The specified key already exists.
    kErrThrown = 2071,          // User Thrown Error.
};

// A statement a running program or procedure is at: the one that failed,
// or one that called the procedure below it.
struct CallSite {
    std::string file;       // the program file's name, without its folder ("" for a command line)
    std::string procedure;
    int line = 0;
    std::string source;     // the statement's text
};

// A host error on its way to the nearest TRY, ON ERROR or the top.
struct ScriptError {
    int number = 0;
    std::string message;
    int line = 0;           // 0 until the statement that failed is known
    std::string procedure;  // the program or procedure it happened in
    std::string source;     // the text of that statement
    Value userValue;        // THROW's value
    // Beyond the host's number and text, for the one who reads the report:
    // what was probably meant ("Did you mean STR_REVERS?"), and where the
    // error happened, innermost first, with the calls that led there.
    std::string hint;
    std::vector<CallSite> chain;
};

// Raises error `number` with the host's text (or `message`), and `hint`.
[[noreturn]] void RaiseWithHint(int number, const std::string& message, const std::string& hint);

// Raises error `number` with the host's text (or `message` when given).
[[noreturn]] void Raise(int number, const std::string& message = std::string());

// QUIT and CANCEL: end the program.
struct QuitSignal {
    int code = 0;
};

// Ctrl-C: the program stops where it is (no TRY, ON ERROR or FINALLY runs).
struct Interrupted {
    int line = 0;
    std::string procedure;
};

}  // namespace tarvo::run::lang
