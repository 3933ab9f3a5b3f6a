// The lists of tasks and processes as texts, and the module name of a
// 16-bit program read from its executable's NE header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The list texts the library answers: items joined by "^".
std::string JoinItems(const std::vector<std::string>& items);

// SYS_TASKS: the titles, each followed by "^", cut at the last "^" that
// stands at offset 1023 or before (so at most 1023 characters, and the
// final "^" is dropped); the text as it is when no "^" stands there.
std::string CutTaskList(std::string_view titles);

// A process of the snapshot with its main module (the snapshot's module
// entry whose id is the process's), as the process lists use it.
struct ProcessRecord {
    std::int32_t id = 0;
    bool is32Bit = false;      // its executable is its main module's file
    std::string moduleName;    // the main module's name
    std::optional<std::string> neName;  // a 16-bit program's name from its NE header
};

// The name a process is listed by: the NE header's name of a 16-bit program
// when it could be read, else its main module's name.
std::string ProcessName(const ProcessRecord& p);

// SYS_PROCESSES: with filter 0 every process as name + "(32-bit)" or
// "(16-bit)"; with 16 or 32 the names of processes of that kind only; with
// any other filter none.
std::string ProcessList(const std::vector<ProcessRecord>& processes, std::int32_t filter);
// SYS_PROCESSESID: the ids in decimal, signed.
std::string ProcessIdList(const std::vector<ProcessRecord>& processes);

// The module name in the resident-name table of an NE executable: the file
// starts with "MZ", the 32-bit value at 0x3C points to "NE", the table
// starts at the NE header plus the 16-bit value at its offset 0x26, and its
// first byte is the length of the name that follows (at most 255; a zero
// byte ends it early). Nothing
// for any other file, or one whose offsets lead outside it.
std::optional<std::string> NeModuleName(std::string_view file);

}  // namespace tarvo
