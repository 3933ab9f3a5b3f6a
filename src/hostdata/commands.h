// Host commands run by the library: the command count, the command log, the
// step command, the tracing file, and how the lines of a command file become
// commands.
//
// A command file is read line by line. On each line everything from the
// first "//" on is a comment, then trailing blanks are cut; a line that then
// ends in ";" continues on the next one (the ";" is dropped and the lines are
// joined without a separator), any other line completes the command, which
// runs. Empty and comment-only lines are complete lines too and run as empty
// commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// The line buffer of a command file: lines are read into 512 bytes, so a
// longer line is cut to its first 511 characters.
constexpr std::size_t kCommandLineCapacity = 511;
// A command joined from continuation lines keeps its first 1023 characters;
// what lines add beyond them is dropped.
constexpr std::size_t kPendingCapacity = 1023;
// Capacities of the texts the library keeps.
constexpr std::size_t kCommandLogNameCapacity = 511;
constexpr std::size_t kTracingNameCapacity = 255;
constexpr std::size_t kStepCommandCapacity = 511;

// The first line of a snap-in file begins with this signature.
constexpr std::string_view kSnapInSignature = "QX1.0";

// The text cut to its first `capacity` characters.
std::string Capped(std::string_view text, std::size_t capacity);

// A line of a command file without its comment and its trailing blanks
// (character 32 only).
std::string_view WithoutComment(std::string_view line);

// The command being put together from the lines of one command file.
struct PendingCommand {
    std::string text;  // at most kPendingCapacity characters

    // Takes the next line (as read, comment and all). Answers true when the
    // line completes a command, which is then in `*command`; the pending
    // text is emptied. A continuation line answers false.
    bool Add(std::string_view line, std::string* command);
};

bool IsSnapInSignature(std::string_view firstLine);

// A command log line: the host's error number, " ... " and the text that
// failed.
std::string CommandLogLine(std::int32_t error, std::string_view text);

// A log file the library writes lines to through a host file channel: the
// command log and the tracing file. While no channel is open (channel 0)
// lines written to it go nowhere.
struct LogFile {
    std::string name;
    std::int32_t channel = 0;
    bool open() const { return channel > 0; }
};

// The process-wide state of the command functions, set back by the load
// hook.
struct CommandState {
    std::int32_t count = 0;          // commands and expressions handed to the host
    std::int32_t lastError = 0;      // of the last evaluation; 0 when it succeeded
    LogFile log;                     // one line per failed command or expression
    LogFile tracing;                 // lines the program writes itself
    std::string stepCommand;         // runs after each command while stepping
    bool stepping = false;
    bool inStep = false;             // the step command is running now
};

CommandState& Commands();

// Load hook: everything back to its start (no channel is closed).
void ResetCommands();
// Unload hook: closes the command log when it is open; the tracing file
// stays open. Defined with the handlers (it asks the host).
void CloseCommandLog();

}  // namespace tarvo
