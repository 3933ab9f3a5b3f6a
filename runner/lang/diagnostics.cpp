// What an error report adds to the host's number and text: the names a
// misspelt one probably meant, and which argument of a library call did not
// fit its declaration.
#include "host/doc_check.h"
#include "host/nearest.h"
#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"

namespace tarvo::run::lang {

std::vector<std::string> Interpreter::KnownNames(bool functions) const {
    std::vector<std::string> names;
    if (functions) {
        for (const FunctionInfo& f : host_.functions())
            if (f.count >= 0) names.push_back(f.name);
        for (const std::string& b : BuiltinNames()) names.push_back(b);
    }
    for (const auto& [name, proc] : procedures_) names.push_back(name);
    for (const std::shared_ptr<Program>& file : session_.procedureFiles)
        for (const auto& [name, proc] : file->procedures) names.push_back(name);
    return names;
}

std::string MissingNameHint(const std::string& upper, const std::vector<std::string>& known) {
    const std::vector<std::string> nearest = NearestNames(upper, known);
    if (nearest.empty()) return {};
    std::string s = "Did you mean ";
    for (std::size_t i = 0; i < nearest.size(); ++i)
        s += (i == 0 ? "" : i + 1 == nearest.size() ? " or " : ", ") + nearest[i];
    return s + "?";
}

std::string ArgumentHint(const std::string& name, const std::string& detail) {
    std::string s = detail;
    if (const CatalogueEntry* e = FindEntry(UpperAscii(name)))
        s += (s.empty() ? "" : " ") + std::string("It is called ") + TypedSignature(*e) + ".";
    return s;
}

}  // namespace tarvo::run::lang
