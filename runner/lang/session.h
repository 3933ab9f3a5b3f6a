// What a program sets up beyond its variables and settings: procedure files
// (SET PROCEDURE), the search path (SET PATH), the copy of the output (SET
// ALTERNATE), windows (DEFINE WINDOW), functions of Windows DLLs (DECLARE),
// the random generator, the low-level files' last error, assertions and
// RETRY.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runner/lang/ast.h"

namespace tarvo::run::lang {

// A parameter or result of a DECLAREd function: its type letter (I integer,
// S short, N double, F single, C string, V none) and whether it goes by
// reference (@).
struct DllType {
    char letter = 'I';
    bool byRef = false;
};

struct DllFunction {
    std::string name;      // as exported (the case the program wrote)
    std::string library;   // as DECLARE named it
    void* address = nullptr;
    DllType result;
    std::vector<DllType> params;
};

// RETRY: the statement that runs again (abandoning what it was doing) and
// the frame count it runs at; a null statement ends the program.
struct RetrySignal {
    const Stmt* stmt = nullptr;
    std::size_t frames = 0;
};

struct Session {
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    // SET PROCEDURE TO: programs whose procedures may be called, in order.
    std::vector<std::shared_ptr<Program>> procedureFiles;
    // SET PATH TO: folders searched after the current one.
    std::vector<std::string> path;
    // SET ALTERNATE TO file; SET ALTERNATE ON copies the output there.
    std::FILE* alternate = nullptr;
    std::string alternateName;  // its full path
    bool alternateOn = false;
    bool alternateTee = false;  // the interpreter's output is copied there
    // DEFINE WINDOW: the windows a program defined, forms by their upper-case
    // names, until RELEASE WINDOWS.
    std::map<std::string, Value, NameOrder> windows;
    // DECLARE ... IN: by the name the program calls them (upper case).
    std::map<std::string, DllFunction> dlls;
    std::map<std::string, void*> modules;  // loaded DLLs, by upper-case name
    // RAND: the generator's state (seeded with 100001, as the host seeds it).
    std::uint32_t randState = 100001;
    // FERROR(): the last low-level file operation's error (0 when it succeeded).
    int fileError = 0;
    // SET ASSERTS
    bool asserts = false;
    // SET COMPATIBLE ON: FSIZE measures files instead of fields.
    bool compatible = false;
    // SET MEMOWIDTH
    int memoWidth = 50;
    // RETRY in ON ERROR's command: the statement it runs for, and its frame count.
    const Stmt* onErrorStmt = nullptr;
    std::size_t onErrorFrames = 0;
};

}  // namespace tarvo::run::lang
