// The function table as the host receives it, against the manifest of all
// 973 records (tests/manifest/functions.inc) and against the catalogue that
// the reference and the fuzzer read.
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "dll_test.h"
#include "host/catalogue.h"

namespace tarvo::test {
namespace {

struct ManifestRow {
    const char* name;
    int count;
    const char* types;
    const char* group;  // the first name of its handler group; "" for that name
};

const ManifestRow kManifest[] = {
#define M(name, count, types, group) {name, count, types, group},
#include "tests/manifest/functions.inc"
#undef M
};

using TableTest = DllTest;

// Every record present matches its manifest row exactly; names share a
// handler exactly when the manifest puts them in one group.
TEST_F(TableTest, EveryRecordMatchesTheManifest) {
    std::map<std::string, const ManifestRow*> rows;
    std::map<std::string, int> expectedTimes;
    for (const ManifestRow& r : kManifest) {
        rows[r.name] = &r;
        ++expectedTimes[r.name];
    }
    std::map<std::string, int> seenTimes;
    std::map<std::string, std::uint32_t> handlerOfGroup;
    std::map<std::uint32_t, std::string> groupOfHandler;
    for (const run::FunctionInfo& f : host.functions()) {
        SCOPED_TRACE(f.name);
        auto it = rows.find(f.name);
        ASSERT_NE(it, rows.end()) << "not a name of the library";
        const ManifestRow& r = *it->second;
        EXPECT_FALSE(f.typesNull);
        EXPECT_EQ(f.count, r.count);
        EXPECT_EQ(f.types, r.types);
        EXPECT_LE(++seenTimes[f.name], expectedTimes[f.name]) << "listed too often";
        const std::string group = *r.group ? r.group : r.name;
        auto [h, newGroup] = handlerOfGroup.emplace(group, f.handler);
        EXPECT_EQ(h->second, f.handler) << "shares the handler of " << group;
        auto [g, newHandler] = groupOfHandler.emplace(f.handler, group);
        EXPECT_EQ(g->second, group) << "a handler of another group";
    }
    const auto& fns = host.functions();
    ASSERT_GE(fns.size(), 2u);
    EXPECT_EQ(fns[fns.size() - 2].name, "TARVOIN");
    EXPECT_EQ(fns.back().name, "TARVOOUT");
    std::printf("[ table    ] %zu of %zu records present\n", fns.size(), std::size(kManifest));
}

// The catalogue holds exactly the table's rows, and every row kept away
// from the fuzzer says why.
TEST_F(TableTest, CatalogueListsTheTable) {
    std::multiset<std::tuple<std::string, int, std::string>> table, catalogue;
    for (const run::FunctionInfo& f : host.functions()) table.insert({f.name, f.count, f.types});
    for (const CatalogueEntry& e : Catalogue()) {
        catalogue.insert({e.name, e.count, e.types});
        if (e.noFuzz) EXPECT_GT(std::string(e.noFuzz).size(), 10u) << e.name;
        if (e.doc.aliasOf) {
            ASSERT_NE(host.Find(e.doc.aliasOf), nullptr) << e.name;
            EXPECT_EQ(host.Find(e.name)->handler, host.Find(e.doc.aliasOf)->handler) << e.name;
        }
    }
    EXPECT_EQ(catalogue, table);
}

}  // namespace
}  // namespace tarvo::test
