// Reading and checking the documentation that the rows carry (host/catalogue.h).
// Plain code: the reference generator and the tests use it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/catalogue.h"
#include "host/type_string.h"

namespace tarvo {

// The host's name prefix for a type letter: c text, n number or integer, l
// logical, d date, t datetime, y currency, o object, e any value, r by
// reference; 0 for a letter it does not know.
char ParamPrefix(char letter);

// A documented parameter: a line of Doc::params with its type entry.
struct DocParam {
    std::string name;
    std::string meaning;
    TypeEntry type;
};
// The parameters of a row, in order; an entry without a line of its own gets
// the name of its prefix and position (c1, n2 ...) and no meaning.
std::vector<DocParam> DocParams(const CatalogueEntry& entry);

// The row an alias stands for; the row itself when it is no alias; null when
// its main name is not in the catalogue.
const CatalogueEntry* MainEntry(std::span<const CatalogueEntry> catalogue,
                                const CatalogueEntry& entry);

// The catalogue's row of `name` (upper case), or null.
const CatalogueEntry* FindEntry(std::string_view name);

// "STR_REDUCE(cText [, cChar])"; a hook is its name alone. An alias takes the
// parameter names of its main row when it has the same type string.
std::string Signature(const CatalogueEntry& entry);

// The signature with its result type: "STR_LEFT(cText, nCount) -> text".
std::string TypedSignature(const CatalogueEntry& entry);

// What the reference calls a result type letter (Doc::returns): "text",
// "integer" ...; "no value" for "".
const char* ResultName(const char* returns);

// Everything the reference needs and does not find, one sentence each,
// naming the row: every row that is no alias has a one-line summary, a
// result, one parameter line per entry of its type string (named with the
// prefix of the entry's type), an example and its output (a ROW_NOFUZZ row
// may show an example without output, which is not run); an alias names a
// main row that is no alias and carries nothing else; every row belongs to
// a listed family, and every family has rows.
std::vector<std::string> CheckDocs(std::span<const CatalogueEntry> catalogue,
                                   std::span<const FamilyInfo> families);

}  // namespace tarvo
