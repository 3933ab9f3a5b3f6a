// The manifest of the complete library, as the reference's coverage reads it.
#include "host/manifest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/catalogue.h"
#include "host/doc_text.h"

namespace tarvo {
namespace {

TEST(Manifest, HoldsEveryRecordAndEveryRowOfThisBuild) {
    EXPECT_EQ(Manifest().size(), 973u);
    for (const CatalogueEntry& e : Catalogue()) EXPECT_NE(FindInManifest(e.name), nullptr) << e.name;
    EXPECT_EQ(FindInManifest("STR_REVRS"), nullptr);
    EXPECT_EQ(FindInManifest("str_left"), nullptr);  // names are upper case
}

TEST(Manifest, FamilyIsTheNamesPrefixElseItsGroupsElseOtherNames) {
    auto family = [](const char* name, const char* group) {
        return ManifestFamily(ManifestRecord{name, 0, "", group});
    };
    EXPECT_EQ(family("STR_LEFT", ""), "STR_");
    EXPECT_EQ(family("KBD_ESC", "KEY_ESC"), "KBD_");             // its own prefix first
    EXPECT_EQ(family("READBITMAPHEADER", "BMP_HEADER"), "BMP_");  // an old name: its group's
    EXPECT_EQ(family("TARVOIN", ""), "other names");
    EXPECT_EQ(family("_X", ""), "other names");  // "_" at the start is no prefix
    EXPECT_EQ(family("X_", ""), "other names");  // nor a name that ends there
    std::set<std::string> families;
    for (const ManifestRecord& r : Manifest()) families.insert(ManifestFamily(r));
    EXPECT_TRUE(families.count("REG_"));
    EXPECT_TRUE(families.count("DAT_"));
}

TEST(DocText, ShowsTheWholeEntryWrapped) {
    const CatalogueEntry* e = nullptr;
    for (const CatalogueEntry& c : Catalogue())
        if (std::string(c.name) == "STR_LEFT") e = &c;
    ASSERT_NE(e, nullptr);
    const std::string text = DocText(*e);
    for (const char* part : {"STR_LEFT(cText, nCount) -> text\n", "\nParameters:\n  cText: ",
                             "\nResult:\n", "\nErrors:\n", "\nExample:\n  ? STR_LEFT(", "prints:\n",
                             "\nFamily: Strings: transforms\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin:\n" << text;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        EXPECT_LE(end - start, 78u) << text.substr(start, end - start);
        start = end + 1;
    }
}

}  // namespace
}  // namespace tarvo
