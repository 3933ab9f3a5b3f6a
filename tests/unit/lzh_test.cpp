// The LZH codec.
//
// Bit for bit: the library writes exactly the bytes of the step-by-step
// reference coder (tests/support/lzh_reference.h) and reports progress at the
// same counts, on inputs chosen for the codec's edges (Corpus). The reference
// itself is the oracle, not golden streams it once wrote: the fuzz targets and
// the benchmark need it anyway, it judges any input, and it also judges the
// decoding of damaged input. That its format is the real one, lhasa shows: it
// must restore the library's stream of every input of the corpus (skipped
// when lha is missing). Only the choice of matches, which any decoder
// accepts, rests on the reference alone.
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
namespace fs = std::filesystem;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

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
  static const int kWeight[] = {1000, 1700, 2890, 4913, 8352, 14199, 24138, 41034};  // sum 98226
  std::mt19937 rng(1);
  Bytes v;
  for (int i = 0; i < 500; ++i) v.push_back(static_cast<uint8_t>(rng()));
  long credit[8] = {};
  size_t after_source = 0;
  for (int k = 0; k < 60000; ++k) {
    int pick = 0;  // smooth weighted round robin
    for (int i = 0; i < 8; ++i)
      if ((credit[i] += kWeight[i]) > credit[pick]) pick = i;
    credit[pick] -= 98226;
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

std::vector<Bytes> Corpus() {
  const Bytes& text = SourceText();
  std::vector<Bytes> c;
  // Sizes around the 60-byte look-ahead, the 4096-byte ring and the 64 KiB blocks.
  for (size_t n : {1, 2, 3, 59, 60, 61, 62, 4035, 4036, 4095, 4096, 4097, 8193, 65536, 65537}) {
    c.emplace_back(text.begin(), text.begin() + static_cast<long>(n));
    c.push_back(RandomBytes(n, static_cast<uint32_t>(n)));
  }
  // 3 equal bytes match, 2 do not; blanks at the start match the blanks the
  // ring starts with; 60 is the longest match.
  for (const char* s : {"xyzQxyz", "xyQxy", "    leading blanks", "        indented\n        again\n"})
    c.push_back(Text(s));
  c.push_back(Bytes(1 + 60 * 3 + 7, 'q'));
  c.push_back(Bytes(100000, 'x'));
  c.push_back(Bytes(5000, ' '));
  c.push_back(Bytes(5000, 0));
  for (uint32_t longest : {3, 8, 61, 200, 5000}) c.push_back(Runs(60000, longest, longest));
  c.push_back(Runs(50000, 1, 9, 4));  // four values: short matches everywhere
  c.emplace_back(20000);               // two alternating: distances 1 and 2 at once
  for (size_t i = 0; i < c.back().size(); ++i) c.back()[i] = "ab"[i % 2];
  // The string leaving the window often begins like the one entering it;
  // here the order of taking one out and putting the other in shows in the
  // output (about one such file in three hundred).
  c.push_back(Runs(4681, 1, 181, 4));
  // The root count starts at 314 and grows by one per symbol; at 0x8000 the
  // model is rebuilt, several times over in these.
  c.push_back(RandomBytes(120000, 5));
  Bytes mixed = text;  // text, noise and runs
  const Bytes noise = RandomBytes(30000, 77), runs = Runs(20000, 100, 3);
  mixed.insert(mixed.begin() + 1000, noise.begin(), noise.end());
  mixed.insert(mixed.end() - 500, runs.begin(), runs.end());
  c.push_back(mixed);
  c.push_back(DeepTreeInput());  // codes longer than 16 bits
  return c;
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
  // The size least significant byte first; literals, a match of 4, and a
  // match of 12 that begins in the blanks the ring starts with.
  const Bytes known = {0x19, 0x00, 0x00, 0x00, 0xF6, 0xFB, 0xBF, 0xD8, 0xBE,
                       0xFC, 0x1F, 0x08, 0xD0, 0x36, 0xE2, 0x54, 0x19, 0xAD};
  EXPECT_EQ(tarvo::LzhEncodeBytes(Text("abracadabra, abracadabra!")), known);
  EXPECT_EQ(tarvo::LzhDecodeBytes(known), Text("abracadabra, abracadabra!"));
  // Shorter than a header, or a size of 0 whatever follows: nothing.
  for (const Bytes& in : {Bytes{}, Bytes{7}, Bytes{7, 0, 0}, Bytes{0, 0, 0, 0, 0xFF, 0x12}})
    EXPECT_TRUE(tarvo::LzhDecodeBytes(in).empty());
}

TEST(LzhCoding, SameAsTheReferenceOnTheCorpus) {
  ASSERT_GT(SourceText().size(), 131072u);
  ASSERT_GT(lzh_reference::Encode(DeepTreeInput()).longest_code, 16);
  for (const Bytes& in : Corpus()) ExpectSameAsReference(in);
}

TEST(LzhCoding, SameAsTheReferenceOnBusyTreesAndShortFiles) {
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
  // A match that runs past the stated size stops there, by one byte or many:
  // 17 literals, then a match of 16.
  const Bytes twice = Text("abcdefghijklmnop abcdefghijklmnop");
  Bytes shorter = tarvo::LzhEncodeBytes(twice);
  for (uint8_t size = 17; size < twice.size(); ++size) {
    shorter[0] = size;
    EXPECT_EQ(tarvo::LzhDecodeBytes(shorter), Bytes(twice.begin(), twice.begin() + size));
  }

  // Size 3, then the code a fresh tree gives symbol 256 (a match of 3),
  // 10001100, and position 4095, 11111111 111111. Distance 4096 from the
  // first write position is that position itself, one of the F ring bytes
  // nothing has written yet: zero, as in a coder whose tables start cleared,
  // also after a call that filled the whole ring.
  const Bytes farthest = {3, 0, 0, 0, 0x8C, 0xFF, 0xFC};
  EXPECT_EQ(lzh_reference::Decode(farthest).data, (Bytes{0, 0, 0}));
  EXPECT_EQ(tarvo::LzhDecodeBytes(farthest), (Bytes{0, 0, 0}));
  tarvo::LzhDecodeBytes(tarvo::LzhEncodeBytes(RandomBytes(9000, 6)));
  EXPECT_EQ(tarvo::LzhDecodeBytes(farthest), (Bytes{0, 0, 0}));
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

template <class F>
std::string Printed(F f) {
  ::testing::internal::CaptureStdout();
  f();
  std::fflush(stdout);
  return ::testing::internal::GetCapturedStdout();
}

TEST(LzhFiles, RoundTripPrintsProgressAndStatistics) {
  const test_data::TempDir dir;
  const std::string in = dir / "in.txt", lzh = dir / "in.lzh", out = dir / "out.txt", empty = dir / "empty";
  const Bytes& text = SourceText();
  test_data::WriteFile(in, text);
  test_data::WriteFile(empty, {});
  const auto ref = lzh_reference::Encode(text);
  auto lines = [](const std::vector<uint64_t>& progress, const char* last) {
    std::string s;
    char line[64];
    for (uint64_t count : progress) s += (std::snprintf(line, sizeof line, "%12ld\r", static_cast<long>(count)), line);
    return s + last;
  };
  char last[200];
  std::snprintf(last, sizeof last, "In : %zu bytes\nOut: %zu bytes\nOut/In: %.3f\n", text.size(), ref.data.size() - 4,
                static_cast<double>(ref.data.size() - 4) / static_cast<double>(text.size()));
  EXPECT_EQ(Printed([&] { EXPECT_TRUE(tarvo::LzhEncodePaths(in.c_str(), lzh.c_str(), true)); }),
            lines(ref.progress, last));
  EXPECT_EQ(ReadFile(lzh), ref.data);
  std::snprintf(last, sizeof last, "%12zu\n", text.size());
  EXPECT_EQ(Printed([&] { EXPECT_TRUE(tarvo::LzhDecodePaths(lzh.c_str(), out.c_str(), true)); }),
            lines(lzh_reference::Decode(ref.data).progress, last));
  EXPECT_EQ(ReadFile(out), text);
  // An empty file: the header alone, and nothing printed either way.
  EXPECT_EQ(Printed([&] {
              tarvo::LzhEncodePaths(empty.c_str(), lzh.c_str(), true);
              tarvo::LzhDecodePaths(lzh.c_str(), out.c_str(), true);
            }),
            "");
  EXPECT_EQ(ReadFile(lzh), (Bytes{0, 0, 0, 0}));
  EXPECT_TRUE(fs::exists(out) && ReadFile(out).empty());
}

TEST(LzhFiles, CodesOnlyWhenBothFilesOpen) {
  const test_data::TempDir dir;
  // A missing input still leaves an empty output.
  EXPECT_FALSE(tarvo::LzhEncodePaths((dir / "absent").c_str(), (dir / "a.lzh").c_str(), true));
  EXPECT_FALSE(tarvo::LzhDecodePaths((dir / "absent").c_str(), (dir / "b.txt").c_str(), true));
  for (const char* out : {"a.lzh", "b.txt"}) EXPECT_TRUE(fs::exists(dir / out) && fs::file_size(dir / out) == 0) << out;
  test_data::WriteFile(dir / "in.txt", Text("some text"));
  EXPECT_FALSE(tarvo::LzhEncodePaths((dir / "in.txt").c_str(), (dir / "no/dir/out").c_str(), true));
  EXPECT_FALSE(tarvo::LzhDecodePaths((dir / "in.txt").c_str(), (dir / "no/dir/out").c_str(), true));
  EXPECT_EQ(ReadFile(dir / "in.txt"), Text("some text"));
}

// A level-0 LHA archive holding `original` as one -lh1- member: the header
// (its size, a checksum of the bytes after those two, the sizes, a date, the
// name and the CRC-16 of the original), the library's bit stream without its
// own 4-byte header, and the 0 byte that ends the archive.
Bytes LhaArchive(const std::string& name, const Bytes& original) {
  const Bytes coded = tarvo::LzhEncodeBytes(original);
  uint16_t crc = 0;  // polynomial 0x8005 bit-reversed, from 0
  for (uint8_t b : original) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
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
  put(crc, 2);
  uint8_t sum = 0;
  for (uint8_t b : h) sum = static_cast<uint8_t>(sum + b);
  Bytes out = {static_cast<uint8_t>(h.size()), sum};
  out.insert(out.end(), h.begin(), h.end());
  out.insert(out.end(), coded.begin() + 4, coded.end());
  out.push_back(0);
  return out;
}

TEST(LzhLha, RestoresTheCorpus) {
  if (std::system("command -v lha > /dev/null 2>&1") != 0) GTEST_SKIP() << "lha (lhasa) is not installed";
  const test_data::TempDir dir;
  const std::vector<Bytes> corpus = Corpus();
  for (size_t i = 0; i < corpus.size(); ++i) {
    const std::string name = "f" + std::to_string(i);
    test_data::WriteFile(dir / (name + ".lzh"), LhaArchive(name, corpus[i]));
    const std::string cmd = "cd '" + dir.path.string() + "' && lha x " + name + ".lzh > lha.log 2>&1 < /dev/null";
    const int status = std::system(cmd.c_str());
    const Bytes log = ReadFile(dir / "lha.log");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << ": " << std::string(log.begin(), log.end());
    EXPECT_EQ(ReadFile(dir / name), corpus[i]) << name << ", " << corpus[i].size() << " bytes";
  }
}

}  // namespace
