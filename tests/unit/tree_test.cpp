#include "files/tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tarvo {
namespace {

// A directory tree in memory: each directory's entries in listing order
// (names ending in "/" are directories); counts the listings.
struct FakeTree {
    std::map<std::string, std::vector<std::string>> dirs;
    int listings = 0;
    std::string Walk(const std::string& top, std::int64_t capacity, bool* ok = nullptr) {
        std::string list;
        const bool listed = ListSubdirectories(
            top, capacity, list, [this](const std::string& d, const EntryVisitor& entry) {
                auto it = dirs.find(d);
                if (it == dirs.end()) return false;
                ++listings;
                for (const std::string& e : it->second)
                    if (!(e.back() == '/' ? entry(e.substr(0, e.size() - 1), true)
                                          : entry(e, false)))
                        break;
                return true;
            });
        if (ok) *ok = listed;
        return list;
    }
};

TEST(Tree, DepthFirstWithinTheCapacity) {
    FakeTree t{{{"C:\\a", {"./", "../", "b/", "f.txt", "d/"}},
                {"C:\\a\\b", {"./", "../", "c/"}},
                {"C:\\a\\b\\c", {"./", "../"}},
                {"C:\\a\\d", {"./", "../", "g.txt"}}}};
    // Exactly enough for all three paths and their ";"; one less and C:\a\d
    // no longer fits at the top level; room for b and d but not c: b's own
    // listing stops, the walk goes on with d. No subdirectories is an empty
    // list, not a failure.
    const std::tuple<const char*, std::int64_t, const char*, bool> cases[] = {
        {"C:\\a", 1000, "C:\\a\\b;C:\\a\\b\\c;C:\\a\\d;", true},
        {"C:\\a", 23, "C:\\a\\b;C:\\a\\b\\c;C:\\a\\d;", true},
        {"C:\\a", 22, "C:\\a\\b;C:\\a\\b\\c;", false},
        {"C:\\a", 15, "C:\\a\\b;C:\\a\\d;", true},
        {"C:\\a", 0, "", false},
        {"C:\\a\\b\\c", 1000, "", true},
        {"C:\\missing", 1000, "", false},
    };
    for (const auto& [top, capacity, list, answer] : cases) {
        bool ok = !answer;
        EXPECT_EQ(t.Walk(top, capacity, &ok), list) << top << " " << capacity;
        EXPECT_EQ(ok, answer) << top << " " << capacity;
    }
}

TEST(Tree, EachDirectoryListedOnce) {
    // A deep chain and a wide level: the walk lists every directory once.
    FakeTree t;
    std::string dir = "R";
    for (int i = 0; i < 50; ++i, dir += "\\n") t.dirs[dir] = {"n/"};
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
