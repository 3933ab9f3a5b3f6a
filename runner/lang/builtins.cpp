// The built-in functions: the table of all families and the call.
#include <map>

#include "runner/lang/builtins.h"

namespace tarvo::run::lang {
namespace {

const std::map<std::string, const Builtin*, NameOrder>& Table() {
    static const std::map<std::string, const Builtin*, NameOrder> table = [] {
        std::map<std::string, const Builtin*, NameOrder> t;
        for (std::span<const Builtin> family : {TextBuiltins(), ValueBuiltins(), DateBuiltins(), SystemBuiltins(),
                                                ArrayBuiltins(), WordBuiltins(), MoreBuiltins(), FileBuiltins(),
                                                ObjectBuiltins(), TableBuiltins()})
            for (const Builtin& b : family) t.emplace(b.name, &b);
        return t;
    }();
    return table;
}

const Builtin* Lookup(const std::string& name, bool abbreviated) {
    const auto& t = Table();
    if (auto it = t.find(name); it != t.end()) return it->second;
    if (!abbreviated || name.size() < 4) return nullptr;
    const Builtin* found = nullptr;
    for (auto it = t.lower_bound(name); it != t.end() && it->first.compare(0, name.size(), name) == 0; ++it) {
        if (found) return nullptr;  // ambiguous
        found = it->second;
    }
    return found;
}

}  // namespace

std::vector<std::string> BuiltinNames() {
    std::vector<std::string> names;
    for (const auto& [name, b] : Table()) names.push_back(name);
    return names;
}

bool IsBuiltin(const std::string& name, bool abbreviated, std::string* full) {
    const Builtin* b = Lookup(name, abbreviated);
    if (b && full) *full = b->name;
    return b != nullptr;
}

Value CallBuiltin(Interpreter& in, const std::string& name, const Expr& call) {
    const Builtin* b = Lookup(name, false);
    if (!b) Raise(kErrFileMissing);
    int n = static_cast<int>(call.args.size());
    if (n < b->min) Raise(kErrTooFew);
    if (n > b->max) Raise(kErrTooMany);
    Args args(in, call);
    return b->fn(args);
}

}  // namespace tarvo::run::lang
