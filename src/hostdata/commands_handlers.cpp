// Commands and expressions handed to the host, command files and snap-in
// files, the command log, the step command and the tracing file
// (hostdata/commands.h).
#include <array>
#include <cstring>

#include "files/channel.h"
#include "host/declare.h"
#include "hostdata/commands.h"

namespace tarvo {
namespace {

// Writes one line (the host adds the line end) while the file is open.
void WriteLine(const LogFile& file, std::string line) {
    if (file.open()) HostFileIo(file.channel, line.data(), 0, kIoWriteLine);
}

// Counts the command, hands it to the host, logs it when the host answers an
// error, then runs the step command while stepping is on (uncounted,
// unlogged, its answer ignored). Commands the step command sends itself do
// not step again, so a step command that runs commands through the library
// cannot recurse for ever.
bool RunCommand(const std::string& command) {
    CommandState& state = Commands();
    ++state.count;
    const std::int32_t error = ExecuteCommand(command.c_str());
    if (error != 0) WriteLine(state.log, CommandLogLine(error, command));
    if (state.stepping && !state.stepCommand.empty() && !state.inStep) {
        const std::string step = state.stepCommand;
        struct InStep {
            InStep() { Commands().inStep = true; }
            ~InStep() { Commands().inStep = false; }
        } inStep;
        ExecuteCommand(step.c_str());
    }
    return error == 0;
}

bool DdaExecut(const char* command) { return RunCommand(command); }

// Reads the lines of a command file through a host channel into a buffer of
// 512 bytes: a longer line is cut to its first 511 characters.
class CommandFile {
public:
    explicit CommandFile(const char* name) : channel_(HostFileOpen(name, 0, 0)) {
        if (channel_.number <= 0) {
            channel_.number = -1;  // nothing to close
            return;
        }
        // A file the host reports at its end right after the open is empty.
        if (HostFileEof(channel_.number)) return;
        // Only the lines the file holds now are read: a file that grows while
        // it runs (the command log itself, say) would otherwise never end.
        length_ = ChannelLength(channel_.number);
        usable_ = true;
    }
    bool usable() const { return usable_; }
    bool More() {
        return !HostFileEof(channel_.number) && HostFileSeek(channel_.number, 0, 1) < length_;
    }
    std::string_view Next() {
        line_.data[0] = '\0';
        HostFileIo(channel_.number, line_.data, 512, kIoReadLine);
        line_.data[kCommandLineCapacity] = '\0';
        return {line_.data, std::strlen(line_.data)};
    }
    // Runs the remaining lines.
    void RunRest() {
        PendingCommand pending;
        std::string command;
        while (More())
            if (pending.Add(Next(), &command)) RunCommand(command);
    }

private:
    HeldChannel channel_;
    WorkBuffer line_{512};
    std::int32_t length_ = 0;
    bool usable_ = false;
};

bool DdaFilExe(const char* name) {
    CommandFile file(name);
    if (file.usable()) file.RunRest();
    return true;
}

bool DdaExecuteSnapIn(const char* name) {
    CommandFile file(name);
    if (file.usable() && IsSnapInSignature(file.Next()) && file.More()) file.RunRest();
    return true;
}

// The value of an expression as the host evaluated it, of whatever type; a
// memo's text goes back as a character value. When the host answers an
// error the value is logical .F. and the error is kept for DDA_ERROR.
void DdaEvalua(ParamBlock* p) {
    TextArg expression(p, 1);
    CommandState& state = Commands();
    ++state.count;
    state.lastError = 0;
    ValueRecord value{};
    const std::int32_t error = EvaluateExpression(&value, expression.data);
    if (error != 0) WriteLine(state.log, CommandLogLine(error, expression.data));
    state.lastError = error;
    if (error != 0 || value.type == 0) return ReturnLogical(false);
    if (value.type == 'M') value.type = 'C';
    // A text's block came from the host for this result: it goes back to
    // the host, or is freed when the host refuses it.
    if (value.type == 'C' && value.handle) return ReturnHandle(&value);
    ReturnValue(&value);
}

std::int32_t DdaError() { return Commands().lastError; }

std::int32_t DdaExtendedError() {
    const std::int32_t error = Commands().lastError;
    if (error == 0) return 0;
    std::array<char, 256> text{};
    return GetErrorInfo(error, text.data());
}

std::string DdaExtendedErrorMessage() {
    const std::int32_t error = Commands().lastError;
    if (error == 0) return {};
    std::array<char, 256> text{};
    GetErrorInfo(error, text.data());
    text.back() = '\0';
    return text.data();
}

std::int32_t DdaCount(Opt<std::int32_t> count) {
    const std::int32_t previous = Commands().count;
    if (count.present) Commands().count = count.value;
    return previous;
}

bool DdaStop(Opt<bool> stepping) {
    const bool previous = Commands().stepping;
    if (stepping.present) Commands().stepping = stepping.value;
    return previous;
}

bool DdaSetSto(const char* command) {
    Commands().stepCommand = Capped(command, kStepCommandCapacity);
    return true;
}

std::string DdaGetSto() { return Commands().stepCommand; }

// Closes the file a log writes to (if any) and opens the one named, for
// reading and writing at its end, creating it when it does not exist. An
// empty name leaves the log closed.
void SetLogFile(LogFile& file, const char* name, std::size_t capacity) {
    file.name = Capped(name, capacity);
    if (file.open()) {
        HeldChannel old(file.channel);
        file.channel = 0;
    }
    if (file.name.empty()) return;
    std::int32_t channel = HostFileOpen(file.name.c_str(), 2, 0);
    if (channel > 0) {
        file.channel = channel;
        HostFileSeek(channel, 0, 2);
        return;
    }
    channel = HostFileOpen(file.name.c_str(), 2, 1);
    file.channel = channel > 0 ? channel : 0;
}

bool DdaSetLog(const char* name) {
    SetLogFile(Commands().log, name, kCommandLogNameCapacity);
    return true;
}

std::string DdaGetLog() { return Commands().log.name; }

bool TraSetLog(const char* name) {
    SetLogFile(Commands().tracing, name, kTracingNameCapacity);
    return true;
}

std::string TraGetLog() { return Commands().tracing.name; }

void TraLog(const char* text) { WriteLine(Commands().tracing, text); }

constexpr RowSpec kRows[] = {
#include "hostdata/commands_rows.h"
};

}  // namespace

void CloseCommandLog() {
    LogFile& log = Commands().log;
    if (!log.open()) return;
    HeldChannel channel(log.channel);
    log.channel = 0;
}

Family CommandFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
