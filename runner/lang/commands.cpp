// The command table: the topics' rows as one table, and the lookup.
#include "runner/lang/commands.h"

#include <cstring>
#include <map>
#include <vector>

#include "runner/lang/errors.h"

namespace tarvo::run::lang {
namespace {

struct Table {
    std::vector<const Command*> all;
    std::map<std::string, std::vector<const Command*>> byVerb;  // rows of each verb
};

const Table& TheTable() {
    static const Table table = [] {
        Table t;
        for (std::span<const Command> topic :
             {FlowCommands(), DataCommands(), ProgramCommands(), SystemCommands(), EventCommands(),
              TableCommands(), RecordCommands(), ScanCommands(), TextCommands(), ProcedureCommands(), SettingCommands(), DllCommands(),
              ClassCommands(), WindowCommands()})
            for (const Command& c : topic) {
                t.all.push_back(&c);
                t.byVerb[c.verb].push_back(&c);
            }
        return t;
    }();
    return table;
}

// The rows of the verb `word` names, written out or cut to four letters or
// more (null when none or when the cut fits several verbs).
const std::vector<const Command*>* RowsOf(const std::string& word) {
    const auto& byVerb = TheTable().byVerb;
    if (auto it = byVerb.find(word); it != byVerb.end()) return &it->second;
    if (word.size() < 4) return nullptr;
    const std::vector<const Command*>* found = nullptr;
    for (auto it = byVerb.lower_bound(word); it != byVerb.end() && it->first.compare(0, word.size(), word) == 0;
         ++it) {
        if (found) return nullptr;
        found = &it->second;
    }
    return found;
}

}  // namespace

const Command* FindCommand(const std::string& first, const std::string& next, bool* second) {
    *second = false;
    const std::vector<const Command*>* rows = RowsOf(first);
    if (!rows) return nullptr;
    const Command* alone = nullptr;
    for (const Command* c : *rows) {
        if (!c->second) {
            alone = c;
        } else if (!next.empty() && KeyIs(next, c->second)) {
            *second = true;
            return c;
        }
    }
    return alone;
}

const Command& CommandNamed(const char* verb) {
    for (const Command* c : TheTable().all)
        if (!c->second && std::strcmp(c->verb, verb) == 0) return *c;
    Raise(kErrUnknownVerb);  // a row the parser needs is missing from the table
}

std::span<const Command* const> AllCommands() { return TheTable().all; }

void ParseEnd(ExprParser& p, Stmt&) { p.ExpectEnd(); }
void ParseUnavailable(ExprParser&, Stmt&) { Raise(kErrNotAvailable); }

bool InBlock(const Command& c, const char* block) {
    if (!c.block || !block) return false;
    std::size_t n = std::strlen(block);
    for (const char* p = c.block; *p;) {
        const char* end = std::strchr(p, ' ');
        std::size_t len = end ? static_cast<std::size_t>(end - p) : std::strlen(p);
        if (len == n && std::strncmp(p, block, n) == 0) return true;
        if (!end) break;
        p = end + 1;
    }
    return false;
}

}  // namespace tarvo::run::lang
