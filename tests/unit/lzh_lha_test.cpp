// The LZH bit stream is that of the -lh1- method of LHA archives. These tests
// put streams made by the codec (without their 4-byte header) into a minimal
// level-0 archive and let the system's lha program check and unpack them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "strings/lzh.h"
#include "tests/support/byte_files.h"
#include "tests/support/lzh_reference.h"

namespace {

using test_data::Bytes;
using test_data::ReadFile;
using test_data::WriteFile;
namespace fs = std::filesystem;

// CRC-16 as LHA uses it: polynomial 0x8005 bit-reversed, starting from 0.
uint16_t Crc16(const Bytes& data) {
  uint16_t crc = 0;
  for (uint8_t b : data) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return crc;
}

void Put16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A level-0 archive holding one -lh1- member: the header (its size and a
// checksum of the bytes after those two), the compressed data, and the 0
// byte that ends the archive.
Bytes Archive(const std::string& name, const Bytes& original, const Bytes& coded) {
  const Bytes body(coded.begin() + 4, coded.end());
  Bytes h;
  for (char c : std::string("-lh1-")) h.push_back(static_cast<uint8_t>(c));
  Put32(h, static_cast<uint32_t>(body.size()));
  Put32(h, static_cast<uint32_t>(original.size()));
  Put32(h, 0x58210000);  // 2024-01-01 00:00 as an MS-DOS date and time
  h.push_back(0x20);     // attribute: archive
  h.push_back(0);        // header level
  h.push_back(static_cast<uint8_t>(name.size()));
  h.insert(h.end(), name.begin(), name.end());
  Put16(h, Crc16(original));
  uint8_t sum = 0;
  for (uint8_t b : h) sum = static_cast<uint8_t>(sum + b);
  Bytes out = {static_cast<uint8_t>(h.size()), sum};
  out.insert(out.end(), h.begin(), h.end());
  out.insert(out.end(), body.begin(), body.end());
  out.push_back(0);
  return out;
}

std::string Shell(const std::string& s) { return "'" + s + "'"; }

class LzhLha : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v lha > /dev/null 2>&1") != 0) GTEST_SKIP() << "lha (lhasa) is not installed";
    dir_ = fs::temp_directory_path() /
           ("lzh_lha_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  // Runs lha with the given command letter on the archive in a directory of
  // its own; returns its exit status and keeps what it printed in log_.
  int Lha(const std::string& command, const fs::path& where, const std::string& archive) {
    const fs::path log = where / "lha.log";
    const std::string cmd = "cd " + Shell(where.string()) + " && lha " + command + " " + Shell(archive) +
                            " > " + Shell(log.string()) + " 2>&1 < /dev/null";
    const int status = std::system(cmd.c_str());
    const Bytes text = ReadFile(log);
    log_.assign(text.begin(), text.end());
    fs::remove(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Packs the codec's stream for `data`, has lha test it and unpack it.
  void ExpectLhaRestores(const std::string& name, const Bytes& data) {
    SCOPED_TRACE(name);
    const fs::path where = dir_ / name;
    fs::create_directories(where);
    WriteFile(where / "a.lzh", Archive(name, data, tarvo::LzhEncodeBytes(data)));
    EXPECT_EQ(Lha("t", where, "a.lzh"), 0) << log_;
    ASSERT_EQ(Lha("x", where, "a.lzh"), 0) << log_;
    ASSERT_TRUE(fs::exists(where / name)) << log_;
    EXPECT_EQ(ReadFile(where / name), data);
  }

  fs::path dir_;
  std::string log_;
};

Bytes SourceText() {
  Bytes out;
  for (const char* f : {"src/strings/lzh.cpp", "tests/unit/lzh_test.cpp", "tests/support/lzh_reference.h"}) {
    const Bytes b = ReadFile(fs::path(TARVO_SOURCE_DIR) / f);
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}

TEST_F(LzhLha, RestoresText) {
  const Bytes text = SourceText();
  ASSERT_GT(text.size(), 30000u);
  ExpectLhaRestores("text.txt", text);
  // Indented lines: matches that begin in the blanks the ring starts with.
  const std::string indented = "        indented\n        again\n";
  ExpectLhaRestores("indented.txt", Bytes(indented.begin(), indented.end()));
}

TEST_F(LzhLha, RestoresBinary) {
  // This test program itself: code, tables and zeros.
  Bytes exe = ReadFile("/proc/self/exe");
  ASSERT_GT(exe.size(), 10000u);
  if (exe.size() > 400000) exe.resize(400000);
  ExpectLhaRestores("program.bin", exe);
}

TEST_F(LzhLha, RestoresRandomData) {
  // Long enough for the model to be rebuilt.
  ExpectLhaRestores("random.bin", test_data::RandomBytes(150000, 3));
}

TEST_F(LzhLha, RestoresRuns) {
  std::mt19937 rng(4);
  Bytes runs;
  while (runs.size() < 200000) runs.insert(runs.end(), 1 + rng() % 500, static_cast<uint8_t>(rng() % 3));
  ExpectLhaRestores("runs.bin", runs);
  ExpectLhaRestores("one.bin", Bytes{42});
  ExpectLhaRestores("blanks.bin", Bytes(10000, ' '));
}

TEST_F(LzhLha, RestoresCodesLongerThanSixteenBits) {
  const Bytes deep = lzh_reference::DeepTreeInput();
  ASSERT_GT(lzh_reference::Encode(deep).longest_code, 16);
  ExpectLhaRestores("deep.bin", deep);
}

TEST_F(LzhLha, RejectsACorruptedStream) {
  const Bytes text = SourceText();
  Bytes archive = Archive("text.txt", text, tarvo::LzhEncodeBytes(text));
  archive[archive.size() / 2] ^= 0x24;
  WriteFile(dir_ / "bad.lzh", archive);
  EXPECT_NE(Lha("t", dir_, "bad.lzh"), 0) << log_;
}

}  // namespace
