// The LZHUF coder written out step by step, one byte and one bit at a time.
//
// This is the yardstick for the fast codec in src/strings/lzh.cpp: the tests
// and the benchmark require both to produce the same bytes. It favours being
// obviously right over being quick, and is used nowhere in the library.
//
// Two points where it goes beyond the bare algorithm, both mirrored by the
// fast codec:
//  - A Huffman code can be longer than 16 bits (the tree can grow about 21
//    levels deep before the root frequency reaches 0x8000). The code is
//    therefore built in 32 bits and written in two parts when it is long;
//    up to 16 bits this is the usual 16-bit bit buffer exactly.
//  - Decoding never writes more than the size in the header: a match that
//    would run past it (possible only in a damaged stream) is cut short.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace lzh_reference {

struct Result {
  std::vector<uint8_t> data;        // the coded file (header included) or the restored file
  std::vector<uint64_t> progress;   // the counts at which progress is reported
  uint64_t text = 0;                // uncompressed bytes read or written
  uint64_t code = 0;                // bit stream bytes written (encoding only)
  std::vector<int> symbols;         // the Huffman symbols coded, in order (when traced)
  int longest_code = 0;             // the longest Huffman code written (encoding only)
};

class Coder {
 public:
  static constexpr int N = 4096;          // ring size
  static constexpr int F = 60;            // longest match
  static constexpr int THRESHOLD = 2;     // longest run still coded as literals
  static constexpr int NIL = N;
  static constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
  static constexpr int T = N_CHAR * 2 - 1;             // 627 tree nodes
  static constexpr int R = T - 1;                      // root
  static constexpr unsigned MAX_FREQ = 0x8000;

  explicit Coder(bool trace = false) : trace_(trace) {}

  Result Encode(const std::vector<uint8_t>& in) {
    Reset();
    in_ = &in;
    in_pos_ = 0;
    const uint32_t size = static_cast<uint32_t>(in.size());
    for (int i = 0; i < 4; ++i) out_.data.push_back(static_cast<uint8_t>(size >> (8 * i)));
    if (size == 0) return std::move(out_);

    ModelStart();
    TreeInit();
    int s = 0, r = N - F;
    for (int i = 0; i < r; ++i) ring_[i] = ' ';
    int len = 0, c;
    while (len < F && (c = ReadByte()) >= 0) ring_[r + len++] = static_cast<uint8_t>(c);
    uint64_t count = static_cast<uint64_t>(len);
    if (len == 0) return std::move(out_);
    for (int i = 1; i <= F; ++i) TreeInsert(r - i);
    TreeInsert(r);
    do {
      if (match_length_ > len) match_length_ = len;
      if (match_length_ <= THRESHOLD) {
        match_length_ = 1;
        EncodeSymbol(ring_[r]);
      } else {
        EncodeSymbol(255 - THRESHOLD + match_length_);
        EncodePosition(match_position_);
      }
      const int last = match_length_;
      int i = 0;
      for (; i < last && (c = ReadByte()) >= 0; ++i) {
        TreeDelete(s);
        ring_[s] = static_cast<uint8_t>(c);
        if (s < F - 1) ring_[s + N] = static_cast<uint8_t>(c);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        TreeInsert(r);
      }
      count += static_cast<uint64_t>(i);
      Progress(count);
      while (i++ < last) {
        TreeDelete(s);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        if (--len) TreeInsert(r);
      }
    } while (len > 0);
    if (put_len_ > 0) {
      WriteByte(put_buf_ >> 8);
      ++code_size_;
    }
    out_.text = count;
    out_.code = code_size_;
    return std::move(out_);
  }

  Result Decode(const std::vector<uint8_t>& in) {
    Reset();
    in_ = &in;
    in_pos_ = 0;
    if (in.size() < 4) return std::move(out_);
    uint32_t size = 0;
    for (int i = 0; i < 4; ++i) size |= static_cast<uint32_t>(ReadByte()) << (8 * i);
    if (size == 0) return std::move(out_);

    ModelStart();
    for (int i = 0; i < N - F; ++i) ring_[i] = ' ';
    int r = N - F;
    uint64_t count = 0;
    while (count < size) {
      int c = DecodeSymbol();
      if (c < 256) {
        WriteByte(static_cast<unsigned>(c));
        ring_[r] = static_cast<uint8_t>(c);
        r = (r + 1) & (N - 1);
        ++count;
      } else {
        const int i = (r - DecodePosition() - 1) & (N - 1);
        const int j = c - 255 + THRESHOLD;
        for (int k = 0; k < j && count < size; ++k) {
          c = ring_[(i + k) & (N - 1)];
          WriteByte(static_cast<unsigned>(c));
          ring_[r] = static_cast<uint8_t>(c);
          r = (r + 1) & (N - 1);
          ++count;
        }
      }
      Progress(count);
    }
    out_.text = count;
    return std::move(out_);
  }

  // The model alone, for tests that steer the tree: the code of a symbol as
  // the encoder would send it now (bits left-aligned in 32) and its length.
  void ModelReset() { Reset(); ModelStart(); }
  void ModelCode(int c, uint32_t* code, int* length) const {
    uint32_t i = 0;
    int j = 0;
    int k = prnt_[c + T];
    do {
      i >>= 1;
      if (k & 1) i += 0x80000000u;
      ++j;
    } while ((k = prnt_[k]) != R);
    *code = i;
    *length = j;
  }
  void ModelUpdate(int c) { Update(c); }
  unsigned RootFrequency() const { return freq_[R]; }

 private:
  void Reset() {
    std::memset(ring_, 0, sizeof ring_);
    std::memset(lson_, 0, sizeof lson_);
    std::memset(rson_, 0, sizeof rson_);
    std::memset(dad_, 0, sizeof dad_);
    std::memset(freq_, 0, sizeof freq_);
    std::memset(prnt_, 0, sizeof prnt_);
    std::memset(son_, 0, sizeof son_);
    put_buf_ = put_len_ = 0;
    get_buf_ = get_len_ = 0;
    code_size_ = 0;
    print_count_ = 0;
    match_position_ = 0;
    match_length_ = 0;
    out_ = Result{};
  }

  int ReadByte() {
    if (in_pos_ >= in_->size()) return -1;
    return (*in_)[in_pos_++];
  }
  void WriteByte(unsigned b) { out_.data.push_back(static_cast<uint8_t>(b)); }

  void Progress(uint64_t count) {
    if (count > print_count_) {
      out_.progress.push_back(count);
      print_count_ += 1024;
    }
  }

  // --- bit output and input ---

  void PutBits(int l, unsigned c) {  // c holds the l bits left-aligned in 16
    put_buf_ |= c >> put_len_;
    put_buf_ &= 0xFFFF;
    if ((put_len_ += l) >= 8) {
      WriteByte(put_buf_ >> 8);
      if ((put_len_ -= 8) >= 8) {
        WriteByte(put_buf_ & 0xFF);
        code_size_ += 2;
        put_len_ -= 8;
        put_buf_ = (c << (l - put_len_)) & 0xFFFF;
      } else {
        put_buf_ = (put_buf_ << 8) & 0xFFFF;
        ++code_size_;
      }
    }
  }

  int GetBit() {
    while (get_len_ <= 8) {
      int i = ReadByte();
      if (i < 0) i = 0;
      get_buf_ |= static_cast<unsigned>(i) << (8 - get_len_);
      get_len_ += 8;
    }
    const int bit = (get_buf_ >> 15) & 1;
    get_buf_ = (get_buf_ << 1) & 0xFFFF;
    --get_len_;
    return bit;
  }

  int GetByte() {
    while (get_len_ <= 8) {
      int i = ReadByte();
      if (i < 0) i = 0;
      get_buf_ |= static_cast<unsigned>(i) << (8 - get_len_);
      get_len_ += 8;
    }
    const int byte = (get_buf_ >> 8) & 0xFF;
    get_buf_ = (get_buf_ << 8) & 0xFFFF;
    get_len_ -= 8;
    return byte;
  }

  // --- adaptive Huffman model ---

  void ModelStart() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq_[i] = 1;
      son_[i] = i + T;
      prnt_[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq_[j] = freq_[i] + freq_[i + 1];
      son_[j] = i;
      prnt_[i] = prnt_[i + 1] = j;
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
  }

  void Rebuild() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son_[i] >= T) {
        freq_[j] = (freq_[i] + 1) / 2;
        son_[j] = son_[i];
        ++j;
      }
    }
    for (int i = 0, jj = N_CHAR; jj < T; i += 2, ++jj) {
      const unsigned f = freq_[i] + freq_[i + 1];
      int k = jj - 1;
      while (f < freq_[k]) --k;
      ++k;
      for (int m = jj; m > k; --m) {
        freq_[m] = freq_[m - 1];
        son_[m] = son_[m - 1];
      }
      freq_[k] = f;
      son_[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son_[i];
      if (k >= T) {
        prnt_[k] = i;
      } else {
        prnt_[k] = prnt_[k + 1] = i;
      }
    }
  }

  void Update(int c) {
    if (freq_[R] == MAX_FREQ) Rebuild();
    c = prnt_[c + T];
    do {
      const unsigned k = ++freq_[c];
      int l = c + 1;
      if (k > freq_[l]) {
        while (k > freq_[++l]) {
        }
        --l;
        freq_[c] = freq_[l];
        freq_[l] = k;
        const int i = son_[c];
        prnt_[i] = l;
        if (i < T) prnt_[i + 1] = l;
        const int j = son_[l];
        son_[l] = i;
        prnt_[j] = c;
        if (j < T) prnt_[j + 1] = c;
        son_[c] = j;
        c = l;
      }
    } while ((c = prnt_[c]) != 0);
  }

  void EncodeSymbol(int c) {
    uint32_t code;
    int length;
    ModelCode(c, &code, &length);
    if (trace_) out_.symbols.push_back(c);
    if (length > out_.longest_code) out_.longest_code = length;
    if (length > 16) {
      PutBits(16, code >> 16);
      PutBits(length - 16, (code << 16) >> 16);
    } else {
      PutBits(length, code >> 16);
    }
    Update(c);
  }

  int DecodeSymbol() {
    int c = son_[R];
    while (c < T) c = son_[c + GetBit()];
    c -= T;
    if (trace_) out_.symbols.push_back(c);
    Update(c);
    return c;
  }

  // Position codes: 1 code of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7, 16 of 8,
  // assigned in increasing order and left-aligned in a byte.
  struct PositionTables {
    uint8_t p_len[64], p_code[64], d_code[256], d_len[256];
    PositionTables() {
      unsigned code = 0;
      for (int u = 0; u < 64; ++u) {
        p_len[u] = u < 1 ? 3 : u < 4 ? 4 : u < 12 ? 5 : u < 24 ? 6 : u < 48 ? 7 : 8;
        p_code[u] = static_cast<uint8_t>(code);
        for (unsigned b = code; b < code + (1u << (8 - p_len[u])); ++b) {
          d_code[b] = static_cast<uint8_t>(u);
          d_len[b] = p_len[u];
        }
        code += 1u << (8 - p_len[u]);
      }
    }
  };
  static const PositionTables& Positions() {
    static const PositionTables tables;
    return tables;
  }

  void EncodePosition(int p) {
    const int u = p >> 6;
    PutBits(Positions().p_len[u], static_cast<unsigned>(Positions().p_code[u]) << 8);
    PutBits(6, (static_cast<unsigned>(p) & 0x3F) << 10);
  }

  int DecodePosition() {
    int i = GetByte();
    const int c = Positions().d_code[i] << 6;
    int j = Positions().d_len[i] - 2;
    while (j--) i = (i << 1) + GetBit();
    return c | (i & 0x3F);
  }

  // --- match search: 256 binary trees keyed by the next F bytes ---

  void TreeInit() {
    for (int i = N + 1; i <= N + 256; ++i) rson_[i] = NIL;
    for (int i = 0; i < N; ++i) dad_[i] = NIL;
  }

  void TreeInsert(int r) {
    int cmp = 1;
    const uint8_t* key = &ring_[r];
    int p = N + 1 + key[0];
    rson_[r] = lson_[r] = NIL;
    match_length_ = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson_[p] != NIL) {
          p = rson_[p];
        } else {
          rson_[p] = r;
          dad_[r] = p;
          return;
        }
      } else {
        if (lson_[p] != NIL) {
          p = lson_[p];
        } else {
          lson_[p] = r;
          dad_[r] = p;
          return;
        }
      }
      int i;
      for (i = 1; i < F; ++i) {
        if ((cmp = key[i] - ring_[p + i]) != 0) break;
      }
      if (i > THRESHOLD) {
        if (i > match_length_) {
          match_position_ = ((r - p) & (N - 1)) - 1;
          if ((match_length_ = i) >= F) break;
        }
        if (i == match_length_) {
          const int c = ((r - p) & (N - 1)) - 1;
          if (c < match_position_) match_position_ = c;
        }
      }
    }
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p) {
      rson_[dad_[p]] = r;
    } else {
      lson_[dad_[p]] = r;
    }
    dad_[p] = NIL;
  }

  void TreeDelete(int p) {
    if (dad_[p] == NIL) return;
    int q;
    if (rson_[p] == NIL) {
      q = lson_[p];
    } else if (lson_[p] == NIL) {
      q = rson_[p];
    } else {
      q = lson_[p];
      if (rson_[q] != NIL) {
        do {
          q = rson_[q];
        } while (rson_[q] != NIL);
        rson_[dad_[q]] = lson_[q];
        dad_[lson_[q]] = dad_[q];
        lson_[q] = lson_[p];
        dad_[lson_[p]] = q;
      }
      rson_[q] = rson_[p];
      dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p) {
      rson_[dad_[p]] = q;
    } else {
      lson_[dad_[p]] = q;
    }
    dad_[p] = NIL;
  }

  uint8_t ring_[N + F - 1];
  int lson_[N + 1], rson_[N + 257], dad_[N + 1];
  unsigned freq_[T + 1];
  int prnt_[T + N_CHAR];
  int son_[T];
  unsigned put_buf_ = 0, put_len_ = 0;
  unsigned get_buf_ = 0, get_len_ = 0;
  uint64_t code_size_ = 0, print_count_ = 0;
  int match_position_ = 0, match_length_ = 0;
  bool trace_;
  const std::vector<uint8_t>* in_ = nullptr;
  size_t in_pos_ = 0;
  Result out_;
};

// Fresh working state for every call, as the library has. With trace set,
// the result lists the symbols coded.
inline Result Encode(const std::vector<uint8_t>& in, bool trace = false) {
  return std::make_unique<Coder>(trace)->Encode(in);
}
inline Result Decode(const std::vector<uint8_t>& in, bool trace = false) {
  return std::make_unique<Coder>(trace)->Decode(in);
}

// Test data whose coding needs Huffman codes longer than 16 bits: matches
// whose lengths have counts in a ratio near the golden one make the tree a
// long chain, and the code of a symbol unused for a while (the last byte, a
// literal) grows past 16 bits.
inline std::vector<uint8_t> DeepTreeInput() {
  static const int kWeight[] = {1000, 1700, 2890, 4913, 8352, 14199, 24138, 41034};
  int total = 0;
  for (int w : kWeight) total += w;
  std::mt19937 rng(1);
  std::vector<uint8_t> v;
  for (int i = 0; i < 500; ++i) v.push_back(static_cast<uint8_t>(rng()));
  long credit[8] = {};
  size_t after_source = 0;
  for (int k = 0; k < 60000; ++k) {
    int pick = 0;  // smooth weighted round robin over the lengths 3 to 10
    for (int i = 0; i < 8; ++i) {
      credit[i] += kWeight[i];
      if (credit[i] > credit[pick]) pick = i;
    }
    credit[pick] -= total;
    // A copy from the recent past whose first byte differs from the byte
    // after the previous copy's source, so that matches rarely run on.
    const size_t span = std::min<size_t>(v.size(), 4000);
    size_t src;
    do {
      src = v.size() - span + rng() % (span - 64);
    } while (k > 0 && v[src] == v[after_source]);
    for (int j = 0; j < 3 + pick; ++j) v.push_back(v[src + static_cast<size_t>(j)]);
    after_source = src + 3 + static_cast<size_t>(pick);
  }
  v.push_back(static_cast<uint8_t>(rng()));  // a literal unused for long
  return v;
}

}  // namespace lzh_reference
