#include "files/tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tarvo {
namespace {

// A directory tree in memory: each directory's entries in listing order
// (names ending in "/" are directories).
struct FakeTree {
    std::map<std::string, std::vector<std::string>> dirs;
    int listings = 0;
    bool List(const std::string& dir, const EntryVisitor& entry) {
        auto it = dirs.find(dir);
        if (it == dirs.end()) return false;
        ++listings;
        for (const std::string& e : it->second) {
            const bool isDir = !e.empty() && e.back() == '/';
            if (!entry(isDir ? e.substr(0, e.size() - 1) : e, isDir)) break;
        }
        return true;
    }
    std::string Walk(const std::string& top, std::int64_t capacity, bool* answer = nullptr) {
        std::string list;
        const bool ok = ListSubdirectories(
            top, capacity, list,
            [this](const std::string& d, const EntryVisitor& e) { return List(d, e); });
        if (answer) *answer = ok;
        return list;
    }
};

FakeTree Sample() {
    return {{{"C:\\a", {"./", "../", "b/", "f.txt", "d/"}},
             {"C:\\a\\b", {"./", "../", "c/"}},
             {"C:\\a\\b\\c", {"./", "../"}},
             {"C:\\a\\d", {"./", "../", "g.txt"}}}};
}

TEST(Tree, DepthFirstFullPaths) {
    FakeTree t = Sample();
    bool ok = false;
    EXPECT_EQ(t.Walk("C:\\a", 1000, &ok), "C:\\a\\b;C:\\a\\b\\c;C:\\a\\d;");
    EXPECT_TRUE(ok);
    EXPECT_EQ(t.Walk("C:\\a\\b\\c", 1000, &ok), "");
    EXPECT_TRUE(ok) << "no subdirectories is an empty list, not a failure";
    EXPECT_EQ(t.Walk("C:\\missing", 1000, &ok), "");
    EXPECT_FALSE(ok);
}

TEST(Tree, CapacityLimits) {
    FakeTree t = Sample();
    bool ok = false;
    // Exactly enough for all three paths and their ";".
    EXPECT_EQ(t.Walk("C:\\a", 23, &ok), "C:\\a\\b;C:\\a\\b\\c;C:\\a\\d;");
    EXPECT_TRUE(ok);
    // One less: C:\a\d no longer fits at the top level.
    EXPECT_EQ(t.Walk("C:\\a", 22, &ok), "C:\\a\\b;C:\\a\\b\\c;");
    EXPECT_FALSE(ok);
    // Room for b and d but not c: b's own listing stops, the walk goes on with d.
    EXPECT_EQ(t.Walk("C:\\a", 15, &ok), "C:\\a\\b;C:\\a\\d;");
    EXPECT_TRUE(ok);
    EXPECT_EQ(t.Walk("C:\\a", 0, &ok), "");
    EXPECT_FALSE(ok);
}

TEST(Tree, EachDirectoryListedOnce) {
    // A deep chain and a wide level: the walk lists every directory once.
    FakeTree t;
    std::string dir = "R";
    for (int i = 0; i < 50; ++i) {
        t.dirs[dir] = {"n/"};
        dir += "\\n";
    }
    t.dirs[dir] = {};
    for (int i = 0; i < 500; ++i) {
        t.dirs[dir].push_back("w" + std::to_string(i) + "/");
        t.dirs[dir + "\\w" + std::to_string(i)] = {"file"};
    }
    const std::string list = t.Walk("R", 1 << 30);
    EXPECT_EQ(std::count(list.begin(), list.end(), ';'), 550);
    EXPECT_EQ(t.listings, 551);
}

}  // namespace
}  // namespace tarvo
