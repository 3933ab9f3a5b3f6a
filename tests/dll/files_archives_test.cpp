// What the archive handlers add to the companion's pair (tested with the
// companion): the arguments in order, the result and the last-error text of
// each status, and no target left behind by a refused archive.
#include "files_test.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

TEST_F(FilesTest, ArchivesRoundTripAndRefusals) {
    std::string content;
    for (int i = 0; i < 2000; ++i) content += "row " + std::to_string(i % 37) + "\n";
    WriteAll(At("a.txt"), content);
    Expect({{"FIL_ZIPLASTERROR", {}, ""},
            {"FIL_ZIP", {C("a.txt"), C("a.zip")}, ".T."},
            {"FIL_UNZIP", {C("a.zip"), C("b.txt")}, ".T."},
            {"FIL_ZIPLASTERROR", {}, "The function completed successfully."}});
    EXPECT_EQ(ReadAll(At("b.txt")), content);
    EXPECT_LT(ReadAll(At("a.zip")).size(), content.size() / 4);

    // A wrong CRC (in the local header, at offset 14) and an archive of no
    // entries are refused; nothing is written where the file would go.
    std::string damaged = ReadAll(At("a.zip"));
    damaged[14] ^= 0x55;
    WriteAll(At("crc.zip"), damaged);
    WriteAll(At("none.zip"), "PK\x05\x06" + std::string(18, '\0'));
    Expect({{"FIL_UNZIP", {C("crc.zip"), C("c.txt")}, ".F."},
            {"FIL_ZIPLASTERROR", {}, "Cannot open input file."},
            {"FIL_ZIPLASTERROR", {}, "Cannot open input file."},
            {"FIL_UNZIP", {C("none.zip"), C("c.txt")}, ".F."},
            {"FIL_UNZIP", {C("missing.zip"), C("c.txt")}, ".F."},
            {"FIL_ZIPLASTERROR", {}, "Input file not found."},
            {"FIL_ZIP", {C("a.txt"), C("no\\such\\folder\\a.zip")}, ".F."},
            {"FIL_ZIPLASTERROR", {}, "Cannot open output file."}});
    EXPECT_FALSE(Exists(At("c.txt")));
    // A refused archive leaves an existing target as it was.
    Expect({{"FIL_UNZIP", {C("crc.zip"), C("b.txt")}, ".F."}});
    EXPECT_EQ(ReadAll(At("b.txt")), content);
    for (const char* f : {"a.txt", "a.zip", "crc.zip", "none.zip", "b.txt"})
        EXPECT_TRUE(Released(f)) << f;
}

using ArchivesWithoutCompanion = WithoutCompanion<FilesTest>;

// Without the companion nothing is written and the text says nothing failed.
TEST_F(ArchivesWithoutCompanion, AnswerFalse) {
    WriteAll(At("a.txt"), "x");
    Expect({{"FIL_ZIP", {C("a.txt"), C("a.zip")}, ".F."},
            {"FIL_ZIPLASTERROR", {}, "The function completed successfully."}});
    EXPECT_FALSE(Exists(At("a.zip")));
}

}  // namespace
}  // namespace tarvo::test
