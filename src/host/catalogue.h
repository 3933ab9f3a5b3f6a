// The catalogue: every row of the function table with its documentation and
// its fuzz mark, read from the same `*_rows.h` files that build the table
// (host/families.inc), without the handlers. It is plain code (no Windows,
// no host): the reference generator and the tests use it; TARVO.fll does not
// contain it.
#pragma once

#include <cstdint>
#include <span>

namespace tarvo {

// What the reference says of one name, written in its row as
//
//     DOC(.summary = "The first n characters of a text.",
//         .params = "cText: the text\n"
//                   "nCount: how many characters",
//         .returns = "C", .result = "...", .errors = "...",
//         .example = "? STR_LEFT('abcdef', 3)",
//         .output = "abc")
//
// An alias row, ALIAS("STR_REVERS", "STR_MIRROR"), has a Doc with only
// `aliasOf` set.
struct Doc {
    const char* summary = nullptr;  // one sentence on one line
    // One line per entry of the type string, in order: "name: meaning". The
    // name starts with the host's letter for the entry's type (c text, n
    // number or integer, l logical, d date, t datetime, y currency, e any
    // value, r by reference), and is followed by its meaning.
    const char* params = nullptr;
    // The type letter of the value it answers, as the host sees the record:
    // C text, I integer, N number, L logical, D date, T datetime, ? one of
    // several; "" when it answers no value (the host takes .T.).
    const char* returns = nullptr;
    const char* result = nullptr;   // what it answers
    const char* errors = nullptr;   // host errors it raises; null when none
    const char* notes = nullptr;    // further behaviour worth knowing, or null
    // Host-language lines that run in an empty scratch folder through
    // tarvo-run, and what they print: the standard output with line ends as
    // LF, without the line breaks at its start and end. A carriage return
    // alone (LZH progress) stays in the text. A row that must never be
    // called with random arguments (ROW_NOFUZZ) may leave `output` null: its
    // example is shown but not run, for the same reason.
    const char* example = nullptr;
    const char* output = nullptr;
    const char* aliasOf = nullptr;  // the main name, for an alias
};

struct CatalogueEntry {
    const char* family;     // the family's title
    const char* name;
    const char* types;
    std::int16_t count;     // -2 load hook, -3 unload hook
    const char* noFuzz;     // why it is never called with random arguments, or null
    Doc doc;
};

// A family of names: its title (as in CatalogueEntry::family) and a short
// introduction for its reference page.
struct FamilyInfo {
    const char* title;
    const char* about;
};

std::span<const CatalogueEntry> Catalogue();
std::span<const FamilyInfo> Families();

}  // namespace tarvo
