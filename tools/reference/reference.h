// The reference generator: the catalogue (host/catalogue.h) written out as
// Markdown and HTML pages, example programs with their expected output, and
// the host-language program that registers the editor tips.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "host/catalogue.h"

namespace tarvo::ref {

// The rows of one family, in table order.
struct Page {
    const FamilyInfo* family;
    std::string slug;  // file name without extension: "strings-tokenizer"
    std::vector<const CatalogueEntry*> entries;
};
std::vector<Page> Pages();

// The rows whose main name is `main` (its aliases), in table order.
std::vector<const CatalogueEntry*> AliasesOf(const CatalogueEntry& main);
// "STR_REDUCE(cText [, cChar])"; a hook is its name alone. An alias takes the
// parameter names of its main row when it has the same type string.
std::string Signature(const CatalogueEntry& entry);
// What each type letter is called in the reference ("text", "integer" ...).
const char* TypeName(char letter);

// Writes `text` to `path`, creating its folder; throws on failure.
void WriteFile(const std::filesystem::path& path, const std::string& text);

void WriteMarkdown(const std::filesystem::path& dir);
void WriteHtml(const std::filesystem::path& dir, const std::filesystem::path& assets);
// examples/NAME.prg and NAME.out for every example with an output.
void WriteExamples(const std::filesystem::path& dir);
// The families as a Markdown table (tarvo-reference --families, for the README).
std::string FamilyTable();
// The tips program's text.
std::string TipsProgram();

}  // namespace tarvo::ref
