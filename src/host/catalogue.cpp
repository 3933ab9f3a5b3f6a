// Every family's rows, with their documentation and fuzz marks. A new family
// adds its rows file here (and its accessor to table_win.cpp); the tests
// check that both list the same names.
#include "host/catalogue.h"

#include "host/table.h"

#define DOC(...) ::tarvo::Doc{__VA_ARGS__}
#define ALIAS_OF(main) ::tarvo::Doc{.aliasOf = main}
#define UNDOCUMENTED ::tarvo::Doc{}
#define ROW(name, types, doc, ...) {FAMILY, name, types, ::tarvo::EntryCount(types), nullptr, doc},
#define ROW_NOFUZZ(name, types, why, doc, ...) {FAMILY, name, types, ::tarvo::EntryCount(types), why, doc},
#define HOOK(name, count, doc, ...) {FAMILY, name, "", count, "the host runs it itself", doc},

namespace tarvo {
namespace {

const CatalogueEntry kEntries[] = {
#define FAMILY "Tests and obsolete names"
#include "host/test_rows.h"
#undef FAMILY
#define FAMILY "LZH compression"
#include "strings/lzh_rows.h"
#undef FAMILY
#define FAMILY "Strings: tokenizer"
#include "strings/tokenizer_rows.h"
#undef FAMILY
#define FAMILY "Strings: transforms"
#include "strings/transforms_rows.h"
#undef FAMILY
#define FAMILY "Strings: searches and extraction"
#include "strings/searches_rows.h"
#undef FAMILY
#define FAMILY "Load and unload hooks"
#include "host/hook_rows.h"
#undef FAMILY
};

}  // namespace

std::span<const CatalogueEntry> Catalogue() { return kEntries; }

}  // namespace tarvo
