// Every family's rows, with their documentation and fuzz marks, read from
// the rows files that host/families.inc lists: the same files build the
// table (host/families_win.cpp), so both always hold the same names.
#include "host/catalogue.h"

#include <string_view>
#include <vector>

#include "host/table.h"

namespace tarvo {
namespace {

// A line of a rows file as the catalogue reads it: a family's opening line
// (title set, no name) or a row. An alias keeps a null type string when it
// takes its main row's.
struct Line {
    const char* title;
    const char* about;
    CatalogueEntry entry;
};

#define DOC(...) ::tarvo::Doc{__VA_ARGS__}
#define FAMILY(id, title, about) {title, about, {}},
#define ROW(name, types, doc, ...) {nullptr, nullptr, {nullptr, name, types, 0, nullptr, doc}},
#define ROW_NOFUZZ(name, types, why, doc, ...) \
    {nullptr, nullptr, {nullptr, name, types, 0, why, doc}},
#define ALIAS(name, main) {nullptr, nullptr, {nullptr, name, nullptr, 0, nullptr, {.aliasOf = main}}},
#define ALIAS_TYPED(name, types, main) \
    {nullptr, nullptr, {nullptr, name, types, 0, nullptr, {.aliasOf = main}}},
#define HOOK(name, count, doc, ...) \
    {nullptr, nullptr, {nullptr, name, "", count, "the host runs it itself", doc}},

const Line kLines[] = {
#include "host/families.inc"
};

struct Built {
    std::vector<CatalogueEntry> entries;
    std::vector<FamilyInfo> families;

    Built() {
        for (const Line& line : kLines) {
            if (line.title) {
                families.push_back({line.title, line.about});
                continue;
            }
            entries.push_back(line.entry);
            entries.back().family = families.back().title;
        }
        // An alias takes its main row's fuzz mark and, unless it writes its
        // own, its type string; the main row is one of its family's.
        for (CatalogueEntry& e : entries) {
            if (e.doc.aliasOf)
                for (const CatalogueEntry& main : entries)
                    if (main.family == e.family && !main.doc.aliasOf &&
                        std::string_view(main.name) == e.doc.aliasOf) {
                        if (!e.types) e.types = main.types;
                        e.noFuzz = main.noFuzz;
                    }
            if (!e.types) e.types = "";  // its main row is missing: the doc check says so
            if (e.count == 0) e.count = EntryCount(e.types);
        }
    }
};

const Built& Lines() {
    static const Built built;
    return built;
}

}  // namespace

std::span<const CatalogueEntry> Catalogue() { return Lines().entries; }
std::span<const FamilyInfo> Families() { return Lines().families; }

}  // namespace tarvo
