#include "host/doc_text.h"

#include <algorithm>
#include <cstring>

#include "host/doc_check.h"

namespace tarvo {
namespace {

// `text` wrapped at 78 columns, every line after `indent`; its own line
// breaks stay.
std::string Wrapped(std::string_view text, const std::string& indent) {
    std::string out, line = indent;
    auto flush = [&] {
        out += line + "\n";
        line = indent;
    };
    std::size_t i = 0;
    while (i <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \n", i), text.size());
        const std::string_view word = text.substr(i, end - i);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 78) flush();
        if (line.size() > indent.size()) line += ' ';
        line += word;
        if (end == text.size()) break;
        if (text[end] == '\n') flush();
        i = end + 1;
    }
    if (line.size() > indent.size()) flush();
    return out;
}

std::string Block(std::string_view text, const std::string& indent) {
    std::string out;
    std::size_t i = 0;
    while (i <= text.size()) {
        std::size_t nl = text.find('\n', i);
        if (nl == std::string_view::npos) nl = text.size();
        std::string line(text.substr(i, nl - i));
        for (char& c : line)
            if (c == '\r') c = ' ';  // a carriage return alone (LZH progress)
        out += indent + line + "\n";
        i = nl + 1;
    }
    return out;
}

}  // namespace

std::string DocText(const CatalogueEntry& entry) {
    const CatalogueEntry* found = MainEntry(Catalogue(), entry);
    const CatalogueEntry& main = found ? *found : entry;
    const Doc& d = main.doc;
    std::string s = TypedSignature(entry) + "\n";
    if (entry.doc.aliasOf) s += "  (another name of " + std::string(entry.doc.aliasOf) + ")\n";
    s += "\n" + Wrapped(d.summary ? d.summary : "(not described yet)", "");
    const std::vector<DocParam> params = DocParams(main);
    if (!params.empty()) {
        s += "\nParameters:\n";
        for (const DocParam& p : params)
            s += Wrapped(p.name + (p.type.optional ? " (optional)" : "") + ": " + p.meaning, "  ");
    }
    if (d.result) s += "\nResult:\n" + Wrapped(d.result, "  ");
    s += "\nErrors:\n" + Wrapped(d.errors ? d.errors : "None.", "  ");
    if (d.notes) s += "\nNotes:\n" + Wrapped(d.notes, "  ");
    std::string aliases;
    for (const CatalogueEntry& e : Catalogue())
        if (e.doc.aliasOf && std::strcmp(e.doc.aliasOf, main.name) == 0 && &e != &entry)
            aliases += (aliases.empty() ? "" : ", ") + std::string(e.name);
    if (&main != &entry) aliases = main.name + (aliases.empty() ? "" : ", " + aliases);
    if (!aliases.empty()) s += "\nAlso called:\n" + Wrapped(aliases, "  ");
    if (d.example) {
        s += "\nExample:\n" + Block(d.example, "  ");
        if (d.output) s += "prints:\n" + Block(d.output, "  ");
    }
    s += "\nFamily: " + std::string(main.family) + "\n";
    return s;
}

}  // namespace tarvo
