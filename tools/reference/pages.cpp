// The reference pages: one per family and an index of all names, in Markdown
// and in HTML. Every name met in the prose links to its entry.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "host/doc_check.h"
#include "host/version.h"
#include "reference.h"

namespace tarvo::ref {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

namespace {

std::string Slug(const char* title) {
    std::string s;
    for (const char* c = title; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
        else if (!s.empty() && s.back() != '-')
            s += '-';
    }
    while (!s.empty() && s.back() == '-') s.pop_back();
    return s;
}

const CatalogueEntry* Find(std::string_view name) {
    for (const CatalogueEntry& e : Catalogue())
        if (name == e.name) return &e;
    return nullptr;
}

const CatalogueEntry& Main(const CatalogueEntry& e) {
    const CatalogueEntry* m = MainEntry(Catalogue(), e);
    return m ? *m : e;
}

bool IsHook(const CatalogueEntry& e) { return e.count < 0; }

}  // namespace

std::vector<Page> Pages() {
    std::vector<Page> pages;
    for (const FamilyInfo& f : Families()) {
        Page p{&f, Slug(f.title), {}};
        for (const CatalogueEntry& e : Catalogue())
            if (std::strcmp(e.family, f.title) == 0) p.entries.push_back(&e);
        pages.push_back(std::move(p));
    }
    return pages;
}

std::vector<const CatalogueEntry*> AliasesOf(const CatalogueEntry& main) {
    std::vector<const CatalogueEntry*> out;
    for (const CatalogueEntry& e : Catalogue())
        if (e.doc.aliasOf && std::strcmp(e.doc.aliasOf, main.name) == 0) out.push_back(&e);
    return out;
}

const char* TypeName(char letter) {
    switch (letter) {
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
        case 'Y':
            return "currency";
        case 'O':
            return "object";
        case '?':
            return "any type";
        case 'R':
            return "by reference (@name)";
        default:
            return "?";
    }
}

namespace {

// --- the two formats ------------------------------------------------------------

struct Format {
    bool html;
    const char* ext;  // ".md" or ".html"

    std::string Escape(std::string_view s) const {
        std::string out;
        for (char c : s) {
            if (html) {
                switch (c) {
                    case '&':
                        out += "&amp;";
                        break;
                    case '<':
                        out += "&lt;";
                        break;
                    case '>':
                        out += "&gt;";
                        break;
                    case '"':
                        out += "&quot;";
                        break;
                    default:
                        out += c;
                }
            } else {
                if (std::strchr("\\`*_<>[]|", c)) out += '\\';
                out += c;
            }
        }
        return out;
    }
    std::string Code(std::string_view s) const {
        return html ? "<code>" + Escape(s) + "</code>" : "`" + std::string(s) + "`";
    }
    std::string Link(const std::string& label, const std::string& target) const {
        return html ? "<a href=\"" + target + "\">" + label + "</a>"
                    : "[" + label + "](" + target + ")";
    }
    std::string Block(std::string_view text, const char* lang) const {
        std::string t(text);
        // A carriage return alone (LZH progress) shows as a line break.
        std::replace(t.begin(), t.end(), '\r', '\n');
        if (html) return "<pre><code>" + Escape(t) + "</code></pre>\n";
        return std::string("```") + lang + "\n" + t + "\n```\n\n";
    }
};

std::map<std::string, std::string> PageOfName() {
    std::map<std::string, std::string> m;
    for (const Page& p : Pages())
        for (const CatalogueEntry* e : p.entries) m[e->name] = p.slug;
    return m;
}

// The target of a name's entry: its main name's section on its family page.
std::string Target(const Format& f, const CatalogueEntry& e, const std::string& fromSlug) {
    static const std::map<std::string, std::string> pages = PageOfName();
    const CatalogueEntry& main = Main(e);
    const std::string& slug = pages.at(main.name);
    return (slug == fromSlug ? std::string() : slug + f.ext) + "#" + main.name;
}

// Prose with every name of the table linked to its entry.
std::string Prose(const Format& f, const char* text, const std::string& slug) {
    std::string out;
    std::string_view s = text ? text : "";
    std::size_t i = 0;
    auto word = [](char c) {
        return std::isupper(static_cast<unsigned char>(c)) ||
               std::isdigit(static_cast<unsigned char>(c)) || c == '_';
    };
    while (i < s.size()) {
        if (word(s[i]) && (i == 0 || !std::isalnum(static_cast<unsigned char>(s[i - 1])))) {
            std::size_t j = i;
            while (j < s.size() && word(s[j])) ++j;
            const std::string_view w = s.substr(i, j - i);
            if (const CatalogueEntry* e = Find(w);
                e && (j == s.size() || !std::isalnum(static_cast<unsigned char>(s[j])))) {
                out += f.Link(f.Code(w), Target(f, *e, slug));
                i = j;
                continue;
            }
            out += f.Escape(w);
            i = j;
            continue;
        }
        out += f.Escape(s.substr(i, 1));
        ++i;
    }
    return out;
}

std::string Title(const Format& f, const std::string& text, int level) {
    if (f.html)
        return "<h" + std::to_string(level) + ">" + f.Escape(text) + "</h" + std::to_string(level) +
               ">\n";
    return std::string(level, '#') + " " + text + "\n\n";
}

std::string Para(const Format& f, const std::string& inner) {
    return f.html ? "<p>" + inner + "</p>\n" : inner + "\n\n";
}

std::string Labelled(const Format& f, const char* label, const std::string& inner) {
    return Para(f, (f.html ? std::string("<strong>") + label + ".</strong> "
                           : std::string("**") + label + ".** ") +
                       inner);
}

// A table: header cells and rows of cells already formatted.
std::string Table(const Format& f, const std::vector<std::string>& head,
                  const std::vector<std::vector<std::string>>& rows) {
    std::string s;
    if (f.html) {
        s += "<table>\n<thead><tr>";
        for (const std::string& h : head) s += "<th>" + h + "</th>";
        s += "</tr></thead>\n<tbody>\n";
        for (const auto& r : rows) {
            s += "<tr>";
            for (const std::string& c : r) s += "<td>" + c + "</td>";
            s += "</tr>\n";
        }
        return s + "</tbody>\n</table>\n";
    }
    s += "|";
    for (const std::string& h : head) s += " " + h + " |";
    s += "\n|";
    for (std::size_t i = 0; i < head.size(); ++i) s += "---|";
    s += "\n";
    for (const auto& r : rows) {
        s += "|";
        for (const std::string& c : r) s += " " + c + " |";
        s += "\n";
    }
    return s + "\n";
}

// Every page's way to the others: all names, coverage and each family.
std::string VersionLine(const Format& f) {
    std::string families;
    for (const Page& p : Pages())
        families += (families.empty() ? "" : " · ") + f.Link(f.Escape(p.family->title), p.slug + f.ext);
    std::string s = "TARVO " + std::string(TARVO_VERSION_TEXT) + " reference: " +
                    f.Link("all names", std::string("index") + f.ext) + ", " +
                    f.Link("coverage", std::string("coverage") + f.ext) + ". Families: " + families + ".";
    return f.html ? "<p class=\"families\">" + s + "</p>\n" : s + "\n\n";
}

// The rows an entry names in its documentation, and those that name it:
// main names, in table order, the entry and its aliases left out.
std::vector<const CatalogueEntry*> SeeAlso(const CatalogueEntry& e) {
    auto names = [](const CatalogueEntry& row) {
        std::set<std::string> out;
        const Doc& d = row.doc;
        for (const char* text : {d.summary, d.params, d.result, d.errors, d.notes}) {
            std::string_view s = text ? text : "";
            std::size_t i = 0;
            while (i < s.size()) {
                auto word = [&](std::size_t k) {
                    return k < s.size() && (std::isupper(static_cast<unsigned char>(s[k])) ||
                                            std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '_');
                };
                if (!word(i)) {
                    ++i;
                    continue;
                }
                std::size_t j = i;
                while (word(j)) ++j;
                if (const CatalogueEntry* named = Find(s.substr(i, j - i))) out.insert(Main(*named).name);
                i = j;
            }
        }
        return out;
    };
    static const std::map<std::string, std::set<std::string>> named = [&] {
        std::map<std::string, std::set<std::string>> m;
        for (const CatalogueEntry& row : Catalogue())
            if (!row.doc.aliasOf) m[row.name] = names(row);
        return m;
    }();
    std::vector<const CatalogueEntry*> out;
    const std::set<std::string>& mine = named.at(e.name);
    for (const CatalogueEntry& row : Catalogue()) {
        if (row.doc.aliasOf || &row == &e) continue;
        const auto theirs = named.find(row.name);
        if (mine.count(row.name) || (theirs != named.end() && theirs->second.count(e.name)))
            out.push_back(&row);
    }
    return out;
}

// --- one name ---------------------------------------------------------------------

std::string Entry(const Format& f, const CatalogueEntry& e, const std::string& slug) {
    const Doc& d = e.doc;
    std::string s;
    if (f.html) {
        s += "<section id=\"" + std::string(e.name) + "\">\n<h2>" + e.name + "</h2>\n";
    } else {
        s += "<a id=\"" + std::string(e.name) + "\"></a>\n\n## " + e.name + "\n\n";
    }
    s += Para(f, f.Code(TypedSignature(e)));
    s += Para(f, Prose(f, d.summary ? d.summary : "(not described yet)", slug));

    const std::vector<DocParam> params = DocParams(e);
    if (!params.empty()) {
        std::vector<std::vector<std::string>> rows;
        for (const DocParam& p : params)
            rows.push_back({f.Code(p.name),
                            f.Escape(std::string(TypeName(p.type.letter)) +
                                     (p.type.optional ? ", optional" : "")),
                            Prose(f, p.meaning.c_str(), slug)});
        s += Table(f, {"Parameter", "Type", "Meaning"}, rows);
    }
    if (d.result) s += Labelled(f, "Result", Prose(f, d.result, slug));
    s += Labelled(f, "Errors", d.errors ? Prose(f, d.errors, slug) : std::string("None."));
    const std::vector<const CatalogueEntry*> aliases = AliasesOf(e);
    if (!aliases.empty()) {
        std::string list;
        for (const CatalogueEntry* a : aliases) {
            if (!list.empty()) list += ", ";
            list += f.Code(Signature(*a));
        }
        s += Labelled(f, aliases.size() == 1 ? "Alias" : "Aliases", list);
    }
    if (d.notes) s += Labelled(f, "Notes", Prose(f, d.notes, slug));
    const std::vector<const CatalogueEntry*> related = SeeAlso(e);
    if (!related.empty()) {
        std::string list;
        for (const CatalogueEntry* r : related)
            list += (list.empty() ? "" : ", ") + f.Link(f.Code(r->name), Target(f, *r, slug));
        s += Labelled(f, "See also", list);
    }
    if (d.example) {
        s += f.html ? "<p><strong>Example</strong></p>\n" : "**Example**\n\n";
        s += f.Block(d.example, "foxpro");
        if (d.output) {
            s += Para(f, "prints");
            s += f.Block(d.output, "");
        } else {
            s += Para(f, "This example is not run by the tests: the call " +
                             f.Escape(e.noFuzz ? e.noFuzz : "cannot run unattended") + ".");
        }
    }
    if (f.html) s += "</section>\n";
    return s;
}

// --- whole pages ------------------------------------------------------------------

std::string HtmlPage(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" +
           title +
           " - TARVO " TARVO_VERSION_TEXT
           "</title>\n"
           "<link rel=\"stylesheet\" href=\"reference.css\">\n</head>\n<body>\n"
           "<nav><a href=\"index.html\">TARVO " TARVO_VERSION_TEXT
           "</a>\n"
           "<input id=\"search\" type=\"search\" placeholder=\"Search: words in any order, or a name\" "
           "autocomplete=\"off\">\n<ul id=\"hits\"></ul></nav>\n<main>\n" +
           body +
           "</main>\n<script src=\"minisearch/minisearch.js\"></script>\n"
           "<script src=\"names.js\"></script>\n<script src=\"search.js\"></script>\n"
           "</body>\n</html>\n";
}

std::string FamilyPage(const Format& f, const Page& p) {
    std::string s = Title(f, p.family->title, 1);
    s += VersionLine(f);
    s += Para(f, Prose(f, p.family->about, p.slug));
    std::vector<std::vector<std::string>> rows;
    for (const CatalogueEntry* e : p.entries) {
        if (e->doc.aliasOf) continue;
        rows.push_back({f.Link(f.Code(e->name), "#" + std::string(e->name)),
                        Prose(f, e->doc.summary, p.slug)});
    }
    s += Table(f, {"Name", "What it does"}, rows);
    for (const CatalogueEntry* e : p.entries)
        if (!e->doc.aliasOf) s += Entry(f, *e, p.slug);
    return f.html ? HtmlPage(f.Escape(p.family->title), s) : s;
}

std::string IndexPage(const Format& f) {
    std::string s = Title(f, "TARVO " TARVO_VERSION_TEXT " reference", 1);
    s += VersionLine(f);
    s += Para(f, "TARVO.fll adds these functions to the host language. Load it with " +
                     f.Code("SET LIBRARY TO TARVO.fll") +
                     "; KERNEL.DLL belongs in the Windows system directory. Every name is "
                     "called like a built-in function. When the arguments do not fit a "
                     "name's parameters (too many, or of another type) the host raises error "
                     "11 before the library is called; an optional parameter may be left out.");
    s += Para(f,
              "Parameter names start with the letter of their type: c text, n number or "
              "integer, l logical, d date, e any type. Every example runs in the tests "
              "through tarvo-run, which prints the host's way: " +
                  f.Code("?") +
                  " starts a new line and writes numbers right-aligned in ten columns, "
                  "logical values as .T. and .F. A carriage return that a function writes "
                  "shows as a line break.");
    s += Para(f, f.Escape(CoverageLine()) + " " +
                     f.Link("Coverage", std::string("coverage") + f.ext) +
                     " lists every record, in this build or not yet.");
    std::vector<std::vector<std::string>> fams;
    for (const Page& p : Pages()) {
        std::size_t n = p.entries.size();
        fams.push_back({f.Link(f.Escape(p.family->title), p.slug + f.ext), std::to_string(n)});
    }
    s += Title(f, "Families", 2);
    s += Table(f, {"Family", "Names"}, fams);

    std::vector<const CatalogueEntry*> all;
    for (const CatalogueEntry& e : Catalogue()) all.push_back(&e);
    std::sort(all.begin(), all.end(),
              [](auto* a, auto* b) { return std::strcmp(a->name, b->name) < 0; });
    static const std::map<std::string, std::string> pages = PageOfName();
    std::vector<std::vector<std::string>> rows;
    for (const CatalogueEntry* e : all) {
        const std::string what =
            e->doc.aliasOf ? "Alias of " + f.Link(f.Code(e->doc.aliasOf), Target(f, *e, ""))
                           : Prose(f, e->doc.summary, "");
        const auto page = pages.find(e->name);
        const std::string family =
            page == pages.end() ? std::string() : f.Link(f.Escape(e->family), page->second + f.ext);
        rows.push_back({f.Link(f.Code(e->name), Target(f, *e, "")), family, what});
    }
    s += Title(f, "All names", 2);
    s += Table(f, {"Name", "Family", "What it does"}, rows);
    return f.html ? HtmlPage("Reference", s) : s;
}

// Every record of the complete library by family: the names this build has
// (linked to their entries when `linked`) and those it has not yet.
std::string CoveragePage(const Format& f, bool linked) {
    std::string s = Title(f, "Coverage: what this build has", 1);
    if (linked) s += VersionLine(f);
    s += Para(f, f.Escape(CoverageLine()) +
                     " A record is a name with its parameters, as the function table of the "
                     "complete library lists it; a few names stand twice. A call of a name "
                     "listed here as not yet fails as a call of any unknown name does.");
    std::vector<std::vector<std::string>> rows;
    const std::vector<CoverageFamily> families = Coverage();
    for (const CoverageFamily& c : families)
        rows.push_back({f.Link(f.Code(c.family), "#family-" + Slug(c.family.c_str())),
                        std::to_string(c.recordsIn + c.recordsMissing),
                        std::to_string(c.recordsIn), std::to_string(c.recordsMissing)});
    s += Table(f, {"Family", "Records", "In this build", "Not yet"}, rows);
    auto list = [&](const std::vector<const ManifestRecord*>& names, bool present) {
        std::string out;
        for (const ManifestRecord* r : names) {
            if (!out.empty()) out += ", ";
            const CatalogueEntry* e = present && linked ? Find(r->name) : nullptr;
            out += e ? f.Link(f.Code(r->name), Target(f, *e, "")) : f.Code(r->name);
        }
        return out;
    };
    for (const CoverageFamily& c : families) {
        const std::string id = "family-" + Slug(c.family.c_str());
        s += f.html ? "<h2 id=\"" + id + "\">" + f.Escape(c.family) + "</h2>\n"
                    : "<a id=\"" + id + "\"></a>\n\n## " + c.family + "\n\n";
        if (!c.present.empty()) s += Labelled(f, "In this build", list(c.present, true));
        if (!c.missing.empty()) s += Labelled(f, "Not yet", list(c.missing, false));
    }
    return f.html ? HtmlPage("Coverage", s) : s;
}

std::string Json(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '<') {
            out += "\\u003c";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// The search box's data: every name with its page and summary; a main
// name with its parameters, notes and aliases, an alias with its main name.
std::string NamesScript() {
    const Format f{true, ".html"};
    std::string s =
        "// Every name of the reference, for the search box (search.js):\n"
        "// n name, p page, s summary, a main name of an alias, w parameters,\n"
        "// o notes, l aliases, x not in this build yet.\nvar TARVO_NAMES = [\n";
    for (const CatalogueEntry& e : Catalogue()) {
        const CatalogueEntry& main = Main(e);
        s += "  {\"n\": " + Json(e.name) + ", \"p\": " + Json(Target(f, e, "")) +
             ", \"s\": " + Json(main.doc.summary ? main.doc.summary : "");
        if (e.doc.aliasOf) {
            s += ", \"a\": " + Json(e.doc.aliasOf);
        } else {
            std::string aliases;
            for (const CatalogueEntry* a : AliasesOf(e)) aliases += (aliases.empty() ? "" : " ") + std::string(a->name);
            s += ", \"w\": " + Json(e.doc.params ? e.doc.params : "") +
                 ", \"o\": " + Json(e.doc.notes ? e.doc.notes : "") + ", \"l\": " + Json(aliases);
        }
        s += "},\n";
    }
    // The names of the complete library this build has not yet.
    for (const CoverageFamily& c : Coverage())
        for (const ManifestRecord* r : c.missing)
            s += "  {\"n\": " + Json(r->name) + ", \"p\": " +
                 Json("coverage.html#family-" + Slug(c.family.c_str())) +
                 ", \"s\": \"Not in this build yet (" + c.family + " family).\", \"x\": 1},\n";
    return s + "];\nif (typeof module === 'object' && module.exports) module.exports = TARVO_NAMES;\n";
}

}  // namespace

std::string CoverageMarkdown() { return CoveragePage(Format{false, ".md"}, false); }

void WriteMarkdown(const fs::path& dir) {
    const Format f{false, ".md"};
    WriteFile(dir / "index.md", IndexPage(f));
    WriteFile(dir / "coverage.md", CoveragePage(f, true));
    for (const Page& p : Pages()) WriteFile(dir / (p.slug + ".md"), FamilyPage(f, p));
}

void WriteHtml(const fs::path& dir, const fs::path& assets) {
    const Format f{true, ".html"};
    WriteFile(dir / "index.html", IndexPage(f));
    WriteFile(dir / "coverage.html", CoveragePage(f, true));
    for (const Page& p : Pages()) WriteFile(dir / (p.slug + ".html"), FamilyPage(f, p));
    WriteFile(dir / "names.js", NamesScript());
    for (const char* asset : {"search.js", "reference.css", "minisearch/minisearch.js", "minisearch/LICENSE.txt"}) {
        fs::create_directories((dir / asset).parent_path());
        fs::copy_file(assets / asset, dir / asset, fs::copy_options::overwrite_existing);
    }
}

}  // namespace tarvo::ref
