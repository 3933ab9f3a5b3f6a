#include "files/names.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

TEST(FileNames, SplitPathCutsAsTheRuntimeDoes) {
    std::string parts;
    for (std::int32_t part : {1, 2, 3, 4, 0, -7})
        parts += std::string(PathPart("C:\\dir\\sub\\file.txt", part)) + "|";
    EXPECT_EQ(parts, "C:|\\dir\\sub\\|file|.txt|.txt|.txt|");

    // Drive, directory, name and extension.
    const std::pair<const char*, const char*> cases[] = {
        {"", "|||"}, {"C:", "C:|||"}, {"C:name", "C:||name|"}, {"a.b.c", "||a.b|.c"},
        {"file.", "||file|."}, {".profile", "|||.profile"},
        {"dir.x\\file", "|dir.x\\|file|"},  // the period is the directory's
        {"/unix/style.tar.gz", "|/unix/|style.tar|.gz"},
        {"\\\\server\\share\\f.txt", "|\\\\server\\share\\|f|.txt"}, {"x\\", "|x\\||"},
        {"1:2:3", "1:||2:3|"},  // only the second character marks a drive
    };
    for (const auto& [path, want] : cases) {
        const PathParts p = SplitPath(path);
        EXPECT_EQ(std::string(p.drive) + "|" + std::string(p.directory) + "|" +
                      std::string(p.name) + "|" + std::string(p.extension),
                  want);
    }
    // No length limit: a 1000-character directory comes back whole.
    const std::string longDir = "\\" + std::string(1000, 'd') + "\\";
    EXPECT_EQ(SplitPath("C:" + longDir + "n.e").directory.size(), longDir.size());
}

TEST(FileNames, LastComponent) {
    // Forward slashes do not separate; a colon after the last backslash does.
    for (const auto& [path, last] :
         {std::pair{"C:\\dir\\file.txt  \t\r\n\v\f", "file.txt"}, {"A:name", "name"},
          {"dir/file.txt", "dir/file.txt"}, {"C:\\dir\\", ""}, {"x\\a:b", "b"},
          {"plain", "plain"}, {"   ", ""}, {"in ner\\na me ", "na me"}})
        EXPECT_EQ(LastComponent(path), last) << path;
}

TEST(FileNames, SlicesJoinsAndSearchPlaces) {
    EXPECT_EQ(SliceName(1), "OUTPUT.1");
    EXPECT_EQ(SliceName(123456), "OUTPUT.123456");
    EXPECT_EQ(JoinPath("C:\\a", "b"), "C:\\a\\b");
    EXPECT_EQ(JoinPath("C:\\", "b"), "C:\\\\b");
    const std::vector<std::string> expected = {"C:\\bin\\f.exe", "D:\\tools\\f.exe", "E:/x/f.exe"};
    EXPECT_EQ(SearchCandidates("f.exe", ";C:\\bin;;D:\\tools\\;E:/x/;"), expected);
    EXPECT_TRUE(SearchCandidates("f.exe", "").empty());
}

}  // namespace
}  // namespace tarvo
