#include "host/doc_check.h"

#include <cstring>
#include <string_view>

namespace tarvo {

char ParamPrefix(char letter) {
    switch (letter) {
        case 'C':
            return 'c';
        case 'I':
        case 'N':
            return 'n';
        case 'L':
            return 'l';
        case 'D':
            return 'd';
        case 'T':
            return 't';
        case 'Y':
            return 'y';
        case 'O':
            return 'o';
        case '?':
            return 'e';
        case 'R':
            return 'r';
        default:
            return 0;
    }
}

namespace {

std::vector<std::string_view> Lines(const char* text) {
    std::vector<std::string_view> out;
    if (!text) return out;
    std::string_view s = text;
    while (true) {
        const std::size_t nl = s.find('\n');
        out.push_back(s.substr(0, nl));
        if (nl == std::string_view::npos) break;
        s.remove_prefix(nl + 1);
    }
    return out;
}

bool Empty(const char* text) { return !text || !*text; }

}  // namespace

std::vector<DocParam> DocParams(const CatalogueEntry& entry) {
    const std::vector<TypeEntry> types = TypeEntries(entry.types);
    const std::vector<std::string_view> lines = Lines(entry.doc.params);
    std::vector<DocParam> out;
    for (std::size_t i = 0; i < types.size(); ++i) {
        DocParam p{{}, {}, types[i]};
        if (i < lines.size()) {
            const std::string_view line = lines[i];
            const std::size_t colon = line.find(": ");
            p.name = std::string(line.substr(0, colon));
            if (colon != std::string_view::npos) p.meaning = std::string(line.substr(colon + 2));
        } else {
            const char prefix = ParamPrefix(types[i].letter);
            p.name = std::to_string(i + 1);
            p.name.insert(p.name.begin(), prefix ? prefix : 'e');
        }
        out.push_back(std::move(p));
    }
    return out;
}

const CatalogueEntry* MainEntry(std::span<const CatalogueEntry> catalogue,
                                const CatalogueEntry& entry) {
    if (!entry.doc.aliasOf) return &entry;
    for (const CatalogueEntry& e : catalogue)
        if (std::strcmp(e.name, entry.doc.aliasOf) == 0) return &e;
    return nullptr;
}

const char* ResultName(const char* returns) {
    if (!returns) return "";
    switch (*returns) {
        case 0:
            return "no value";
        case 'C':
            return "text";
        case 'I':
            return "integer";
        case 'N':
            return "number";
        case 'L':
            return "logical";
        case 'D':
            return "date";
        case 'T':
            return "datetime";
        case '?':
            return "any type";
        default:
            return "";
    }
}

const CatalogueEntry* FindEntry(std::string_view name) {
    for (const CatalogueEntry& e : Catalogue())
        if (name == e.name) return &e;
    return nullptr;
}

std::string Signature(const CatalogueEntry& entry) {
    if (entry.count < 0) return entry.name;
    const CatalogueEntry* found = MainEntry(Catalogue(), entry);
    const CatalogueEntry& main = found ? *found : entry;
    const bool sameTypes = std::strcmp(main.types, entry.types) == 0;
    const std::vector<DocParam> params = DocParams(sameTypes ? main : entry);
    std::string s = std::string(entry.name) + "(";
    std::size_t open = 0;
    for (std::size_t i = 0; i < params.size(); ++i) {
        if (params[i].type.optional) {
            s += i > 0 ? " [" : "[";
            ++open;
        }
        if (i > 0) s += ", ";
        s += params[i].name;
    }
    s += std::string(open, ']') + ")";
    return s;
}

std::string TypedSignature(const CatalogueEntry& entry) {
    const CatalogueEntry* main = MainEntry(Catalogue(), entry);
    const char* returns = main ? main->doc.returns : nullptr;
    if (entry.count < 0 || !returns) return Signature(entry);
    return Signature(entry) + " -> " + ResultName(returns);
}

std::vector<std::string> CheckDocs(std::span<const CatalogueEntry> catalogue,
                                   std::span<const FamilyInfo> families) {
    std::vector<std::string> problems;
    auto problem = [&](const CatalogueEntry& e, const std::string& what) {
        problems.push_back(std::string(e.name) + ": " + what);
    };
    for (const CatalogueEntry& e : catalogue) {
        const Doc& d = e.doc;
        bool listed = false;
        for (const FamilyInfo& f : families) listed = listed || std::strcmp(f.title, e.family) == 0;
        if (!listed) problem(e, std::string("its family \"") + e.family + "\" is not listed");

        if (d.aliasOf) {
            const CatalogueEntry* main = MainEntry(catalogue, e);
            if (!main)
                problem(e,
                        std::string("is an alias of ") + d.aliasOf + ", which is not in the table");
            else if (main->doc.aliasOf)
                problem(e, std::string("is an alias of ") + d.aliasOf + ", itself an alias");
            if (d.summary || d.params || d.returns || d.result || d.errors || d.notes || d.example ||
                d.output)
                problem(e, "is an alias and carries documentation of its own");
            continue;
        }
        if (Empty(d.summary))
            problem(e, "has no summary");
        else if (std::strchr(d.summary, '\n'))
            problem(e, "has a summary of more than one line");
        if (Empty(d.result)) problem(e, "has no result");
        if (!d.returns)
            problem(e, "has no result type (.returns)");
        else if (!*ResultName(d.returns) || (*d.returns && d.returns[1]))
            problem(e, std::string("has the result type \"") + d.returns +
                           "\", which the reference does not know");
        if (Empty(d.example))
            problem(e, "has no example");
        else if (!d.output && !e.noFuzz)
            problem(e, "has an example without its output");

        const std::vector<TypeEntry> types = TypeEntries(e.types);
        const std::vector<std::string_view> lines = Lines(d.params);
        if (lines.size() != types.size()) {
            problem(e, "documents " + std::to_string(lines.size()) +
                           " parameters; its type string has " + std::to_string(types.size()));
            continue;
        }
        const std::vector<DocParam> params = DocParams(e);
        for (std::size_t i = 0; i < params.size(); ++i) {
            const DocParam& p = params[i];
            const std::string which = "parameter " + std::to_string(i + 1) + " (" + p.name + ")";
            const char prefix = ParamPrefix(p.type.letter);
            if (!prefix)
                problem(e, which + " has the type letter " + std::string(1, p.type.letter) +
                               ", which the reference does not know");
            else if (p.meaning.empty())
                problem(e, which + " is not written \"name: meaning\"");
            else if (p.name.size() < 2 || p.name[0] != prefix)
                problem(e, which + " should start with '" + std::string(1, prefix) +
                               "' for its type " + std::string(1, p.type.letter));
        }
    }
    for (const FamilyInfo& f : families) {
        bool used = false;
        for (const CatalogueEntry& e : catalogue)
            used = used || std::strcmp(f.title, e.family) == 0;
        if (!used) problems.push_back(std::string("family \"") + f.title + "\" has no rows");
        if (Empty(f.about))
            problems.push_back(std::string("family \"") + f.title + "\" has no introduction");
    }
    return problems;
}

}  // namespace tarvo
