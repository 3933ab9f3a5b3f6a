// tarvo-reference: writes the reference from the catalogue.
//
//   tarvo-reference OUTDIR ASSETS   the Markdown and HTML pages, the examples
//                                   (examples/NAME.prg with NAME.out) and the
//                                   tips program tarvo_tips.prg into OUTDIR;
//                                   ASSETS holds search.js and reference.css
//   tarvo-reference --check         lists what the documentation lacks and
//                                   fails when anything does
//   tarvo-reference --families      the families as a Markdown table
//   tarvo-reference --coverage      every record of the complete library by
//                                   family, in this build or not yet (Markdown)
//   tarvo-reference --coverage-line the same counted in one sentence
//   tarvo-reference --version       the version number
#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>

#include "host/doc_check.h"
#include "host/version.h"
#include "reference.h"

namespace fs = std::filesystem;
using namespace tarvo;

namespace tarvo::ref {

namespace {

// Host-language files keep the host's line ends.
std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// What an earlier run wrote and this one may not write again (a family
// renamed, an example dropped): the pages, scripts and examples.
void RemoveOldOutput(const fs::path& dir) {
    if (!fs::is_directory(dir)) return;
    fs::remove_all(dir / "examples");
    for (const fs::directory_entry& f : fs::directory_iterator(dir)) {
        const std::string ext = f.path().extension().string();
        if (f.is_regular_file() && (ext == ".md" || ext == ".html" || ext == ".js" ||
                                    ext == ".css" || ext == ".prg"))
            fs::remove(f.path());
    }
}

}  // namespace

// The families as a Markdown table: title, how many names (aliases
// included), and the prefixes of their names.
std::string FamilyTable() {
    std::string out = "| family | names | prefixes |\n|---|---|---|\n";
    for (const FamilyInfo& f : Families()) {
        int count = 0;
        std::set<std::string> prefixes;
        for (const CatalogueEntry& e : Catalogue()) {
            if (std::strcmp(e.family, f.title) != 0) continue;
            ++count;
            std::string name = e.name;
            std::size_t cut = name.find('_', 1);
            prefixes.insert(cut == std::string::npos ? name : name.substr(0, cut + 1));
        }
        std::string list;
        for (const std::string& p : prefixes) list += (list.empty() ? "`" : ", `") + p + "`";
        out += "| " + std::string(f.title) + " | " + std::to_string(count) + " | " + list + " |\n";
    }
    return out;
}

void WriteExamples(const fs::path& dir) {
    for (const CatalogueEntry& e : Catalogue()) {
        if (!e.doc.example || !e.doc.output) continue;
        WriteFile(dir / (std::string(e.name) + ".prg"), Crlf(std::string(e.doc.example) + "\n"));
        WriteFile(dir / (std::string(e.name) + ".out"), std::string(e.doc.output) + "\n");
    }
}

}  // namespace tarvo::ref

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts(TARVO_VERSION_TEXT);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--check") == 0) {
        const auto problems = CheckDocs(Catalogue(), Families());
        for (const std::string& p : problems) std::printf("%s\n", p.c_str());
        std::printf("%zu rows, %zu problems\n", Catalogue().size(), problems.size());
        return problems.empty() ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "--coverage") == 0) {
        std::fputs(ref::CoverageMarkdown().c_str(), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--coverage-line") == 0) {
        std::printf("%s\n", ref::CoverageLine().c_str());
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--families") == 0) {
        std::fputs(ref::FamilyTable().c_str(), stdout);
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvo-reference OUTDIR ASSETS | --check | --families | --coverage | "
                     "--coverage-line | --version\n");
        return 2;
    }
    try {
        const fs::path out = argv[1];
        ref::RemoveOldOutput(out);
        ref::WriteMarkdown(out);
        ref::WriteHtml(out, argv[2]);
        ref::WriteExamples(out / "examples");
        ref::WriteFile(out / "tarvo_tips.prg", ref::Crlf(ref::TipsProgram()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvo-reference: %s\n", e.what());
        return 1;
    }
    return 0;
}
