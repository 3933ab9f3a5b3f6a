// LZH codec speed: the library's coder against the step-by-step reference,
// on the same data in one run, checking that both produce the same bytes.
//
//   lzh_bench [seconds per measurement, default 0.5]
//
// Data sets, all built here without randomness from outside:
//   text    this repository's sources (up to 1.5 MB) followed by generated
//           prose and generated C++-like code, 4 MB in all
//   zlib    the text deflated with zlib: data that is already compressed
//   runs    4 MB of runs of one byte value, each 1 KB to 64 KB long
// Throughput is in MB (10^6 bytes) of uncompressed data per second of
// processor time, both ways, the best of repeated runs.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "strings/lzh.h"
#include "tests/support/lzh_reference.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr size_t kSize = 4u << 20;

struct Rng {  // xorshift64*
  uint64_t s;
  uint64_t Next() {
    s ^= s >> 12;
    s ^= s << 25;
    s ^= s >> 27;
    return s * 0x2545F4914F6CDD1Dull;
  }
  unsigned Below(unsigned n) { return static_cast<unsigned>((Next() >> 33) % n); }
};

void Append(Bytes& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

Bytes RepositorySources() {
  namespace fs = std::filesystem;
  const fs::path root = fs::path(__FILE__).parent_path().parent_path();
  std::vector<fs::path> files;
  for (const char* dir : {"src", "kernel", "runner", "tests", "bench", "cmake", "scripts"}) {
    std::error_code ec;
    if (!fs::is_directory(root / dir, ec)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root / dir, ec)) {
      const std::string ext = e.path().extension().string();
      if (e.is_regular_file() && (ext == ".cpp" || ext == ".h" || ext == ".cmake" || ext == ".sh" ||
                                  ext == ".md" || ext == ".prg" || ext == ".txt")) {
        files.push_back(e.path());
      }
    }
  }
  std::sort(files.begin(), files.end());
  Bytes out;
  for (const auto& f : files) {
    std::ifstream in(f, std::ios::binary);
    out.insert(out.end(), std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (out.size() >= 1500000) break;
  }
  return out;
}

// Words made of syllables, chosen with a skewed (roughly Zipf) distribution.
std::vector<std::string> Vocabulary(Rng& rng, int count) {
  static const char* const kSyll[] = {"ta", "ro", "ve", "lin", "mar", "so", "de", "ka", "pel", "ri",
                                      "on", "ste", "qua", "bu", "nis", "al", "tor", "fe", "gra", "mu",
                                      "ce", "dor", "pi", "zan", "e", "o", "u", "ith", "ber", "sal"};
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    std::string w;
    const int n = 1 + rng.Below(i < 50 ? 2 : 4);
    for (int k = 0; k < n; ++k) w += kSyll[rng.Below(std::size(kSyll))];
    words.push_back(w);
  }
  return words;
}

const std::string& Pick(Rng& rng, const std::vector<std::string>& words) {
  // Cubing a uniform number favours the front of the list.
  const double u = static_cast<double>(rng.Next() >> 11) / 9007199254740992.0;
  return words[static_cast<size_t>(u * u * u * static_cast<double>(words.size()))];
}

void Prose(Rng& rng, const std::vector<std::string>& words, Bytes& out, size_t until) {
  while (out.size() < until) {
    const int sentences = 2 + rng.Below(6);
    std::string para;
    for (int s = 0; s < sentences; ++s) {
      const int n = 4 + rng.Below(14);
      for (int k = 0; k < n; ++k) {
        std::string w = Pick(rng, words);
        if (k == 0) w[0] = static_cast<char>(w[0] - 'a' + 'A');
        para += w;
        if (k + 1 < n) para += rng.Below(9) == 0 ? ", " : " ";
      }
      para += rng.Below(7) == 0 ? "? " : ". ";
    }
    para.back() = '\n';
    para += '\n';
    Append(out, para);
  }
}

void Code(Rng& rng, const std::vector<std::string>& words, Bytes& out, size_t until) {
  static const char* const kTypes[] = {"int", "unsigned", "size_t", "double", "const char*", "bool"};
  while (out.size() < until) {
    std::string f = "static " + std::string(kTypes[rng.Below(6)]) + " " + Pick(rng, words) + "_" +
                    Pick(rng, words) + "(";
    const int params = rng.Below(4);
    for (int p = 0; p < params; ++p) {
      f += std::string(kTypes[rng.Below(6)]) + " " + Pick(rng, words) + (p + 1 < params ? ", " : "");
    }
    f += ") {\n";
    const int lines = 2 + rng.Below(10);
    for (int l = 0; l < lines; ++l) {
      const std::string a = Pick(rng, words), b = Pick(rng, words);
      switch (rng.Below(5)) {
        case 0: f += "  if (" + a + " > " + std::to_string(rng.Below(1000)) + ") return " + b + ";\n"; break;
        case 1: f += "  " + a + " += " + b + " * " + std::to_string(rng.Below(64)) + ";\n"; break;
        case 2: f += "  for (int i = 0; i < " + a + "; ++i) " + b + "[i] = 0;\n"; break;
        case 3: f += "  // " + Pick(rng, words) + " " + a + " " + b + "\n"; break;
        default: f += "  " + a + " = " + b + "(" + Pick(rng, words) + ");\n"; break;
      }
    }
    f += "  return 0;\n}\n\n";
    Append(out, f);
  }
}

Bytes TextData() {
  Bytes out = RepositorySources();
  Rng rng{0x5EED1234ABCDull};
  const auto words = Vocabulary(rng, 3000);
  while (out.size() < kSize) {
    Prose(rng, words, out, std::min(kSize, out.size() + 200000));
    Code(rng, words, out, std::min(kSize, out.size() + 100000));
  }
  out.resize(kSize);
  return out;
}

Bytes Deflated(const Bytes& text) {
  uLongf n = compressBound(static_cast<uLong>(text.size()));
  Bytes out(n);
  if (compress2(out.data(), &n, text.data(), static_cast<uLong>(text.size()), 9) != Z_OK) std::abort();
  out.resize(n);
  return out;
}

Bytes Runs() {
  Rng rng{42};
  Bytes out;
  while (out.size() < kSize) {
    out.insert(out.end(), 1024 + rng.Below(63 * 1024), static_cast<uint8_t>(rng.Next()));
  }
  out.resize(kSize);
  return out;
}

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Best throughput over repeated runs filling about `seconds`. Processor time,
// not wall time, so that other work on the machine disturbs the figures less.
template <class Fn>
double MBps(size_t bytes, double seconds, Fn fn) {
  double best = 0;
  const double start = CpuSeconds();
  int runs = 0;
  do {
    const double t0 = CpuSeconds();
    fn();
    const double dt = std::max(CpuSeconds() - t0, 1e-6);
    best = std::max(best, static_cast<double>(bytes) / dt / 1e6);
    ++runs;
  } while (runs < 3 || CpuSeconds() - start < seconds);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 0.5;
  const Bytes text = TextData();
  const struct {
    const char* name;
    Bytes data;
  } sets[] = {{"text", text}, {"zlib", Deflated(text)}, {"runs", Runs()}};

  std::printf("%-5s %9s %7s | %-22s | %-22s | %s\n", "data", "bytes", "ratio", "encode MB/s ref/fast",
              "decode MB/s ref/fast", "same bytes");
  bool all_same = true;
  for (const auto& set : sets) {
    const Bytes& in = set.data;
    const auto ref = lzh_reference::Encode(in);
    const Bytes fast = tarvo::LzhEncodeBytes(in);
    const bool same = ref.data == fast && lzh_reference::Decode(fast).data == in &&
                      tarvo::LzhDecodeBytes(fast) == in;
    all_same = all_same && same;

    volatile size_t sink = 0;
    const double enc_ref = MBps(in.size(), seconds, [&] { sink = lzh_reference::Encode(in).data.size(); });
    const double enc_fast = MBps(in.size(), seconds, [&] { sink = tarvo::LzhEncodeBytes(in).size(); });
    const double dec_ref = MBps(in.size(), seconds, [&] { sink = lzh_reference::Decode(fast).data.size(); });
    const double dec_fast = MBps(in.size(), seconds, [&] { sink = tarvo::LzhDecodeBytes(fast).size(); });
    (void)sink;

    std::printf("%-5s %9zu %7.3f | %6.1f / %6.1f (x%4.2f) | %6.1f / %6.1f (x%4.2f) | %s\n", set.name,
                in.size(), static_cast<double>(fast.size() - 4) / static_cast<double>(in.size()), enc_ref,
                enc_fast, enc_fast / enc_ref, dec_ref, dec_fast, dec_fast / dec_ref, same ? "yes" : "NO");
  }
  return all_same ? 0 : 1;
}
