// The archive pair of the companion library: the archives it writes are
// standard ZIP archives that Info-ZIP's unzip opens, it restores archives in
// every form Info-ZIP's zip makes, and it refuses anything else without
// leaving a file behind or touching an existing target.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "kernel/kernel_api.h"
#include "kernel/zip.h"
#include "tests/support/byte_files.h"

namespace fs = std::filesystem;

namespace {

using test_data::Bytes;
using test_data::ReadFile;
using test_data::WriteFile;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Compressible(size_t n) {
    const std::string words = "the quick brown fox jumps over the lazy dog 0123456789\n";
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(words[(i * 7 + i / 97) % words.size()]);
    return b;
}

uint32_t Get16(const Bytes& b, size_t at) { return b[at] | (uint32_t(b[at + 1]) << 8); }
uint32_t Get32(const Bytes& b, size_t at) { return Get16(b, at) | (Get16(b, at + 2) << 16); }
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

class KernelZip : public ::testing::Test {
  protected:
    int Sh(const std::string& command) const {
        return std::system(("cd '" + dir.path.string() + "' && " + command).c_str());
    }
    int Zip(const std::string& source, const std::string& target,
            const knl::ZipFileOps& ops = knl::StdioZipFileOps()) const {
        return knl::ZipFile((dir / source).c_str(), (dir / target).c_str(), ops);
    }
    int Unzip(const std::string& source, const std::string& target,
              const knl::ZipFileOps& ops = knl::StdioZipFileOps()) const {
        return knl::UnzipFile((dir / source).c_str(), (dir / target).c_str(), ops);
    }
    // The names in the directory, sorted: nothing may be left behind.
    std::string Listing() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string all;
        for (const auto& n : names) all += (all.empty() ? "" : " ") + n;
        return all;
    }
    const test_data::TempDir dir;
    const bool haveZip = std::system("command -v zip >/dev/null 2>&1 && command -v unzip >/dev/null 2>&1") == 0;
};

TEST_F(KernelZip, WrittenArchivesRestoreHereAndInUnzip) {
    fs::create_directory(dir.path / "sub");
    const std::pair<const char*, Bytes> inputs[] = {
        {"empty", {}},
        {"one", {'x'}},
        {"sub/chunk.txt", Compressible(65536)},  // the entry is named after the base name
        {"chunk1", Compressible(65537)},
        {"noise", test_data::RandomBytes(300 * 1024 + 3, 7)},
    };
    for (const auto& [name, data] : inputs) {
        SCOPED_TRACE(name);
        WriteFile(dir / name, data);
        ASSERT_EQ(Zip(name, "a.zip"), knl::kZipOk);
        ASSERT_EQ(Unzip("a.zip", "back"), knl::kZipOk);
        EXPECT_EQ(ReadFile(dir / "back"), data);
        if (!haveZip) continue;
        const std::string base = fs::path(name).filename().string();
        EXPECT_EQ(Sh("unzip -tqq a.zip && test \"$(unzip -Z1 a.zip)\" = " + base), 0);
        EXPECT_EQ(Sh("mkdir x && cd x && unzip -qq ../a.zip"), 0);
        EXPECT_EQ(ReadFile(dir.path / "x" / base), data);
        fs::remove_all(dir.path / "x");
    }
    ASSERT_EQ(Zip("chunk1", "c.zip"), knl::kZipOk);
    EXPECT_LT(fs::file_size(dir.path / "c.zip"), 65537u / 4);
    EXPECT_EQ(Listing(), "a.zip back c.zip chunk1 empty noise one sub");

    EXPECT_EQ(knl::ZipEntryName("C:\\data\\file.dbf"), "file.dbf");
    EXPECT_EQ(knl::ZipEntryName("C:file.dbf"), "file.dbf");
    EXPECT_EQ(knl::ZipEntryName("a/b\\c.txt"), "c.txt");
    EXPECT_EQ(knl::ZipEntryName("dir/"), "");
    EXPECT_EQ(knl::ZipEntryName(nullptr), "");
}

// What unzip does not insist on: deflate, no extra fields or comments, the
// file's time in both headers, and that time given back on restoring.
TEST_F(KernelZip, WrittenLayoutAndTimes) {
    WriteFile(dir / "data.txt", Compressible(5000));
    std::tm tm{};
    tm.tm_year = 2001 - 1900, tm.tm_mon = 1, tm.tm_mday = 3, tm.tm_hour = 4, tm.tm_min = 5, tm.tm_sec = 7;
    tm.tm_isdst = -1;
    const utimbuf times{std::mktime(&tm), std::mktime(&tm)};
    ASSERT_EQ(utime((dir / "data.txt").c_str(), &times), 0);
    ASSERT_EQ(Zip("data.txt", "a.zip"), knl::kZipOk);
    const Bytes a = ReadFile(dir / "a.zip");
    const size_t central = Get32(a, a.size() - 6);
    EXPECT_EQ(Get16(a, 8), 8u);
    EXPECT_EQ(Get16(a, central + 10), 8u);
    EXPECT_EQ(Get32(a, 10), 0x2A4320A3u);  // 2001-02-03 04:05:06
    EXPECT_EQ(Get32(a, central + 12), 0x2A4320A3u);
    EXPECT_EQ(a.size(), central + 46 + 8 + 22);
    ASSERT_EQ(Unzip("a.zip", "back"), knl::kZipOk);
    struct stat st {};
    ASSERT_EQ(stat((dir / "back").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, times.modtime - 1);  // DOS times have two-second steps
}

// The writer begins where its stream stands, and counts offsets from there.
TEST_F(KernelZip, ArchiveAfterLeadingData) {
    const Bytes data = test_data::RandomBytes(100000, 11);
    WriteFile(dir / "in", data);
    std::FILE* in = std::fopen((dir / "in").c_str(), "rb");
    std::FILE* out = std::fopen((dir / "a.zip").c_str(), "w+b");
    ASSERT_TRUE(in && out);
    std::fputs("leading bytes", out);
    EXPECT_EQ(knl::ZipWrite(in, out, "entry.bin", 0x2A4320A3u), knl::kZipOk);
    std::fclose(in);
    std::fclose(out);
    EXPECT_TRUE(!haveZip || Sh("unzip -tqq a.zip") == 0);
    ASSERT_EQ(Unzip("a.zip", "out"), knl::kZipOk);
    EXPECT_EQ(ReadFile(dir / "out"), data);
}

TEST_F(KernelZip, RestoresArchivesMadeByInfoZip) {
    if (!haveZip) GTEST_SKIP() << "zip and unzip are not installed";
    const Bytes data = Compressible(150000);
    WriteFile(dir / "in.txt", data);
    const std::string stub = "head -c 777 /dev/urandom > made.zip && zip -q stub.zip in.txt && "
                             "cat stub.zip >> made.zip && rm stub.zip";
    const std::pair<const char*, std::string> cases[] = {
        {"deflated", "zip -qX made.zip in.txt"},
        {"with extra fields", "zip -q made.zip in.txt"},
        {"stored", "zip -q0 made.zip in.txt"},
        {"data descriptor", "zip -q -fz- - in.txt | cat > made.zip"},
        {"zip64 and data descriptor", "cat in.txt | zip -q - - | cat > made.zip"},
        {"zip64 local header", "cat in.txt | zip -q made.zip -"},
        {"comment", "zip -q made.zip in.txt && echo remark | zip -qz made.zip"},
        {"end signature in the comment", "zip -q made.zip in.txt && printf 'PK\\005\\006%018d' 0 | zip -qz made.zip"},
        {"self-extractor stub, adjusted", stub + " && zip -qA made.zip"},
        {"self-extractor stub, not adjusted", stub},
    };
    for (const auto& [what, command] : cases) {
        fs::remove(dir.path / "made.zip");
        ASSERT_EQ(Sh(command), 0) << what;
        EXPECT_EQ(Unzip("made.zip", "out.txt"), knl::kZipOk) << what;
        EXPECT_EQ(ReadFile(dir / "out.txt"), data) << what;
    }
    fs::remove(dir.path / "made.zip");
    ASSERT_EQ(Sh(": > nothing && zip -q made.zip nothing"), 0);  // stored, as zip does with empty files
    ASSERT_EQ(Unzip("made.zip", "out.txt"), knl::kZipOk);
    EXPECT_TRUE(ReadFile(dir / "out.txt").empty());
}

TEST_F(KernelZip, RefusesAnythingButOneIntactFileEntry) {
    const Bytes data = Compressible(20000);
    WriteFile(dir / "in", data);
    ASSERT_EQ(Zip("in", "good.zip"), knl::kZipOk);
    const Bytes good = ReadFile(dir / "good.zip");
    const size_t central = Get32(good, good.size() - 6), packed = Get32(good, 18);

    std::vector<std::pair<std::string, Bytes>> bad;
    auto damage = [&](const char* what, auto change) {
        Bytes b = good;
        change(b);
        bad.emplace_back(what, b);
    };
    damage("flipped data byte", [&](Bytes& b) { b[30 + 2 + packed / 2] ^= 0x55; });
    damage("wrong CRC in both headers", [&](Bytes& b) {
        Put32(b, 14, Get32(good, 14) ^ 1);
        Put32(b, central + 16, Get32(good, 14) ^ 1);
    });
    damage("local CRC differs", [&](Bytes& b) { Put32(b, 14, Get32(good, 14) ^ 0x80000000u); });
    damage("a byte after the deflate data", [&](Bytes& b) {  // the stream must fill the entry exactly
        b.insert(b.begin() + static_cast<long>(30 + 2 + packed), 0);
        Put32(b, 18, packed + 1), Put32(b, central + 1 + 20, packed + 1), Put32(b, b.size() - 6, central + 1);
    });
    for (uint32_t size : {data.size() + 1, data.size() - 1}) {
        damage("wrong size", [&](Bytes& b) { Put32(b, 22, size), Put32(b, central + 24, size); });
    }
    damage("compressed size too small",
           [&](Bytes& b) { Put32(b, 18, packed - 1), Put32(b, central + 20, packed - 1); });
    damage("unknown method", [&](Bytes& b) { b[8] = b[central + 10] = 12; });
    damage("local header offset wrong", [&](Bytes& b) { Put32(b, central + 42, 1); });
    damage("bytes inserted before the directory",
           [&](Bytes& b) { b.insert(b.begin() + static_cast<long>(central), {0, 0, 0, 0}); });
    for (size_t cut = 0; cut < good.size(); cut += (cut < 64 || cut > good.size() - 64) ? 1 : 97)
        bad.emplace_back("cut at " + std::to_string(cut), Bytes(good.begin(), good.begin() + static_cast<long>(cut)));
    Bytes endOnly(22, 0);  // an archive with no entries
    Put32(endOnly, 0, 0x06054b50u);
    bad.emplace_back("end record alone", endOnly);

    if (haveZip) {
        WriteFile(dir / "b.txt", Text("second file"));
        fs::create_directory(dir.path / "folder");
        const std::pair<const char*, const char*> made[] = {
            {"two entries", "zip -q bad.zip in b.txt"},
            {"a directory entry", "zip -q bad.zip folder"},
            {"encrypted", "zip -q -P secret bad.zip in"},
        };
        for (const auto& [what, command] : made) {
            fs::remove(dir.path / "bad.zip");
            ASSERT_EQ(Sh(command), 0) << what;
            bad.emplace_back(what, ReadFile(dir / "bad.zip"));
        }
        fs::remove_all(dir.path / "folder");
        fs::remove(dir.path / "b.txt");
    }
    for (const auto& [what, bytes] : bad) {
        WriteFile(dir / "bad.zip", bytes);
        EXPECT_EQ(Unzip("bad.zip", "out"), knl::kZipInputOpen2) << what;
        ASSERT_FALSE(fs::exists(dir.path / "out")) << what;
    }
    EXPECT_EQ(Listing(), "bad.zip good.zip in");
}

// Both directions share opening the input, the temporary file and the final
// move: each failure is tried once, on whichever direction shows it.
TEST_F(KernelZip, StatusCodesKeepTheTargetAndLeaveNothingBehind) {
    WriteFile(dir / "in", Text("new"));
    fs::create_directory(dir.path / "adir");
    ASSERT_EQ(Zip("in", "a.zip"), knl::kZipOk);
    WriteFile(dir / "target", Text("old"));
    WriteFile(dir / "big", Compressible(200000));
    ASSERT_EQ(Zip("big", "bad.zip"), knl::kZipOk);
    Bytes bad = ReadFile(dir / "bad.zip");
    bad[30 + 3 + Get32(bad, 18) - 10] ^= 0x55;  // late in the data: a part is written before the failure
    WriteFile(dir / "bad.zip", bad);
    knl::ZipFileOps noMove = knl::StdioZipFileOps();  // a platform whose final move fails
    noMove.replace = [](const char*, const char*) { return false; };
    const std::string in = dir / "in";
    const int cases[][2] = {
        {Unzip("nope.zip", "target"), knl::kZipInputMissing},
        {Zip("in/nope", "x.zip"), knl::kZipInputMissing},  // a file taken for a directory
        {knl::ZipFile(nullptr, (dir / "x.zip").c_str(), knl::StdioZipFileOps()), knl::kZipInputMissing},
        {knl::UnzipFile("", (dir / "target").c_str(), knl::StdioZipFileOps()), knl::kZipInputMissing},
        {Unzip("adir", "target"), knl::kZipInputOpen1},
        {Unzip("bad.zip", "target"), knl::kZipInputOpen2},
        {Zip("in", "nodir/x.zip"), knl::kZipOutputOpen},
        {Unzip("a.zip", "adir"), knl::kZipOutputOpen},
        {knl::ZipFile(in.c_str(), "", knl::StdioZipFileOps()), knl::kZipOutputOpen},
        {knl::ZipFile(in.c_str(), nullptr, knl::StdioZipFileOps()), knl::kZipOutputOpen},
        {Unzip("a.zip", "target", noMove), knl::kZipOutputOpen},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i][0], cases[i][1]) << "case " << i;
    EXPECT_EQ(ReadFile(dir / "target"), Text("old"));
    EXPECT_TRUE(fs::is_empty(dir.path / "adir"));
    EXPECT_EQ(Listing(), "a.zip adir bad.zip big in target");
    ASSERT_EQ(Unzip("a.zip", "target"), knl::kZipOk);  // success replaces an existing target
    EXPECT_EQ(ReadFile(dir / "target"), Text("new"));
}

TEST(KernelZipTime, DosDateTimeFieldsAndLimits) {
    const int cases[][2][6] = {
        {{1999, 12, 31, 23, 59, 58}, {1999, 12, 31, 23, 59, 58}},
        {{2000, 1, 1, 0, 0, 59}, {2000, 1, 1, 0, 0, 58}},  // odd seconds round down
        {{1980, 1, 1, 0, 0, 0}, {1980, 1, 1, 0, 0, 0}},
        {{1979, 12, 31, 23, 59, 59}, {1980, 1, 1, 0, 0, 0}},  // clamped to the format's range
        {{2107, 12, 31, 23, 59, 59}, {2107, 12, 31, 23, 59, 58}},
        {{2108, 1, 1, 0, 0, 0}, {2107, 12, 31, 23, 59, 58}},
    };
    for (const auto& [in, out] : cases) {
        int r[6];
        knl::SplitDosDateTime(knl::DosDateTime(in[0], in[1], in[2], in[3], in[4], in[5]), &r[0], &r[1], &r[2],
                              &r[3], &r[4], &r[5]);
        EXPECT_TRUE(std::equal(r, r + 6, out)) << in[0] << "-" << in[1] << "-" << in[2] << " " << in[5];
    }
    EXPECT_EQ(knl::DosDateTime(2001, 2, 3, 4, 5, 7), 0x2A4320A3u);  // date high, time low
}

}  // namespace
