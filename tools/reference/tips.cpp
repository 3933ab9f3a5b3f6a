// The editor tips program: a host-language program that registers every
// callable name in the host's editor tips table (_FOXCODE) with its
// signature and one-line tip, and removes them again when run with a
// parameter.
#include <set>
#include <string>
#include <vector>

#include "host/doc_check.h"
#include "host/version.h"
#include "reference.h"

namespace tarvo::ref {
namespace {

// A host-language literal for `text`: between double quotes, apostrophes or
// brackets, whichever it does not contain, or pieces joined with CHR(34).
std::string Literal(const std::string& text) {
    if (text.find('"') == std::string::npos) return "\"" + text + "\"";
    if (text.find('\'') == std::string::npos) return "'" + text + "'";
    if (text.find(']') == std::string::npos) return "[" + text + "]";
    std::string out, piece;
    for (char c : text) {
        if (c == '"') {
            out += (out.empty() ? "" : " + ") + Literal(piece) + " + CHR(34)";
            piece.clear();
        } else {
            piece += c;
        }
    }
    return out + " + " + Literal(piece);
}

}  // namespace

std::string TipsProgram() {
    std::string s =
        "* TARVO " TARVO_VERSION_TEXT
        ": editor tips for the functions of TARVO.fll.\n"
        "*\n"
        "*   DO tarvo_tips                      adds every name to the IntelliSense table\n"
        "*   DO tarvo_tips WITH \"REMOVE\"        removes them again\n"
        "*   DO tarvo_tips WITH \"\", \"other.dbf\" works on another table of the same structure\n"
        "*\n"
        "* Each name gets one record of type \"F\" (a function): ABBREV and EXPANDED hold the\n"
        "* name (cut to their widths), TIP its signature and what it does, CASE \"U\" keeps it\n"
        "* in upper case and SAVE keeps the record when the table is cleaned up. Records of\n"
        "* type \"F\" of these names (as ABBREV holds them, cut to 24 characters) go first,\n"
        "* in one pass over the table, so the program can run again after an update.\n"
        "* Generated from the library's declarations; do not edit.\n"
        "LPARAMETERS tcRemove, tcTable\n"
        "LOCAL lnSelect, lcNames\n"
        "lnSelect = SELECT()\n"
        "USE (IIF(EMPTY(tcTable), _FOXCODE, tcTable)) AGAIN SHARED IN 0 ALIAS tarvotips\n"
        "SELECT tarvotips\n";
    // Every name that can be called, once (a name standing twice in the
    // table gets one record; the hooks cannot be called by name).
    std::vector<const CatalogueEntry*> callable;
    std::set<std::string> seen;
    for (const CatalogueEntry& e : Catalogue())
        if (e.count >= 0 && seen.insert(e.name).second) callable.push_back(&e);
    // The names between bars, a few to a line.
    s += "lcNames = \"|\"\n";
    std::string line;
    for (const CatalogueEntry* e : callable) {
        line += std::string(e->name).substr(0, 24) + "|";
        if (line.size() > 180) {
            s += "lcNames = lcNames + \"" + line + "\"\n";
            line.clear();
        }
    }
    if (!line.empty()) s += "lcNames = lcNames + \"" + line + "\"\n";
    s += "DELETE FOR UPPER(type) == \"F\" AND \"|\" + UPPER(ALLTRIM(abbrev)) + \"|\" $ lcNames\n"
         "IF EMPTY(tcRemove)\n";
    for (const CatalogueEntry* ep : callable) {
        const CatalogueEntry& e = *ep;
        const CatalogueEntry* found = MainEntry(Catalogue(), e);
        const CatalogueEntry* main = found ? found : &e;
        std::string tip = main->doc.summary ? main->doc.summary : "";
        if (e.doc.aliasOf) tip += " (The same as " + std::string(e.doc.aliasOf) + ".)";
        s += "=TarvoTip(" + Literal(e.name) + ", " + Literal(TypedSignature(e)) + ", " + Literal(tip) +
             ")\n";
    }
    s += "ENDIF\n"
         "USE IN tarvotips\n"
         "SELECT (lnSelect)\n"
         "\n"
         "PROCEDURE TarvoTip(tcName, tcSignature, tcTip)\n"
         "  APPEND BLANK\n"
         "  REPLACE type WITH \"F\", abbrev WITH tcName, expanded WITH tcName, ;\n"
         "    tip WITH tcSignature + CHR(13) + CHR(10) + tcTip, case WITH \"U\", save WITH .T., "
         ";\n"
         "    timestamp WITH DATETIME()\n"
         "ENDPROC\n";
    return s;
}

}  // namespace tarvo::ref
