#include "files/names.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

TEST(FileNames, SplitPathCutsAsTheRuntimeDoes) {
    const std::string path = "C:\\dir\\sub\\file.txt";
    EXPECT_EQ(PathPart(path, 1), "C:");
    EXPECT_EQ(PathPart(path, 2), "\\dir\\sub\\");
    EXPECT_EQ(PathPart(path, 3), "file");
    EXPECT_EQ(PathPart(path, 4), ".txt");
    EXPECT_EQ(PathPart(path, 0), ".txt");
    EXPECT_EQ(PathPart(path, -7), ".txt");

    struct Case {
        const char* path;
        const char* drive;
        const char* dir;
        const char* name;
        const char* ext;
    };
    const Case cases[] = {
        {"", "", "", "", ""},
        {"C:", "C:", "", "", ""},
        {"C:name", "C:", "", "name", ""},
        {"a.b.c", "", "", "a.b", ".c"},
        {"file.", "", "", "file", "."},
        {".profile", "", "", "", ".profile"},
        {"dir.x\\file", "", "dir.x\\", "file",
         ""},  // a period before the last separator is not an extension
        {"/unix/style.tar.gz", "", "/unix/", "style.tar", ".gz"},
        {"\\\\server\\share\\f.txt", "", "\\\\server\\share\\", "f", ".txt"},
        {"x\\", "", "x\\", "", ""},
        {"1:2:3", "1:", "", "2:3", ""},  // only the second character marks a drive
    };
    for (const Case& c : cases) {
        const PathParts p = SplitPath(c.path);
        EXPECT_EQ(p.drive, c.drive) << c.path;
        EXPECT_EQ(p.directory, c.dir) << c.path;
        EXPECT_EQ(p.name, c.name) << c.path;
        EXPECT_EQ(p.extension, c.ext) << c.path;
    }
    // No length limit: a 1000-character directory comes back whole.
    const std::string longDir = "\\" + std::string(1000, 'd') + "\\";
    EXPECT_EQ(SplitPath("C:" + longDir + "n.e").directory.size(), longDir.size());
}

TEST(FileNames, LastComponent) {
    EXPECT_EQ(LastComponent("C:\\dir\\file.txt  \t\r\n\v\f"), "file.txt");
    EXPECT_EQ(LastComponent("A:name"), "name");
    EXPECT_EQ(LastComponent("dir/file.txt"), "dir/file.txt") << "forward slashes do not separate";
    EXPECT_EQ(LastComponent("C:\\dir\\"), "");
    EXPECT_EQ(LastComponent("x\\a:b"), "b") << "a colon after the last backslash";
    EXPECT_EQ(LastComponent("plain"), "plain");
    EXPECT_EQ(LastComponent("   "), "");
    EXPECT_EQ(LastComponent("in ner\\na me "), "na me");
    EXPECT_EQ(LastComponent(std::string(300, 'x') + "\\y"), "y");
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
