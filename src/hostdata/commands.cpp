#include "hostdata/commands.h"

namespace tarvo {

std::string Capped(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, capacity));
}

std::string_view WithoutComment(std::string_view line) {
    const std::size_t comment = line.find("//");
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

bool PendingCommand::Add(std::string_view line, std::string* command) {
    line = WithoutComment(line.substr(0, kCommandLineCapacity));
    const bool continues = !line.empty() && line.back() == ';';
    if (continues) line.remove_suffix(1);
    if (text.size() < kPendingCapacity) text += line.substr(0, kPendingCapacity - text.size());
    if (continues) return false;
    command->swap(text);
    text.clear();
    return true;
}

bool IsSnapInSignature(std::string_view firstLine) {
    return firstLine.substr(0, kSnapInSignature.size()) == kSnapInSignature;
}

std::string CommandLogLine(std::int32_t error, std::string_view text) {
    return std::to_string(error) + " ... " + std::string(text);
}

CommandState& Commands() {
    static CommandState state;
    return state;
}

void ResetCommands() { Commands() = CommandState{}; }

}  // namespace tarvo
