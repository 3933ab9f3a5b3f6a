// What the runner supports, written from its own tables: the command
// table, the built-in functions and the SYS() numbers. The README's list is
// this text (scripts/doc-lists.sh writes and checks it).
#include <set>

#include "runner/lang/builtins.h"
#include "runner/lang/commands.h"
#include "runner/lang/parser.h"

namespace tarvo::run::lang {
namespace {

// `a`, `b`, ... in lines of at most 100 columns.
void Words(std::string& out, const std::vector<std::string>& words) {
    std::size_t column = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string w = "`" + words[i] + "`" + (i + 1 < words.size() ? "," : "");
        if (column && column + 1 + w.size() > 100) {
            out += "\n";
            column = 0;
        }
        if (column) {
            out += " ";
            ++column;
        }
        out += w;
        column += w.size();
    }
    out += "\n";
}

}  // namespace

std::string SupportedLists() {
    std::set<std::string> commands;
    for (const Command* c : AllCommands()) {
        if (c->verb[0] == '<' || c->parse == ParseUnavailable) continue;
        std::string verb = c->verb;
        if (verb == "&") verb = "&macro";
        if (c->second) {
            commands.insert(verb + " " + c->second);
        } else if (verb == "SET") {
            for (const char* option : SetOptions()) commands.insert("SET " + std::string(option));
        } else {
            commands.insert(verb);
        }
    }
    std::string out = "Commands (" + std::to_string(commands.size()) + "):\n";
    Words(out, std::vector<std::string>(commands.begin(), commands.end()));
    out += "\nPreprocessor directives:\n";
    Words(out, std::vector<std::string>(Directives().begin(), Directives().end()));
    std::vector<std::string> functions = BuiltinNames();
    out += "\nFunctions (" + std::to_string(functions.size()) + "):\n";
    Words(out, functions);
    out += "\n`SYS()` numbers:\n\n";
    for (const auto& [number, what] : SysNumbers()) out += "- `SYS(" + std::to_string(number) + ")`: " + what + "\n";
    return out;
}

}  // namespace tarvo::run::lang
