// The archive pair of the companion library: the archives it writes are
// standard ZIP archives that Info-ZIP's tools open, it restores archives those
// tools make, and it refuses damaged ones without leaving anything behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "kernel/kernel_api.h"
#include "kernel/zip.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

const knl::ZipFileOps& Ops() { return knl::StdioZipFileOps(); }

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

Bytes ReadBytes(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& p, const Bytes& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

void WriteText(const fs::path& p, const std::string& s) { WriteBytes(p, Bytes(s.begin(), s.end())); }

Bytes Compressible(std::size_t n) {
    Bytes b(n);
    const std::string words = "the quick brown fox jumps over the lazy dog 0123456789\n";
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<unsigned char>(words[(i * 7 + i / 97) % words.size()]);
    return b;
}

Bytes Random(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    Bytes b(n);
    for (auto& c : b) c = static_cast<unsigned char>(gen());
    return b;
}

std::uint32_t Get16(const Bytes& b, std::size_t at) { return b[at] | (std::uint32_t(b[at + 1]) << 8); }
std::uint32_t Get32(const Bytes& b, std::size_t at) { return Get16(b, at) | (Get16(b, at + 2) << 16); }
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// Offsets in a one-entry archive.
std::size_t CentralOffset(const Bytes& a) { return Get32(a, a.size() - 22 + 16); }

class KernelZip : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kernel_zip_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path P(const std::string& name) const { return dir_ / name; }
    // Runs a shell command in the test directory; its exit status.
    int Sh(const std::string& command) const {
        return std::system(("cd '" + dir_.string() + "' && " + command).c_str());
    }
    int Zip(const std::string& source, const std::string& target) const {
        return knl::ZipFile(P(source).c_str(), P(target).c_str(), Ops());
    }
    int Unzip(const std::string& source, const std::string& target) const {
        return knl::UnzipFile(P(source).c_str(), P(target).c_str(), Ops());
    }
    // The names in the directory, to see that nothing was left behind.
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
};

TEST_F(KernelZip, RoundTripOfVariousSizes) {
    const std::pair<const char*, Bytes> inputs[] = {
        {"empty", {}},
        {"one", {'x'}},
        {"small.txt", Compressible(100)},
        {"chunk", Compressible(65536)},
        {"chunk1", Compressible(65537)},
        {"large", Compressible(3 * 1024 * 1024 + 17)},
        {"noise", Random(300 * 1024 + 3, 7)},
    };
    for (const auto& [name, data] : inputs) {
        WriteBytes(P(name), data);
        ASSERT_EQ(Zip(name, "a.zip"), knl::kZipOk) << name;
        ASSERT_EQ(Unzip("a.zip", "back"), knl::kZipOk) << name;
        EXPECT_EQ(ReadBytes(P("back")), data) << name;
    }
    // Compression happened for the repetitive text, not for the noise.
    WriteBytes(P("large"), Compressible(1024 * 1024));
    ASSERT_EQ(Zip("large", "l.zip"), knl::kZipOk);
    EXPECT_LT(fs::file_size(P("l.zip")), 1024u * 1024 / 4);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"a.zip", "back", "chunk", "chunk1", "empty", "l.zip",
                                                   "large", "noise", "one", "small.txt"}));
}

// The header fields, read straight from the bytes.
TEST_F(KernelZip, WrittenArchiveLayout) {
    const Bytes data = Compressible(5000);
    WriteBytes(P("data.txt"), data);
    std::tm tm{};
    tm.tm_year = 2001 - 1900;
    tm.tm_mon = 1;
    tm.tm_mday = 3;
    tm.tm_hour = 4;
    tm.tm_min = 5;
    tm.tm_sec = 7;
    tm.tm_isdst = -1;
    struct utimbuf times {};
    times.actime = times.modtime = std::mktime(&tm);
    ASSERT_EQ(utime(P("data.txt").c_str(), &times), 0);
    ASSERT_EQ(Zip("data.txt", "a.zip"), knl::kZipOk);

    const Bytes a = ReadBytes(P("a.zip"));
    ASSERT_GT(a.size(), 30u + 46u + 22u);
    const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
    const std::uint32_t stamp = knl::DosDateTime(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(Get32(a, 0), 0x04034b50u);
    EXPECT_EQ(Get16(a, 8), 8u);  // deflated
    EXPECT_EQ(Get32(a, 10), stamp);
    EXPECT_EQ(Get32(a, 14), crc);
    EXPECT_EQ(Get32(a, 22), data.size());
    EXPECT_EQ(Get16(a, 26), 8u);
    EXPECT_EQ(std::string(a.begin() + 30, a.begin() + 38), "data.txt");
    const std::size_t packed = Get32(a, 18);
    const std::size_t central = CentralOffset(a);
    EXPECT_EQ(central, 30 + 8 + packed);
    EXPECT_EQ(Get32(a, central), 0x02014b50u);
    EXPECT_EQ(Get32(a, central + 12), stamp);
    EXPECT_EQ(Get32(a, central + 16), crc);
    EXPECT_EQ(Get32(a, central + 20), packed);
    EXPECT_EQ(Get32(a, central + 24), data.size());
    EXPECT_EQ(Get32(a, central + 42), 0u);
    EXPECT_EQ(a.size(), central + 46 + 8 + 22);
    EXPECT_EQ(Get32(a, a.size() - 22), 0x06054b50u);
    EXPECT_EQ(Get16(a, a.size() - 22 + 10), 1u);

    // The raw deflate data inflates to the file.
    Bytes out(data.size());
    z_stream z{};
    ASSERT_EQ(inflateInit2(&z, -MAX_WBITS), Z_OK);
    z.next_in = const_cast<unsigned char*>(a.data() + 38);
    z.avail_in = static_cast<uInt>(packed);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
    inflateEnd(&z);
    EXPECT_EQ(out, data);

    // Restoring gives the file its time back.
    ASSERT_EQ(Unzip("a.zip", "back"), knl::kZipOk);
    struct stat st {};
    ASSERT_EQ(stat(P("back").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, times.modtime - 1);  // DOS times have two-second steps
}

TEST_F(KernelZip, InfoZipAcceptsWrittenArchives) {
    if (!HaveTool("unzip")) GTEST_SKIP() << "unzip not installed";
    const std::pair<const char*, Bytes> inputs[] = {
        {"empty.dat", {}},
        {"text.txt", Compressible(70000)},
        {"noise.bin", Random(200000, 3)},
    };
    for (const auto& [name, data] : inputs) {
        WriteBytes(P(name), data);
        ASSERT_EQ(Zip(name, "t.zip"), knl::kZipOk);
        EXPECT_EQ(Sh("unzip -tqq t.zip"), 0) << name;
        EXPECT_EQ(Sh(std::string("unzip -Z1 t.zip > names && test \"$(cat names)\" = '") + name + "'"), 0) << name;
        fs::create_directory(P("x"));
        EXPECT_EQ(Sh("cd x && unzip -qq -o ../t.zip"), 0) << name;
        EXPECT_EQ(ReadBytes(P("x") / name), data) << name;
        fs::remove_all(P("x"));
    }
}

TEST_F(KernelZip, EntryIsNamedAfterTheBaseName) {
    fs::create_directories(P("sub/dir"));
    WriteText(P("sub/dir/inner.txt"), "inner");
    ASSERT_EQ(Zip("sub/dir/inner.txt", "a.zip"), knl::kZipOk);
    const Bytes a = ReadBytes(P("a.zip"));
    EXPECT_EQ(std::string(a.begin() + 30, a.begin() + 30 + Get16(a, 26)), "inner.txt");

    EXPECT_EQ(knl::ZipEntryName("C:\\data\\file.dbf"), "file.dbf");
    EXPECT_EQ(knl::ZipEntryName("C:file.dbf"), "file.dbf");
    EXPECT_EQ(knl::ZipEntryName("a/b\\c.txt"), "c.txt");
    EXPECT_EQ(knl::ZipEntryName("plain"), "plain");
    EXPECT_EQ(knl::ZipEntryName("dir/"), "");
    EXPECT_EQ(knl::ZipEntryName(""), "");
    EXPECT_EQ(knl::ZipEntryName(nullptr), "");
}

TEST_F(KernelZip, RestoresArchivesMadeByInfoZip) {
    if (!HaveTool("zip")) GTEST_SKIP() << "zip not installed";
    const Bytes data = Compressible(150000);
    WriteBytes(P("in.txt"), data);
    struct Case {
        const char* what;
        const char* command;
    };
    const Case cases[] = {
        {"deflated", "zip -qX made.zip in.txt"},
        {"with extra fields", "zip -q made.zip in.txt"},
        {"stored", "zip -q0 made.zip in.txt"},
        {"data descriptor", "zip -q -fz- - in.txt | cat > made.zip"},
        {"zip64 and data descriptor", "cat in.txt | zip -q - - | cat > made.zip"},
        {"zip64 local header", "cat in.txt | zip -q made.zip -"},
        {"comment", "zip -q made.zip in.txt && echo remark | zip -qz made.zip"},
        {"self-extractor stub, adjusted", "head -c 777 /dev/urandom > made.zip && zip -q stub.zip in.txt && "
                                          "cat stub.zip >> made.zip && rm stub.zip && zip -qA made.zip"},
        {"self-extractor stub, not adjusted", "head -c 777 /dev/urandom > made.zip && zip -q stub.zip in.txt && "
                                              "cat stub.zip >> made.zip && rm stub.zip"},
    };
    for (const auto& c : cases) {
        fs::remove(P("made.zip"));
        fs::remove(P("out.txt"));
        ASSERT_EQ(Sh(c.command), 0) << c.what;
        EXPECT_EQ(Unzip("made.zip", "out.txt"), knl::kZipOk) << c.what;
        EXPECT_EQ(ReadBytes(P("out.txt")), data) << c.what;
    }
    // An empty file, which zip stores.
    WriteText(P("nothing"), "");
    fs::remove(P("made.zip"));
    ASSERT_EQ(Sh("zip -q made.zip nothing"), 0);
    ASSERT_EQ(Unzip("made.zip", "out.txt"), knl::kZipOk);
    EXPECT_TRUE(ReadBytes(P("out.txt")).empty());
}

TEST_F(KernelZip, RefusesArchivesOtherThanOneFileEntry) {
    if (!HaveTool("zip")) GTEST_SKIP() << "zip not installed";
    WriteText(P("a.txt"), "first file");
    WriteText(P("b.txt"), "second file");
    fs::create_directory(P("folder"));
    struct Case {
        const char* what;
        const char* command;
    };
    const Case cases[] = {
        {"two entries", "zip -q bad.zip a.txt b.txt"},
        {"a directory entry", "zip -q bad.zip folder"},
        {"encrypted", "zip -q -P secret bad.zip a.txt"},
        {"not an archive", "cp a.txt bad.zip"},
        {"empty file", ": > bad.zip"},
    };
    for (const auto& c : cases) {
        fs::remove(P("bad.zip"));
        ASSERT_EQ(Sh(c.command), 0) << c.what;
        EXPECT_EQ(Unzip("bad.zip", "out"), knl::kZipInputOpen2) << c.what;
        EXPECT_FALSE(fs::exists(P("out"))) << c.what;
    }
    // An end record alone: an archive with no entries.
    Bytes endOnly(22, 0);
    Put32(endOnly, 0, 0x06054b50u);
    WriteBytes(P("bad.zip"), endOnly);
    EXPECT_EQ(Unzip("bad.zip", "out"), knl::kZipInputOpen2);
    EXPECT_FALSE(fs::exists(P("out")));
    // Another compression method (zip falls back to storing what bzip2
    // cannot shrink, so the text is long and the method is checked).
    WriteBytes(P("long.txt"), Compressible(20000));
    if (Sh("zip -q -Z bzip2 bz.zip long.txt 2>/dev/null") == 0 && Get16(ReadBytes(P("bz.zip")), 8) == 12) {
        EXPECT_EQ(Unzip("bz.zip", "out"), knl::kZipInputOpen2);
        EXPECT_FALSE(fs::exists(P("out")));
    }
}

TEST_F(KernelZip, RefusesDamagedArchivesAndLeavesNoTarget) {
    const Bytes data = Compressible(20000);
    WriteBytes(P("in"), data);
    ASSERT_EQ(Zip("in", "good.zip"), knl::kZipOk);
    const Bytes good = ReadBytes(P("good.zip"));
    const std::size_t central = CentralOffset(good);
    const std::size_t packed = Get32(good, 18);

    std::vector<std::pair<std::string, Bytes>> damaged;
    Bytes b = good;
    b[30 + 2 + packed / 2] ^= 0x55;  // inside the deflate data
    damaged.emplace_back("flipped data byte", b);
    b = good;
    Put32(b, 14, Get32(good, 14) ^ 1);
    Put32(b, central + 16, Get32(good, 14) ^ 1);
    damaged.emplace_back("wrong CRC in both headers", b);
    b = good;
    Put32(b, central + 16, Get32(good, 14) ^ 0x80000000u);
    damaged.emplace_back("headers disagree on the CRC", b);
    b = good;
    Put32(b, 22, data.size() + 1);
    Put32(b, central + 24, data.size() + 1);
    damaged.emplace_back("size too large", b);
    b = good;
    Put32(b, 22, data.size() - 1);
    Put32(b, central + 24, data.size() - 1);
    damaged.emplace_back("size too small", b);
    b = good;
    Put32(b, 18, packed - 1);
    Put32(b, central + 20, packed - 1);
    damaged.emplace_back("compressed size too small", b);
    b = good;
    b[8] = b[central + 10] = 12;  // bzip2
    damaged.emplace_back("unknown method", b);
    b = good;
    Put32(b, central + 42, 1);
    damaged.emplace_back("local header offset wrong", b);
    b = good;
    b.insert(b.begin() + static_cast<long>(central), {0, 0, 0, 0});
    damaged.emplace_back("bytes inserted before the directory", b);
    for (std::size_t cut = 0; cut < good.size(); cut += (cut < 64 || cut > good.size() - 64) ? 1 : 97)
        damaged.emplace_back("truncated to " + std::to_string(cut),
                             Bytes(good.begin(), good.begin() + static_cast<long>(cut)));

    for (const auto& [what, bytes] : damaged) {
        WriteBytes(P("bad.zip"), bytes);
        EXPECT_EQ(Unzip("bad.zip", "out"), knl::kZipInputOpen2) << what;
        ASSERT_FALSE(fs::exists(P("out"))) << what;
    }
    EXPECT_EQ(Listing(), (std::vector<std::string>{"bad.zip", "good.zip", "in"}));
}

TEST_F(KernelZip, FailureKeepsAnExistingTargetSuccessReplacesIt) {
    WriteText(P("in"), "new contents");
    ASSERT_EQ(Zip("in", "a.zip"), knl::kZipOk);
    WriteText(P("target"), "old contents");
    WriteText(P("bad.zip"), "PK but nothing else");
    EXPECT_EQ(Unzip("bad.zip", "target"), knl::kZipInputOpen2);
    EXPECT_EQ(ReadBytes(P("target")), Bytes({'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'}));
    EXPECT_EQ(Unzip("missing.zip", "target"), knl::kZipInputMissing);
    EXPECT_TRUE(fs::exists(P("target")));
    EXPECT_EQ(Unzip("a.zip", "target"), knl::kZipOk);
    EXPECT_EQ(ReadBytes(P("target")), ReadBytes(P("in")));
    // Zipping over an existing archive replaces it too.
    WriteText(P("in"), "third");
    ASSERT_EQ(Zip("in", "a.zip"), knl::kZipOk);
    ASSERT_EQ(Unzip("a.zip", "target"), knl::kZipOk);
    EXPECT_EQ(ReadBytes(P("target")), (Bytes{'t', 'h', 'i', 'r', 'd'}));
    EXPECT_EQ(Listing(), (std::vector<std::string>{"a.zip", "bad.zip", "in", "target"}));
}

TEST_F(KernelZip, StatusCodesForFiles) {
    WriteText(P("in"), "contents");
    fs::create_directory(P("adir"));
    // Missing input, also under a missing directory or a file used as one.
    EXPECT_EQ(Zip("nope", "a.zip"), knl::kZipInputMissing);
    EXPECT_EQ(Zip("nodir/nope", "a.zip"), knl::kZipInputMissing);
    EXPECT_EQ(Zip("in/nope", "a.zip"), knl::kZipInputMissing);
    EXPECT_EQ(Unzip("nope.zip", "out"), knl::kZipInputMissing);
    EXPECT_EQ(knl::ZipFile(nullptr, P("a.zip").c_str(), Ops()), knl::kZipInputMissing);
    EXPECT_EQ(knl::UnzipFile("", P("out").c_str(), Ops()), knl::kZipInputMissing);
    // An input that exists but cannot be read as a file.
    EXPECT_EQ(Zip("adir", "a.zip"), knl::kZipInputOpen1);
    EXPECT_EQ(Unzip("adir", "out"), knl::kZipInputOpen1);
    // Outputs that cannot be created or put in place.
    EXPECT_EQ(Zip("in", "nodir/a.zip"), knl::kZipOutputOpen);
    EXPECT_EQ(Zip("in", "adir"), knl::kZipOutputOpen);
    EXPECT_EQ(knl::ZipFile(P("in").c_str(), "", Ops()), knl::kZipOutputOpen);
    EXPECT_EQ(knl::ZipFile(P("in").c_str(), nullptr, Ops()), knl::kZipOutputOpen);
    ASSERT_EQ(Zip("in", "a.zip"), knl::kZipOk);
    EXPECT_EQ(Unzip("a.zip", "nodir/out"), knl::kZipOutputOpen);
    EXPECT_EQ(Unzip("a.zip", "adir"), knl::kZipOutputOpen);
    EXPECT_TRUE(fs::is_directory(P("adir")));
    EXPECT_TRUE(fs::is_empty(P("adir")));
    // Nothing left behind by any of the failures.
    EXPECT_EQ(Listing(), (std::vector<std::string>{"a.zip", "adir", "in"}));
}

// A platform whose final move fails: the output is refused and the temporary
// file removed.
TEST_F(KernelZip, FailedMoveRemovesTheTemporaryFile) {
    WriteText(P("in"), "contents");
    knl::ZipFileOps ops = Ops();
    ops.replace = [](const char*, const char*) { return false; };
    EXPECT_EQ(knl::ZipFile(P("in").c_str(), P("a.zip").c_str(), ops), knl::kZipOutputOpen);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"in"}));
    ASSERT_EQ(Zip("in", "a.zip"), knl::kZipOk);
    EXPECT_EQ(knl::UnzipFile(P("a.zip").c_str(), P("out").c_str(), ops), knl::kZipOutputOpen);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"a.zip", "in"}));
}

// The stream functions on their own: an archive that begins after other
// data in its stream, and the time handed back by the reader.
TEST_F(KernelZip, StreamsWithLeadingData) {
    const Bytes data = Random(100000, 11);
    WriteBytes(P("in"), data);
    std::FILE* in = std::fopen(P("in").c_str(), "rb");
    std::FILE* out = std::fopen(P("a.zip").c_str(), "w+b");
    ASSERT_TRUE(in && out);
    ASSERT_EQ(std::fwrite("leading bytes", 1, 13, out), 13u);
    const std::uint32_t stamp = knl::DosDateTime(2010, 6, 15, 12, 30, 44);
    EXPECT_EQ(knl::ZipWrite(in, out, "entry.bin", stamp), knl::kZipOk);
    std::fclose(in);
    std::fclose(out);
    if (HaveTool("unzip")) {
        EXPECT_EQ(Sh("unzip -tqq a.zip"), 0);
    }

    in = std::fopen(P("a.zip").c_str(), "rb");
    out = std::fopen(P("out").c_str(), "w+b");
    ASSERT_TRUE(in && out);
    std::uint32_t got = 0;
    EXPECT_EQ(knl::ZipRead(in, out, &got), knl::kZipOk);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(got, stamp);
    EXPECT_EQ(ReadBytes(P("out")), data);
}

TEST(KernelZipTime, DosDateTimeFields) {
    int y, mo, d, h, mi, s;
    knl::SplitDosDateTime(knl::DosDateTime(1999, 12, 31, 23, 59, 58), &y, &mo, &d, &h, &mi, &s);
    EXPECT_EQ(y, 1999);
    EXPECT_EQ(mo, 12);
    EXPECT_EQ(d, 31);
    EXPECT_EQ(h, 23);
    EXPECT_EQ(mi, 59);
    EXPECT_EQ(s, 58);
    // Odd seconds round down; the field keeps seconds / 2.
    EXPECT_EQ(knl::DosDateTime(2000, 1, 1, 0, 0, 59), knl::DosDateTime(2000, 1, 1, 0, 0, 58));
    EXPECT_EQ(knl::DosDateTime(2000, 1, 1, 0, 0, 59) & 31u, 29u);
    EXPECT_EQ(knl::DosDateTime(1980, 1, 1, 0, 0, 0), 0x00210000u);
    // Outside the range of the format: clamped to its ends.
    EXPECT_EQ(knl::DosDateTime(1979, 12, 31, 23, 59, 59), knl::DosDateTime(1980, 1, 1, 0, 0, 0));
    EXPECT_EQ(knl::DosDateTime(1601, 1, 1, 0, 0, 0), knl::DosDateTime(1980, 1, 1, 0, 0, 0));
    EXPECT_EQ(knl::DosDateTime(2108, 1, 1, 0, 0, 0), knl::DosDateTime(2107, 12, 31, 23, 59, 58));
    knl::SplitDosDateTime(knl::DosDateTime(2107, 12, 31, 23, 59, 59), &y, &mo, &d, &h, &mi, &s);
    EXPECT_EQ(y, 2107);
    EXPECT_EQ(s, 58);
}

}  // namespace
