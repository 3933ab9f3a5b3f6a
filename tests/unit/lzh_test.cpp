// The LZH codec.
//
// Bit for bit: the library's coder must write exactly the bytes of the
// step-by-step reference coder (tests/support/lzh_reference.h) and report
// progress at the same counts, on inputs chosen for the codec's edges: sizes
// around the 60-byte look-ahead, the 4096-byte ring and the 64 KiB blocks,
// the shortest (3) and longest (60) matches, matches into the blanks the ring
// starts with, files ending inside the look-ahead, runs, busy search trees,
// enough symbols for the model to be rebuilt, and codes longer than 16 bits.
// The whole reference is the oracle rather than a few golden streams: the
// fuzz targets and the benchmark need it anyway, it costs these tests no
// lines, it covers any input (golden streams only theirs), and decoding of
// damaged input is checked against it too.
//
// The format: lhasa must restore the library's streams of the same kinds of
// input, put into -lh1- archives (skipped when lha is not installed). Only
// the matching choices, which any decoder accepts, rest on the reference.
//
// Decoding any input writes exactly the size its header states, in bounded
// memory, as the reference decodes it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "strings/lzh.h"
#include "tests/support/byte_files.h"
#include "tests/support/lzh_reference.h"

namespace {

using test_data::Bytes;
using test_data::RandomBytes;
using test_data::ReadFile;
using test_data::Runs;
using test_data::WriteFile;
namespace fs = std::filesystem;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Twice(size_t n, uint32_t seed) {
  const Bytes once = RandomBytes(n, seed);
  Bytes b = once;
  b.insert(b.end(), once.begin(), once.end());
  return b;
}

// This project's sources in name order, up to 300 KB: prose and code.
const Bytes& SourceText() {
  static const Bytes text = [] {
    std::vector<fs::path> files;
    for (const char* dir : {"src", "kernel", "runner"})
      for (const auto& e : fs::recursive_directory_iterator(fs::path(TARVO_SOURCE_DIR) / dir))
        if (e.path().extension() == ".cpp" || e.path().extension() == ".h") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    Bytes out;
    for (const auto& f : files) {
      const Bytes b = ReadFile(f);
      out.insert(out.end(), b.begin(), b.end());
    }
    out.resize(std::min<size_t>(out.size(), 300000));
    return out;
  }();
  return text;
}

// Copies whose lengths (3 to 10) have counts in a ratio near the golden one
// make the Huffman tree a long chain; the last byte, a literal unused for
// long, then gets a code longer than 16 bits.
Bytes DeepTreeInput() {
  static const int kWeight[] = {1000, 1700, 2890, 4913, 8352, 14199, 24138, 41034};
  std::mt19937 rng(1);
  Bytes v;
  for (int i = 0; i < 500; ++i) v.push_back(static_cast<uint8_t>(rng()));
  long credit[8] = {};
  size_t after_source = 0;
  for (int k = 0; k < 60000; ++k) {
    int pick = 0;  // smooth weighted round robin
    for (int i = 0; i < 8; ++i)
      if ((credit[i] += kWeight[i]) > credit[pick]) pick = i;
    credit[pick] -= 98226;  // the sum of the weights
    // From the recent past, not starting with the byte after the previous
    // copy's source, so that matches rarely run on.
    const size_t span = std::min<size_t>(v.size(), 4000);
    size_t src;
    do src = v.size() - span + rng() % (span - 64);
    while (k > 0 && v[src] == v[after_source]);
    for (int j = 0; j < 3 + pick; ++j) v.push_back(v[src + static_cast<size_t>(j)]);
    after_source = src + 3 + static_cast<size_t>(pick);
  }
  v.push_back(static_cast<uint8_t>(rng()));
  return v;
}

// One coding through the stream interface. The source hands out at most
// `piece` bytes per read (0: as many as asked for); writing more than
// `limit` bytes throws Stop.
struct Stop {};
struct Coded {
  Bytes out;
  std::vector<uint64_t> progress;
  tarvo::LzhStats stats;
  size_t largest_write = 0;
};

Coded Code(bool encode, const Bytes& in, size_t piece = 0, size_t limit = SIZE_MAX) {
  struct Ctx {
    const Bytes& in;
    size_t pos, piece, limit;
    Coded r;
  } ctx{in, 0, piece, limit, {}};
  tarvo::LzhIo io;
  io.ctx = &ctx;
  io.read = [](void* p, uint8_t* buf, size_t cap) {
    auto& c = *static_cast<Ctx*>(p);
    const size_t n = std::min({cap, c.in.size() - c.pos, c.piece ? c.piece : cap});
    std::copy_n(c.in.data() + c.pos, n, buf);
    c.pos += n;
    return n;
  };
  io.write = [](void* p, const uint8_t* buf, size_t n) {
    auto& c = *static_cast<Ctx*>(p);
    c.r.out.insert(c.r.out.end(), buf, buf + n);
    c.r.largest_write = std::max(c.r.largest_write, n);
    if (c.r.out.size() > c.limit) throw Stop{};
  };
  io.progress = [](void* p, uint64_t count) { static_cast<Ctx*>(p)->r.progress.push_back(count); };
  ctx.r.stats = encode ? tarvo::LzhEncodeStream(io, static_cast<uint32_t>(in.size())) : tarvo::LzhDecodeStream(io);
  return std::move(ctx.r);
}

// The reference's bytes and progress both ways, and the input back.
void ExpectSameAsReference(const Bytes& in) {
  const auto ref = lzh_reference::Encode(in);
  const Coded enc = Code(true, in);
  ASSERT_EQ(enc.out, ref.data) << "input of " << in.size() << " bytes";
  EXPECT_EQ(enc.progress, ref.progress);
  EXPECT_EQ(enc.stats.text, in.size());
  EXPECT_EQ(enc.stats.code, ref.data.size() - 4);
  const auto ref_back = lzh_reference::Decode(ref.data);
  const Coded dec = Code(false, ref.data);
  EXPECT_EQ(ref_back.data, in);
  EXPECT_EQ(dec.out, in);
  EXPECT_EQ(dec.progress, ref_back.progress);
  EXPECT_EQ(dec.stats.text, in.size());
  EXPECT_EQ(dec.stats.code, ref.data.size() - 4);  // every byte of the body is needed, no more
}

TEST(LzhFormat, HeaderAndAKnownStream) {
  EXPECT_EQ(tarvo::LzhEncodeBytes({}), (Bytes{0, 0, 0, 0}));
  const Bytes big = tarvo::LzhEncodeBytes(Runs(0x11170, 300, 1));
  EXPECT_EQ(Bytes(big.begin(), big.begin() + 4), (Bytes{0x70, 0x11, 0x01, 0x00}));
  // Literals, a match of 4, and a match of 12 that begins in the blanks the
  // ring starts with.
  const Bytes known = {0x19, 0x00, 0x00, 0x00, 0xF6, 0xFB, 0xBF, 0xD8, 0xBE,
                       0xFC, 0x1F, 0x08, 0xD0, 0x36, 0xE2, 0x54, 0x19, 0xAD};
  EXPECT_EQ(tarvo::LzhEncodeBytes(Text("abracadabra, abracadabra!")), known);
  EXPECT_EQ(tarvo::LzhDecodeBytes(known), Text("abracadabra, abracadabra!"));
  // Shorter than a header, or a size of 0 whatever follows: nothing.
  for (const Bytes& in : {Bytes{}, Bytes{7}, Bytes{7, 0, 0}, Bytes{0, 0, 0, 0, 0xFF, 0x12}})
    EXPECT_TRUE(tarvo::LzhDecodeBytes(in).empty());
}

TEST(LzhCoding, SizesAndMatchLengthsAtTheEdges) {
  const Bytes& text = SourceText();
  ASSERT_GT(text.size(), 131072u);
  for (size_t n : {1, 2, 3, 59, 60, 61, 62, 4035, 4036, 4095, 4096, 4097, 8193, 65536, 65537}) {
    SCOPED_TRACE(n);
    ExpectSameAsReference(Bytes(text.begin(), text.begin() + static_cast<long>(n)));
    ExpectSameAsReference(RandomBytes(n, static_cast<uint32_t>(n)));
  }
  // 3 equal bytes match, 2 do not; 60 is the longest match; blanks at the
  // start match the ring's initial blanks.
  for (const char* s : {"xyzQxyz", "xyQxy", "    leading blanks", "        indented\n        again\n"})
    ExpectSameAsReference(Text(s));
  ExpectSameAsReference(Twice(60, 4));
  ExpectSameAsReference(Twice(61, 5));
  ExpectSameAsReference(Bytes(1 + 60 * 3 + 7, 'q'));
}

TEST(LzhCoding, RunsNoiseAndRebuiltModels) {
  ExpectSameAsReference(Bytes(100000, 'x'));
  ExpectSameAsReference(Bytes(5000, ' '));
  ExpectSameAsReference(Bytes(5000, 0));
  for (size_t longest : {3, 8, 61, 200, 5000}) ExpectSameAsReference(Runs(60000, longest, static_cast<uint32_t>(longest)));
  Bytes ab(20000);  // two values alternating: distances of 1 and 2 at once
  for (size_t i = 0; i < ab.size(); ++i) ab[i] = "ab"[i % 2];
  ExpectSameAsReference(ab);
  ExpectSameAsReference(Runs(50000, 1, 9, 4));  // four values: short matches everywhere
  // The root count starts at 314 and grows by one per symbol; at 0x8000 the
  // model is rebuilt, several times over in these.
  ExpectSameAsReference(RandomBytes(120000, 5));
  Bytes mixed = SourceText();
  const Bytes noise = RandomBytes(30000, 77), runs = Runs(20000, 100, 3);
  mixed.insert(mixed.begin() + 1000, noise.begin(), noise.end());
  mixed.insert(mixed.end() - 500, runs.begin(), runs.end());
  ExpectSameAsReference(mixed);
}

TEST(LzhCoding, BusyTreesAndShortFiles) {
  // Files that end inside the look-ahead compare bytes past their end, which
  // must be what a fresh ring holds there (and not what the call before left).
  for (uint32_t seed = 0; seed < 200; ++seed) {
    std::mt19937 rng(seed);
    Bytes in(1 + rng() % 300);
    for (auto& b : in) b = static_cast<uint8_t>(" \n ab  e"[rng() % 8]);
    ExpectSameAsReference(in);
  }
  // Many strings share their first bytes, and the oldest string is often in
  // the tree the next one goes to.
  static const char* const kWords[] = {"the ", "a ", "an ", "then ", "tea ", "eat ", "at ", "ate ", "\n"};
  for (uint32_t seed = 0; seed < 12; ++seed) {
    std::mt19937 rng(seed);
    const size_t n = 2000 + rng() % 20000;
    std::string in;
    while (in.size() < n) in += kWords[rng() % 9];
    ExpectSameAsReference(Text(in));
  }
}

TEST(LzhCoding, CodesLongerThanSixteenBits) {
  const Bytes in = DeepTreeInput();
  ASSERT_GT(lzh_reference::Encode(in).longest_code, 16);
  ExpectSameAsReference(in);
}

TEST(LzhStreams, ReadsOfAnySizeGiveTheSameBytes) {
  Bytes in(SourceText().begin(), SourceText().begin() + 40000);
  const Bytes noise = RandomBytes(3000, 8);
  in.insert(in.begin() + 20000, noise.begin(), noise.end());
  const Bytes coded = tarvo::LzhEncodeBytes(in);
  const Bytes cut(coded.begin(), coded.begin() + static_cast<long>(coded.size() / 2));
  const Bytes cut_back = tarvo::LzhDecodeBytes(cut);
  for (size_t piece : {1, 2, 3, 7, 8, 9, 61, 4097}) {
    SCOPED_TRACE(piece);
    EXPECT_EQ(Code(true, in, piece).out, coded);
    EXPECT_EQ(Code(false, coded, piece).out, in);
    const Coded back = Code(false, cut, piece);
    EXPECT_EQ(back.out, cut_back);
    EXPECT_EQ(back.stats.code, cut.size() - 4);
  }
}

TEST(LzhDecode, DamagedInputGivesTheStatedSizeAsTheReferenceDecodesIt) {
  const Bytes& text = SourceText();
  const Bytes coded = tarvo::LzhEncodeBytes(text);
  std::vector<Bytes> inputs;
  for (size_t keep : {size_t{4}, size_t{5}, coded.size() / 3, coded.size() - 1})
    inputs.emplace_back(coded.begin(), coded.begin() + static_cast<long>(keep));
  std::mt19937 rng(2024);
  for (int trial = 0; trial < 30; ++trial) {  // garbage after a header
    const uint32_t size = rng() % 20000 + 1, length = rng() % 3000;
    Bytes in = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8), 0, 0};
    for (uint32_t i = 0; i < length; ++i) in.push_back(static_cast<uint8_t>(rng()));
    inputs.push_back(in);
  }
  for (const Bytes& in : inputs) {
    const auto ref = lzh_reference::Decode(in);
    const Coded back = Code(false, in);
    ASSERT_EQ(back.out.size(), static_cast<size_t>(in[0] | in[1] << 8 | in[2] << 16));
    EXPECT_EQ(back.out, ref.data);
    EXPECT_EQ(back.progress, ref.progress);
  }
  // What came before a cut is decoded as it was.
  EXPECT_TRUE(std::equal(text.begin(), text.begin() + 1000, tarvo::LzhDecodeBytes(inputs[2]).begin()));
}

TEST(LzhDecode, FarthestMatchAtTheStartReadsTheUnwrittenRing) {
  // Size 3, then the code a fresh tree gives symbol 256 (a match of 3),
  // 10001100, and position 4095, 11111111 111111. Distance 4096 from the
  // first write position is that position itself, one of the F ring bytes
  // nothing has written yet: zero, as in a coder whose tables start cleared,
  // also after a call that filled the whole ring.
  const Bytes in = {3, 0, 0, 0, 0x8C, 0xFF, 0xFC};
  EXPECT_EQ(lzh_reference::Decode(in).data, (Bytes{0, 0, 0}));
  EXPECT_EQ(tarvo::LzhDecodeBytes(in), (Bytes{0, 0, 0}));
  tarvo::LzhDecodeBytes(tarvo::LzhEncodeBytes(RandomBytes(9000, 6)));
  EXPECT_EQ(tarvo::LzhDecodeBytes(in), (Bytes{0, 0, 0}));
}

TEST(LzhDecode, HugeStatedSizeIsWrittenInBoundedMemory) {
  // 1 MiB promised by a header with 12 bytes behind it: written block by
  // block, the same bytes as the reference writes.
  const Bytes in = {0, 0, 0x10, 0, 0x9C, 0x31, 0xFF, 0x00, 0x12, 0x7E, 0xA5, 0x5A, 0x00, 0x01, 0xC3, 0x3C};
  const Coded back = Code(false, in);
  EXPECT_EQ(back.out.size(), 1u << 20);
  EXPECT_EQ(back.out, lzh_reference::Decode(in).data);
  EXPECT_EQ(back.stats.code, in.size() - 4);
  EXPECT_LE(back.largest_write, size_t{1} << 17);
  // The largest size there is, with nothing behind it: the output goes out
  // as it is made (taken here as far as 4 MiB).
  EXPECT_THROW(Code(false, Bytes{0xFF, 0xFF, 0xFF, 0xFF}, 0, size_t{4} << 20), Stop);
}

std::string ProgressLines(const std::vector<uint64_t>& counts) {
  std::string s;
  char line[64];
  for (uint64_t c : counts) {
    std::snprintf(line, sizeof line, "%12ld\r", static_cast<long>(c));
    s += line;
  }
  return s;
}

TEST(LzhFiles, RoundTripPrintsProgressAndStatistics) {
  const test_data::TempDir dir;
  const Bytes& text = SourceText();
  WriteFile(dir / "in.txt", text);
  const auto ref = lzh_reference::Encode(text);
  char last[200];
  std::snprintf(last, sizeof last, "In : %ld bytes\nOut: %ld bytes\nOut/In: %.3f\n", static_cast<long>(text.size()),
                static_cast<long>(ref.data.size() - 4),
                static_cast<double>(ref.data.size() - 4) / static_cast<double>(text.size()));
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(tarvo::LzhEncodePaths((dir / "in.txt").c_str(), (dir / "in.lzh").c_str(), true));
  std::fflush(stdout);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), ProgressLines(ref.progress) + last);
  EXPECT_EQ(ReadFile(dir / "in.lzh"), ref.data);

  std::snprintf(last, sizeof last, "%12ld\n", static_cast<long>(text.size()));
  ::testing::internal::CaptureStdout();
  EXPECT_TRUE(tarvo::LzhDecodePaths((dir / "in.lzh").c_str(), (dir / "out.txt").c_str(), true));
  std::fflush(stdout);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), ProgressLines(lzh_reference::Decode(ref.data).progress) + last);
  EXPECT_EQ(ReadFile(dir / "out.txt"), text);

  // An empty file: the header alone, and nothing printed either way.
  WriteFile(dir / "empty", {});
  ::testing::internal::CaptureStdout();
  tarvo::LzhEncodePaths((dir / "empty").c_str(), (dir / "empty.lzh").c_str(), true);
  tarvo::LzhDecodePaths((dir / "empty.lzh").c_str(), (dir / "back").c_str(), true);
  std::fflush(stdout);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(ReadFile(dir / "empty.lzh"), (Bytes{0, 0, 0, 0}));
  EXPECT_TRUE(fs::exists(dir / "back") && ReadFile(dir / "back").empty());
}

TEST(LzhFiles, CodesOnlyWhenBothFilesOpen) {
  const test_data::TempDir dir;
  // A missing input still leaves an empty output.
  EXPECT_FALSE(tarvo::LzhEncodePaths((dir / "absent").c_str(), (dir / "a.lzh").c_str(), true));
  EXPECT_FALSE(tarvo::LzhDecodePaths((dir / "absent").c_str(), (dir / "b.txt").c_str(), true));
  for (const char* out : {"a.lzh", "b.txt"}) EXPECT_TRUE(fs::exists(dir / out) && fs::file_size(dir / out) == 0) << out;
  WriteFile(dir / "in.txt", Text("some text"));
  EXPECT_FALSE(tarvo::LzhEncodePaths((dir / "in.txt").c_str(), (dir / "no/dir/out").c_str(), true));
  EXPECT_FALSE(tarvo::LzhDecodePaths((dir / "in.txt").c_str(), (dir / "no/dir/out").c_str(), true));
  EXPECT_EQ(ReadFile(dir / "in.txt"), Text("some text"));
}

// CRC-16 as LHA uses it: polynomial 0x8005 bit-reversed, starting from 0.
uint16_t Crc16(const Bytes& data) {
  uint16_t crc = 0;
  for (uint8_t b : data) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return crc;
}

// A level-0 archive holding one -lh1- member: the header (its size and a
// checksum of the bytes after those two), the library's bit stream without
// its own 4-byte header, and the 0 byte that ends the archive.
Bytes LhaArchive(const std::string& name, const Bytes& original) {
  const Bytes coded = tarvo::LzhEncodeBytes(original);
  Bytes h = Text("-lh1-");
  auto put = [&h](size_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) h.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put(coded.size() - 4, 4);
  put(original.size(), 4);
  put(0x58210000, 4);  // 2024-01-01 00:00 as an MS-DOS date and time
  put(0x20, 1);        // attribute: archive
  put(0, 1);           // header level
  put(name.size(), 1);
  h.insert(h.end(), name.begin(), name.end());
  put(Crc16(original), 2);
  uint8_t sum = 0;
  for (uint8_t b : h) sum = static_cast<uint8_t>(sum + b);
  Bytes out = {static_cast<uint8_t>(h.size()), sum};
  out.insert(out.end(), h.begin(), h.end());
  out.insert(out.end(), coded.begin() + 4, coded.end());
  out.push_back(0);
  return out;
}

TEST(LzhLha, RestoresTheLibrarysStreams) {
  if (std::system("command -v lha > /dev/null 2>&1") != 0) GTEST_SKIP() << "lha (lhasa) is not installed";
  Bytes program = ReadFile("/proc/self/exe");  // code, tables and zeros
  program.resize(std::min<size_t>(program.size(), 200000));
  const std::pair<std::string, Bytes> cases[] = {
      {"text.txt", SourceText()},
      {"indented.txt", Text("        indented\n        again\n")},
      {"program.bin", program},
      {"random.bin", RandomBytes(150000, 3)},  // the model is rebuilt
      {"runs.bin", Runs(200000, 500, 4, 3)},
      {"one.bin", {42}},
      {"blanks.bin", Bytes(10000, ' ')},
      {"deep.bin", DeepTreeInput()},  // codes longer than 16 bits
  };
  const test_data::TempDir dir;
  for (const auto& [name, data] : cases) {
    WriteFile(dir / (name + ".lzh"), LhaArchive(name, data));
    const std::string cmd = "cd '" + dir.path.string() + "' && lha x " + name + ".lzh > lha.log 2>&1 < /dev/null";
    const int status = std::system(cmd.c_str());
    const Bytes log = ReadFile(dir / "lha.log");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << ": " << std::string(log.begin(), log.end());
    EXPECT_EQ(ReadFile(dir / name), data) << name;
  }
}

}  // namespace
