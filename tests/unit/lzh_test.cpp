// The LZH codec against the step-by-step reference coder: same bytes, same
// progress reports, and decoding that never goes astray on damaged input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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
using test_data::RandomBytes;
using test_data::ReadFile;
using test_data::Runs;
using test_data::WriteFile;
namespace fs = std::filesystem;

Bytes FromText(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Source text of this project, prose in comments and code around it, the
// files in name order up to 300 KB.
Bytes SourceText() {
  std::vector<fs::path> files;
  for (const char* dir : {"kernel", "src", "tests"}) {
    for (const auto& e : fs::recursive_directory_iterator(fs::path(TARVO_SOURCE_DIR) / dir)) {
      const auto ext = e.path().extension();
      if (e.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(e.path());
    }
  }
  std::sort(files.begin(), files.end());
  Bytes out;
  for (const auto& f : files) {
    const Bytes b = ReadFile(f);
    out.insert(out.end(), b.begin(), b.end());
    if (out.size() >= 300000) break;
  }
  if (out.size() > 300000) out.resize(300000);
  return out;
}

// The library's coder writes the reference's bytes, and both decoders give
// the input back.
void ExpectSameAsReference(const Bytes& in) {
  const auto ref = lzh_reference::Encode(in);
  tarvo::LzhStats stats;
  const Bytes fast = tarvo::LzhEncodeBytes(in, &stats);
  ASSERT_EQ(fast, ref.data) << "input of " << in.size() << " bytes";
  EXPECT_EQ(stats.text, in.size());
  EXPECT_EQ(stats.code, fast.size() - 4);
  EXPECT_EQ(stats.code, ref.code);
  tarvo::LzhStats back;
  EXPECT_EQ(tarvo::LzhDecodeBytes(fast, &back), in);
  EXPECT_EQ(back.text, in.size());
  EXPECT_EQ(back.code, fast.size() - 4);  // every byte of the body is needed, no more
  EXPECT_EQ(lzh_reference::Decode(fast).data, in);
}

// Collects what the codec reports and writes, without storing the output.
struct Sink {
  std::vector<uint64_t> progress;
  uint64_t written = 0;
  size_t largest_write = 0;
  uint64_t hash = 14695981039346656037ull;  // FNV-1a of everything written
  const Bytes* input = nullptr;
  size_t pos = 0;
  size_t piece = 0;  // most bytes handed out per read; 0: as many as asked for
  Bytes kept;        // everything written, when keep is set
  bool keep = false;

  tarvo::LzhIo Io() {
    tarvo::LzhIo io;
    io.ctx = this;
    io.read = [](void* ctx, uint8_t* buf, size_t cap) {
      auto* s = static_cast<Sink*>(ctx);
      size_t n = std::min(cap, s->input->size() - s->pos);
      if (s->piece) n = std::min(n, s->piece);
      if (n) std::memcpy(buf, s->input->data() + s->pos, n);
      s->pos += n;
      return n;
    };
    io.write = [](void* ctx, const uint8_t* buf, size_t n) {
      auto* s = static_cast<Sink*>(ctx);
      s->written += n;
      s->largest_write = std::max(s->largest_write, n);
      for (size_t i = 0; i < n; ++i) s->hash = (s->hash ^ buf[i]) * 1099511628211ull;
      if (s->keep) s->kept.insert(s->kept.end(), buf, buf + n);
    };
    io.progress = [](void* ctx, uint64_t count) { static_cast<Sink*>(ctx)->progress.push_back(count); };
    return io;
  }
};

uint64_t Fnv(const Bytes& b) {
  uint64_t h = 14695981039346656037ull;
  for (uint8_t c : b) h = (h ^ c) * 1099511628211ull;
  return h;
}

// ------------------------------------------------------------------ format

TEST(LzhFormat, EmptyInputIsJustAZeroHeader) {
  tarvo::LzhStats stats;
  EXPECT_EQ(tarvo::LzhEncodeBytes({}, &stats), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(stats.text, 0u);
  EXPECT_EQ(stats.code, 0u);
  EXPECT_TRUE(tarvo::LzhDecodeBytes(Bytes{0, 0, 0, 0}).empty());
  // A zero size ends decoding whatever follows.
  EXPECT_TRUE(tarvo::LzhDecodeBytes(Bytes{0, 0, 0, 0, 0xFF, 0x12}).empty());
}

TEST(LzhFormat, HeaderHoldsTheSizeLeastSignificantByteFirst) {
  const Bytes five = tarvo::LzhEncodeBytes(FromText("hello"));
  EXPECT_EQ(Bytes(five.begin(), five.begin() + 4), (Bytes{5, 0, 0, 0}));
  const Bytes big = tarvo::LzhEncodeBytes(Runs(0x11170, 300, 1));
  EXPECT_EQ(Bytes(big.begin(), big.begin() + 4), (Bytes{0x70, 0x11, 0x01, 0x00}));
}

TEST(LzhFormat, KnownBytesForASmallInput) {
  // Literals, a match of 4, and a match of 12 that begins in the blanks the
  // ring starts with.
  const Bytes in = FromText("abracadabra, abracadabra!");
  const Bytes expected = {0x19, 0x00, 0x00, 0x00, 0xF6, 0xFB, 0xBF, 0xD8, 0xBE,
                          0xFC, 0x1F, 0x08, 0xD0, 0x36, 0xE2, 0x54, 0x19, 0xAD};
  EXPECT_EQ(tarvo::LzhEncodeBytes(in), expected);
  EXPECT_EQ(lzh_reference::Encode(in).data, expected);
  EXPECT_EQ(tarvo::LzhDecodeBytes(expected), in);
  EXPECT_EQ(lzh_reference::Encode(in, true).symbols,
            (std::vector<int>{'a', 'b', 'r', 'a', 'c', 'a', 'd', 253 + 4, ',', 253 + 12, '!'}));
}

TEST(LzhFormat, InputShorterThanAHeaderDecodesToNothing) {
  for (const Bytes& in : {Bytes{}, Bytes{7}, Bytes{7, 0}, Bytes{7, 0, 0}}) {
    tarvo::LzhStats stats;
    EXPECT_TRUE(tarvo::LzhDecodeBytes(in, &stats).empty());
    EXPECT_EQ(stats.text, 0u);
  }
}

// ------------------------------------------------------------------ round trips

TEST(LzhRoundTrip, SizesAroundTheLookAheadAndTheRing) {
  const Bytes text = SourceText();
  ASSERT_GT(text.size(), 20000u);
  for (size_t n : {1, 2, 3, 5, 59, 60, 61, 62, 4035, 4036, 4095, 4096, 4097, 8192, 8193}) {
    SCOPED_TRACE(n);
    ExpectSameAsReference(Bytes(text.begin(), text.begin() + static_cast<long>(n)));
    ExpectSameAsReference(RandomBytes(n, static_cast<uint32_t>(n)));
  }
}

TEST(LzhRoundTrip, RunHeavyData) {
  ExpectSameAsReference(Bytes(100000, 'x'));
  ExpectSameAsReference(Bytes(5000, ' '));  // all of it matches the blank start
  ExpectSameAsReference(Bytes(5000, 0));
  for (size_t longest : {3, 8, 61, 200, 5000}) {
    SCOPED_TRACE(longest);
    ExpectSameAsReference(Runs(60000, longest, static_cast<uint32_t>(longest)));
  }
  // Two values alternating: distances of 1 and 2 at once.
  Bytes ab;
  for (int i = 0; i < 20000; ++i) ab.push_back("ab"[i % 2]);
  ExpectSameAsReference(ab);
}

TEST(LzhRoundTrip, RandomData) {
  for (uint32_t seed : {1u, 2u, 3u}) ExpectSameAsReference(RandomBytes(70000, seed));
  // A few byte values only: short matches everywhere.
  std::mt19937 rng(9);
  Bytes few(50000);
  for (auto& b : few) b = "ACGT"[rng() % 4];
  ExpectSameAsReference(few);
}

TEST(LzhRoundTrip, LongEnoughForTheModelToRebuild) {
  // The root count starts at 314 and grows by one per symbol; at 0x8000 the
  // tree is rebuilt.
  for (const Bytes& in : {RandomBytes(120000, 5), SourceText()}) {
    const auto ref = lzh_reference::Encode(in, true);
    ASSERT_GT(ref.symbols.size(), 0x8000u - 314u);
    ExpectSameAsReference(in);
  }
}

TEST(LzhRoundTrip, ShortInputsOfFewByteValues) {
  // Files that end inside the look-ahead: matches near the end compare bytes
  // past it, which must be what a fresh ring holds there.
  const char kAlphabet[] = " \n ab  e";
  for (uint32_t seed = 0; seed < 300; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    Bytes in(1 + rng() % 300);
    for (auto& b : in) b = static_cast<uint8_t>(kAlphabet[rng() % 8]);
    ExpectSameAsReference(in);
  }
}

TEST(LzhRoundTrip, FewWordsRepeated) {
  // Many strings share their first bytes: the trees are busy, and the
  // oldest string is often in the tree the next insertion goes to.
  static const char* const kWords[] = {"the ", "a ", "an ", "then ", "tea ", "eat ", "at ", "ate ", "\n"};
  for (uint32_t seed = 0; seed < 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    const size_t n = 2000 + rng() % 20000;
    Bytes in;
    while (in.size() < n) {
      const std::string w = kWords[rng() % 9];
      in.insert(in.end(), w.begin(), w.end());
    }
    ExpectSameAsReference(in);
  }
}

TEST(LzhRoundTrip, BinaryWithSourceTextAndRandomMixed) {
  Bytes mixed = SourceText();
  const Bytes noise = RandomBytes(30000, 77);
  mixed.insert(mixed.begin() + 1000, noise.begin(), noise.end());
  const Bytes runs = Runs(20000, 100, 3);
  mixed.insert(mixed.end() - 500, runs.begin(), runs.end());
  ExpectSameAsReference(mixed);
}

// ------------------------------------------------------------------ symbols

std::vector<int> Symbols(const Bytes& in) { return lzh_reference::Encode(in, true).symbols; }

TEST(LzhSymbols, ThreeBytesMatchTwoDoNot) {
  const Bytes three = FromText("xyzQxyz");
  EXPECT_EQ(Symbols(three), (std::vector<int>{'x', 'y', 'z', 'Q', 256}));
  ExpectSameAsReference(three);

  const Bytes two = FromText("xyQxy");
  EXPECT_EQ(Symbols(two), (std::vector<int>{'x', 'y', 'Q', 'x', 'y'}));
  ExpectSameAsReference(two);
}

TEST(LzhSymbols, SixtyBytesIsTheLongestMatch) {
  Bytes twice = RandomBytes(60, 4);
  twice.insert(twice.end(), twice.begin(), twice.end());
  const auto symbols = Symbols(twice);
  ASSERT_EQ(symbols.size(), 61u);
  EXPECT_EQ(symbols.back(), 313);
  ExpectSameAsReference(twice);

  // A run: one literal, then matches of 60 at distance 1, then the rest.
  const Bytes run(1 + 60 * 3 + 7, 'q');
  EXPECT_EQ(Symbols(run), (std::vector<int>{'q', 313, 313, 313, 253 + 7}));
  ExpectSameAsReference(run);

  // 61 equal bytes after the first: the longest match stops at 60.
  Bytes longer = RandomBytes(61, 5);
  longer.insert(longer.end(), longer.begin(), longer.end());
  const auto more = Symbols(longer);
  EXPECT_EQ(*std::max_element(more.begin(), more.end()), 313);
  ExpectSameAsReference(longer);
}

TEST(LzhSymbols, MatchesReachIntoTheBlankStart) {
  const Bytes in = FromText("    leading blanks");
  EXPECT_EQ(Symbols(in).front(), 253 + 4);
  ExpectSameAsReference(in);
}

TEST(LzhSymbols, CodesLongerThanSixteenBits) {
  const Bytes in = lzh_reference::DeepTreeInput();
  const auto ref = lzh_reference::Encode(in);
  ASSERT_GT(ref.longest_code, 16);
  ExpectSameAsReference(in);
}

TEST(LzhSymbols, TheModelCanGrowDeeperThanSixteen) {
  // The model alone, fed match lengths with counts in the golden ratio: a
  // symbol never seen ends up below a chain of them.
  auto coder = std::make_unique<lzh_reference::Coder>();
  coder->ModelReset();
  static const int kWeight[] = {1000, 1618, 2618, 4236, 6854, 11090, 17944, 29034, 46979};
  int total = 0;
  for (int w : kWeight) total += w;
  long credit[9] = {};
  int longest = 0;
  for (int step = 0; step < 200000; ++step) {
    int pick = 0;
    for (int i = 0; i < 9; ++i) {
      credit[i] += kWeight[i];
      if (credit[i] > credit[pick]) pick = i;
    }
    credit[pick] -= total;
    coder->ModelUpdate(256 + pick);
    uint32_t code;
    int length;
    coder->ModelCode('~', &code, &length);
    longest = std::max(longest, length);
    ASSERT_LE(coder->RootFrequency(), 0x8000u);
  }
  EXPECT_GT(longest, 16);
  EXPECT_LE(longest, 21);  // Fibonacci(23) <= 0x8000 < Fibonacci(24)
}

// ------------------------------------------------------------------ state

TEST(LzhState, EveryCallStartsAfresh) {
  const Bytes a = RandomBytes(5000, 11);
  Bytes b = SourceText();
  b.resize(10000);
  const Bytes b_first = tarvo::LzhEncodeBytes(b);
  const Bytes a_coded = tarvo::LzhEncodeBytes(a);
  const Bytes b_second = tarvo::LzhEncodeBytes(b);
  EXPECT_EQ(b_first, b_second);
  EXPECT_EQ(b_second, lzh_reference::Encode(b).data);
  // Decoding in either order.
  EXPECT_EQ(tarvo::LzhDecodeBytes(a_coded), a);
  EXPECT_EQ(tarvo::LzhDecodeBytes(b_second), b);
  EXPECT_EQ(tarvo::LzhDecodeBytes(a_coded), a);

  // A file that ends within the look-ahead leaves stale bytes in the ring;
  // the next file must not see them.
  const Bytes c = FromText("abcdefgh");
  const Bytes c_first = tarvo::LzhEncodeBytes(c);
  tarvo::LzhEncodeBytes(RandomBytes(100, 12));
  EXPECT_EQ(tarvo::LzhEncodeBytes(c), c_first);
}

// ------------------------------------------------------------------ progress

TEST(LzhProgress, ReportedAsTheReferenceDoes) {
  for (const Bytes& in : {SourceText(), RandomBytes(9000, 2), Bytes(3000, 'z'), FromText("tiny")}) {
    const auto ref = lzh_reference::Encode(in);
    Sink enc;
    enc.input = &in;
    tarvo::LzhEncodeStream(enc.Io(), static_cast<uint32_t>(in.size()));
    EXPECT_EQ(enc.progress, ref.progress);
    ASSERT_FALSE(enc.progress.empty());
    // The first report comes with the first step, the others each time the
    // count passes the next multiple of 1024 (a step reads at most 60 bytes).
    EXPECT_LE(enc.progress[0], 120u);
    for (size_t k = 1; k < enc.progress.size(); ++k) {
      EXPECT_GT(enc.progress[k], 1024 * k);
      EXPECT_LE(enc.progress[k], 1024 * k + 60);
    }

    const auto ref_back = lzh_reference::Decode(ref.data);
    Sink dec;
    dec.input = &ref.data;
    tarvo::LzhDecodeStream(dec.Io());
    EXPECT_EQ(dec.progress, ref_back.progress);
    EXPECT_EQ(dec.written, in.size());
  }
}

// ------------------------------------------------------------------ streams

TEST(LzhStreams, ReadsOfAnySizeGiveTheSameBytes) {
  // The codec reads blocks as the source hands them out; how they are cut
  // must not show in the result.
  Bytes in = SourceText();
  in.resize(40000);
  const Bytes noise = RandomBytes(3000, 8);
  in.insert(in.begin() + 20000, noise.begin(), noise.end());
  const Bytes coded = tarvo::LzhEncodeBytes(in);
  Bytes cut = coded;
  cut.resize(coded.size() / 2);  // the rest reads as 0 bits
  const Bytes cut_back = tarvo::LzhDecodeBytes(cut);
  for (size_t piece : {1, 2, 3, 7, 8, 9, 61, 4097}) {
    SCOPED_TRACE(piece);
    Sink enc;
    enc.input = &in;
    enc.piece = piece;
    enc.keep = true;
    tarvo::LzhEncodeStream(enc.Io(), static_cast<uint32_t>(in.size()));
    EXPECT_EQ(enc.kept, coded);
    for (const Bytes* stream : {&coded, static_cast<const Bytes*>(&cut)}) {
      Sink dec;
      dec.input = stream;
      dec.piece = piece;
      dec.keep = true;
      const tarvo::LzhStats stats = tarvo::LzhDecodeStream(dec.Io());
      EXPECT_EQ(dec.kept, stream == &coded ? in : cut_back);
      EXPECT_EQ(stats.code, stream->size() - 4);
    }
  }
}

// ------------------------------------------------------------------ damaged input

TEST(LzhDecode, TruncatedStreamStillWritesTheStatedSize) {
  const Bytes text = SourceText();
  const Bytes coded = tarvo::LzhEncodeBytes(text);
  for (size_t keep : {size_t{4}, size_t{5}, coded.size() / 3, coded.size() - 1}) {
    SCOPED_TRACE(keep);
    const Bytes cut(coded.begin(), coded.begin() + static_cast<long>(keep));
    const Bytes back = tarvo::LzhDecodeBytes(cut);
    ASSERT_EQ(back.size(), text.size());
    EXPECT_EQ(back, lzh_reference::Decode(cut).data);
  }
  // What came before the cut is decoded as it was.
  const Bytes cut(coded.begin(), coded.begin() + static_cast<long>(coded.size() / 3));
  const Bytes back = tarvo::LzhDecodeBytes(cut);
  EXPECT_TRUE(std::equal(text.begin(), text.begin() + 1000, back.begin()));
}

TEST(LzhDecode, FarthestMatchAtTheStartReadsTheUnwrittenRing) {
  // Size 3, then the code a fresh tree gives symbol 256 (a match of 3),
  // 10001100, and position 4095, 11111111 111111. Distance 4096 from the
  // first write position is that position itself, one of the F ring bytes
  // nothing has written yet: zero, as in a coder whose tables start cleared.
  const Bytes in = {3, 0, 0, 0, 0x8C, 0xFF, 0xFC};
  EXPECT_EQ(lzh_reference::Decode(in, true).symbols, (std::vector<int>{256}));
  EXPECT_EQ(lzh_reference::Decode(in).data, (Bytes{0, 0, 0}));
  EXPECT_EQ(tarvo::LzhDecodeBytes(in), (Bytes{0, 0, 0}));
  // Also after a call that filled the whole ring.
  tarvo::LzhDecodeBytes(tarvo::LzhEncodeBytes(RandomBytes(9000, 6)));
  EXPECT_EQ(tarvo::LzhDecodeBytes(in), (Bytes{0, 0, 0}));
}

TEST(LzhDecode, GarbageAfterAValidHeader) {
  std::mt19937 rng(2024);
  for (int trial = 0; trial < 40; ++trial) {
    Bytes in = RandomBytes(rng() % 3000, rng());
    const uint32_t size = rng() % 20000 + 1;
    in.insert(in.begin(), {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8), 0, 0});
    const Bytes back = tarvo::LzhDecodeBytes(in);
    ASSERT_EQ(back.size(), size);
    EXPECT_EQ(back, lzh_reference::Decode(in).data) << "trial " << trial;
  }
}

TEST(LzhDecode, HugeStatedSizeIsWrittenInBoundedMemory) {
  // 8 MiB promised by a header with 12 bytes behind it: written exactly,
  // block by block, the same bytes as the reference writes.
  const uint32_t size = 8u << 20;
  Bytes in = {0, 0, 0x80, 0, 0x9C, 0x31, 0xFF, 0x00, 0x12, 0x7E, 0xA5, 0x5A, 0x00, 0x01, 0xC3, 0x3C};
  Sink sink;
  sink.input = &in;
  const tarvo::LzhStats stats = tarvo::LzhDecodeStream(sink.Io());
  EXPECT_EQ(sink.written, size);
  EXPECT_EQ(stats.text, size);
  EXPECT_EQ(stats.code, in.size() - 4);
  EXPECT_LE(sink.largest_write, size_t{1} << 17);
  EXPECT_EQ(sink.hash, Fnv(lzh_reference::Decode(in).data));

  // The largest size there is, with nothing behind it, taken only as far as
  // 64 MiB: the output goes to the sink as it is made.
  const Bytes header = {0xFF, 0xFF, 0xFF, 0xFF};
  struct Stop {};
  tarvo::LzhIo io;
  size_t written = 0, pos = 0;
  struct Ctx {
    const Bytes* in;
    size_t* pos;
    size_t* written;
  } ctx{&header, &pos, &written};
  io.ctx = &ctx;
  io.read = [](void* c, uint8_t* buf, size_t cap) {
    auto* x = static_cast<Ctx*>(c);
    const size_t n = std::min(cap, x->in->size() - *x->pos);
    if (n) std::memcpy(buf, x->in->data() + *x->pos, n);
    *x->pos += n;
    return n;
  };
  io.write = [](void* c, const uint8_t*, size_t n) {
    auto* x = static_cast<Ctx*>(c);
    *x->written += n;
    if (*x->written >= (size_t{64} << 20)) throw Stop{};
  };
  EXPECT_THROW(tarvo::LzhDecodeStream(io), Stop);
  EXPECT_GE(written, size_t{64} << 20);
}

// ------------------------------------------------------------------ files

class LzhFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lzh_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(LzhFiles, RoundTripThroughFiles) {
  const Bytes text = SourceText();
  WriteFile(Path("in.txt"), text);
  EXPECT_TRUE(tarvo::LzhEncodePaths(Path("in.txt").c_str(), Path("in.lzh").c_str(), false));
  EXPECT_EQ(ReadFile(Path("in.lzh")), lzh_reference::Encode(text).data);
  EXPECT_TRUE(tarvo::LzhDecodePaths(Path("in.lzh").c_str(), Path("out.txt").c_str(), false));
  EXPECT_EQ(ReadFile(Path("out.txt")), text);
}

TEST_F(LzhFiles, MissingInputLeavesAnEmptyOutput) {
  EXPECT_FALSE(tarvo::LzhEncodePaths(Path("absent").c_str(), Path("a.lzh").c_str(), true));
  ASSERT_TRUE(fs::exists(Path("a.lzh")));
  EXPECT_EQ(fs::file_size(Path("a.lzh")), 0u);
  EXPECT_FALSE(tarvo::LzhDecodePaths(Path("absent").c_str(), Path("b.txt").c_str(), true));
  ASSERT_TRUE(fs::exists(Path("b.txt")));
  EXPECT_EQ(fs::file_size(Path("b.txt")), 0u);
}

TEST_F(LzhFiles, OutputThatCannotBeOpened) {
  WriteFile(Path("in.txt"), FromText("some text"));
  const std::string nowhere = Path("no/such/dir/out");
  EXPECT_FALSE(tarvo::LzhEncodePaths(Path("in.txt").c_str(), nowhere.c_str(), true));
  EXPECT_FALSE(tarvo::LzhDecodePaths(Path("in.txt").c_str(), nowhere.c_str(), true));
  EXPECT_EQ(ReadFile(Path("in.txt")), FromText("some text"));
}

std::string Progress(const std::vector<uint64_t>& counts) {
  std::string s;
  char line[64];
  for (uint64_t c : counts) {
    std::snprintf(line, sizeof line, "%12ld\r", static_cast<long>(c));
    s += line;
  }
  return s;
}

TEST_F(LzhFiles, PrintsProgressAndStatistics) {
  const Bytes text = SourceText();
  WriteFile(Path("in.txt"), text);
  const auto ref = lzh_reference::Encode(text);

  ::testing::internal::CaptureStdout();
  tarvo::LzhEncodePaths(Path("in.txt").c_str(), Path("in.lzh").c_str(), true);
  std::fflush(stdout);
  const std::string encoded = ::testing::internal::GetCapturedStdout();
  char stats[200];
  std::snprintf(stats, sizeof stats, "In : %ld bytes\nOut: %ld bytes\nOut/In: %.3f\n",
                static_cast<long>(text.size()), static_cast<long>(ref.data.size() - 4),
                static_cast<double>(ref.data.size() - 4) / static_cast<double>(text.size()));
  EXPECT_EQ(encoded, Progress(ref.progress) + stats);

  ::testing::internal::CaptureStdout();
  tarvo::LzhDecodePaths(Path("in.lzh").c_str(), Path("out.txt").c_str(), true);
  std::fflush(stdout);
  const std::string decoded = ::testing::internal::GetCapturedStdout();
  char last[64];
  std::snprintf(last, sizeof last, "%12ld\n", static_cast<long>(text.size()));
  EXPECT_EQ(decoded, Progress(lzh_reference::Decode(ref.data).progress) + last);
}

TEST_F(LzhFiles, EmptyFilePrintsNothing) {
  WriteFile(Path("empty"), {});
  ::testing::internal::CaptureStdout();
  tarvo::LzhEncodePaths(Path("empty").c_str(), Path("empty.lzh").c_str(), true);
  tarvo::LzhDecodePaths(Path("empty.lzh").c_str(), Path("back").c_str(), true);
  std::fflush(stdout);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(ReadFile(Path("empty.lzh")), (Bytes{0, 0, 0, 0}));
  EXPECT_TRUE(ReadFile(Path("back")).empty());
}

}  // namespace
