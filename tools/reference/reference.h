// The reference generator: the catalogue (host/catalogue.h) written out as
// Markdown and HTML pages, example programs with their expected output, and
// the host-language program that registers the editor tips.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "host/catalogue.h"
#include "host/doc_check.h"
#include "host/manifest.h"

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

// Every record of the complete library by family (the name's prefix, as
// host/manifest.h tells it), the families by prefix, their names in
// manifest order: the names this build has and
// those it has not yet, each name once; the counts are of records (a name
// the table lists twice counts twice).
struct CoverageFamily {
    std::string family;
    std::vector<const ManifestRecord*> present, missing;
    int recordsIn, recordsMissing;
};
std::vector<CoverageFamily> Coverage();
struct CoverageCount {
    int records = 0, recordsIn = 0, families = 0, familiesMissing = 0;
};
CoverageCount CountCoverage();
// One sentence: how many records this build has, how many are missing.
std::string CoverageLine();
// The coverage page in Markdown for docs/coverage.md (names not linked).
std::string CoverageMarkdown();

}  // namespace tarvo::ref
