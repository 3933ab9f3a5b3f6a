// The LZHUF coder written out step by step, one byte and one bit at a time:
// the yardstick for the fast codec in src/strings/lzh.cpp, whose unit tests,
// fuzz targets and benchmark require both to produce the same bytes. It
// favours being obviously right over being quick. Beyond the bare algorithm,
// and mirrored by the fast codec: a Huffman code can be longer than 16 bits
// (up to 21), so it is built in 32 bits and written in two parts when long;
// decoding never writes more than the size in the header, cutting short a
// match that would run past it (possible only in a damaged stream).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace lzh_reference {

struct Result {
  std::vector<uint8_t> data;       // the coded file (header included) or the restored file
  std::vector<uint64_t> progress;  // the counts at which progress is reported
  int longest_code = 0;            // the longest Huffman code written (encoding only)
};

// One coder codes one file: every table starts cleared.
struct Coder {
  static constexpr int N = 4096, F = 60, THRESHOLD = 2, NIL = N;  // ring, longest match
  static constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols: bytes, lengths 3..60
  static constexpr int T = N_CHAR * 2 - 1, R = T - 1;  // 627 tree nodes, the root
  static constexpr unsigned MAX_FREQ = 0x8000;

  uint8_t ring[N + F - 1] = {};
  int lson[N + 1] = {}, rson[N + 257] = {}, dad[N + 1] = {};
  unsigned freq[T + 1] = {};
  int prnt[T + N_CHAR] = {}, son[T] = {};
  unsigned put_buf = 0, put_len = 0, get_buf = 0, get_len = 0;
  uint64_t print_count = 0;
  int match_position = 0, match_length = 0;
  const std::vector<uint8_t>* in = nullptr;
  size_t in_pos = 0;
  Result out;

  int ReadByte() { return in_pos < in->size() ? (*in)[in_pos++] : -1; }
  void WriteByte(unsigned b) { out.data.push_back(static_cast<uint8_t>(b)); }
  void Progress(uint64_t count) {
    if (count > print_count) {
      out.progress.push_back(count);
      print_count += 1024;
    }
  }

  Result Encode(const std::vector<uint8_t>& input) {
    in = &input;
    const uint32_t size = static_cast<uint32_t>(input.size());
    for (int i = 0; i < 4; ++i) WriteByte(size >> (8 * i));
    if (size == 0) return std::move(out);
    StartModel();
    for (int i = N + 1; i <= N + 256; ++i) rson[i] = NIL;
    for (int i = 0; i < N; ++i) dad[i] = NIL;
    std::memset(ring, ' ', N - F);
    int s = 0, r = N - F, len = 0, c;
    while (len < F && (c = ReadByte()) >= 0) ring[r + len++] = static_cast<uint8_t>(c);
    uint64_t count = static_cast<uint64_t>(len);
    for (int i = 1; i <= F; ++i) InsertNode(r - i);
    InsertNode(r);
    do {
      if (match_length > len) match_length = len;
      if (match_length <= THRESHOLD) {
        match_length = 1;
        EncodeChar(ring[r]);
      } else {
        EncodeChar(255 - THRESHOLD + match_length);
        EncodePosition(match_position);
      }
      const int last = match_length;
      int i = 0;
      for (; i < last && (c = ReadByte()) >= 0; ++i) {
        DeleteNode(s);
        ring[s] = static_cast<uint8_t>(c);
        if (s < F - 1) ring[s + N] = static_cast<uint8_t>(c);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        InsertNode(r);
      }
      count += static_cast<uint64_t>(i);
      Progress(count);
      while (i++ < last) {
        DeleteNode(s);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        if (--len) InsertNode(r);
      }
    } while (len > 0);
    if (put_len > 0) WriteByte(put_buf >> 8);
    return std::move(out);
  }

  Result Decode(const std::vector<uint8_t>& input) {
    in = &input;
    if (input.size() < 4) return std::move(out);
    uint32_t size = 0;
    for (int i = 0; i < 4; ++i) size |= static_cast<uint32_t>(ReadByte()) << (8 * i);
    StartModel();
    std::memset(ring, ' ', N - F);
    int r = N - F;
    uint64_t count = 0;
    auto emit = [&](uint8_t b) {
      WriteByte(b);
      ring[r] = b;
      r = (r + 1) & (N - 1);
      ++count;
    };
    while (count < size) {
      const int c = DecodeChar();
      if (c < 256) {
        emit(static_cast<uint8_t>(c));
      } else {
        const int i = (r - DecodePosition() - 1) & (N - 1);
        for (int k = 0; k < c - 255 + THRESHOLD && count < size; ++k) emit(ring[(i + k) & (N - 1)]);
      }
      Progress(count);
    }
    return std::move(out);
  }

  // --- bits: most significant first

  void PutCode(int l, unsigned c) {  // c holds the l bits left-aligned in 16
    put_buf = (put_buf | c >> put_len) & 0xFFFF;
    if ((put_len += l) >= 8) {
      WriteByte(put_buf >> 8);
      if ((put_len -= 8) >= 8) {
        WriteByte(put_buf & 0xFF);
        put_len -= 8;
        put_buf = (c << (l - put_len)) & 0xFFFF;
      } else {
        put_buf = (put_buf << 8) & 0xFFFF;
      }
    }
  }

  int GetBits(int n) {  // the next n (at most 8) bits; past the end of the input, 0 bits
    while (get_len <= 8) {
      const int b = ReadByte();
      get_buf |= static_cast<unsigned>(b < 0 ? 0 : b) << (8 - get_len);
      get_len += 8;
    }
    const int v = static_cast<int>(get_buf >> (16 - n));
    get_buf = (get_buf << n) & 0xFFFF;
    get_len -= n;
    return v;
  }

  // --- adaptive Huffman model: nodes in order of frequency, son[n] the left
  // child of node n (the right one is son[n] + 1) or T + symbol for a leaf

  void StartModel() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = i + T;
      prnt[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = freq[i] + freq[i + 1];
      son[j] = i;
      prnt[i] = prnt[i + 1] = j;
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }

  void Rebuild() {  // halves the frequencies and builds the tree again from the leaves
    for (int i = 0, j = 0; i < T; ++i) {
      if (son[i] >= T) freq[j] = (freq[i] + 1) / 2, son[j++] = son[i];
    }
    for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
      const unsigned f = freq[i] + freq[i + 1];
      int k = j;  // after the last node whose count is not above f
      while (f < freq[k - 1]) --k;
      std::copy_backward(freq + k, freq + j, freq + j + 1);
      std::copy_backward(son + k, son + j, son + j + 1);
      freq[k] = f;
      son[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son[i];
      prnt[k] = i;
      if (k < T) prnt[k + 1] = i;
    }
  }

  void Update(int c) {
    if (freq[R] == MAX_FREQ) Rebuild();
    c = prnt[c + T];
    do {
      const unsigned k = ++freq[c];
      int l = c + 1;
      if (k > freq[l]) {  // swap with the last node of the run of equal counts
        while (k > freq[++l]) {
        }
        --l;
        freq[c] = freq[l];
        freq[l] = k;
        const int i = son[c];
        prnt[i] = l;
        if (i < T) prnt[i + 1] = l;
        const int j = son[l];
        son[l] = i;
        prnt[j] = c;
        if (j < T) prnt[j + 1] = c;
        son[c] = j;
        c = l;
      }
    } while ((c = prnt[c]) != 0);
  }

  void EncodeChar(int c) {
    uint32_t code = 0;  // the path from the root, left-aligned in 32 bits
    int len = 0;
    for (int k = prnt[c + T]; k != R; k = prnt[k], ++len) code = (code >> 1) | (k & 1u) << 31;
    out.longest_code = std::max(out.longest_code, len);
    if (len > 16) {
      PutCode(16, code >> 16);
      PutCode(len - 16, code & 0xFFFF);
    } else {
      PutCode(len, code >> 16);
    }
    Update(c);
  }

  int DecodeChar() {
    int c = son[R];
    while (c < T) c = son[c + GetBits(1)];
    Update(c - T);
    return c - T;
  }

  // --- positions: the upper 6 bits as 1 code of 3 bits, 3 of 4, 8 of 5, 12
  // of 6, 24 of 7 and 16 of 8, in increasing order; then the lower 6 bits

  struct PositionCodes {
    uint8_t len[64], code[64], d_code[256], d_len[256];  // by upper bits; by first byte
    PositionCodes() {
      for (unsigned u = 0, c = 0; u < 64; c += 1u << (8 - len[u]), ++u) {
        len[u] = u < 1 ? 3 : u < 4 ? 4 : u < 12 ? 5 : u < 24 ? 6 : u < 48 ? 7 : 8;
        code[u] = static_cast<uint8_t>(c);
        for (unsigned b = c; b < c + (1u << (8 - len[u])); ++b) {
          d_code[b] = static_cast<uint8_t>(u);
          d_len[b] = len[u];
        }
      }
    }
  };
  static const PositionCodes& Positions() {
    static const PositionCodes codes;
    return codes;
  }

  void EncodePosition(int p) {
    PutCode(Positions().len[p >> 6], static_cast<unsigned>(Positions().code[p >> 6]) << 8);
    PutCode(6, (static_cast<unsigned>(p) & 0x3F) << 10);
  }

  int DecodePosition() {
    int i = GetBits(8);
    const int upper = Positions().d_code[i];
    for (int j = Positions().d_len[i] - 2; j > 0; --j) i = (i << 1) | GetBits(1);
    return upper << 6 | (i & 0x3F);
  }

  // --- match search: 256 binary trees (one per first byte) of the strings
  // of F bytes in the ring; inserting r finds the longest match, the nearest
  // of equally long ones, and replaces a string equal in all F bytes

  void InsertNode(int r) {
    const uint8_t* key = &ring[r];
    int cmp = 1, p = N + 1 + key[0];
    rson[r] = lson[r] = NIL;
    match_length = 0;
    for (;;) {
      int* next = cmp >= 0 ? &rson[p] : &lson[p];
      if (*next == NIL) {
        *next = r;
        dad[r] = p;
        return;
      }
      p = *next;
      int i = 1;
      while (i < F && (cmp = key[i] - ring[p + i]) == 0) ++i;
      if (i > THRESHOLD) {
        const int position = ((r - p) & (N - 1)) - 1;
        if (i > match_length) {
          match_position = position;
          if ((match_length = i) >= F) break;
        } else if (i == match_length && position < match_position) {
          match_position = position;
        }
      }
    }
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = r;
    dad[rson[p]] = r;
    (rson[dad[p]] == p ? rson[dad[p]] : lson[dad[p]]) = r;
    dad[p] = NIL;
  }

  void DeleteNode(int p) {
    if (dad[p] == NIL) return;
    int q;
    if (rson[p] == NIL) {
      q = lson[p];
    } else if (lson[p] == NIL) {
      q = rson[p];
    } else {
      q = lson[p];
      if (rson[q] != NIL) {
        while (rson[q] != NIL) q = rson[q];
        rson[dad[q]] = lson[q];
        dad[lson[q]] = dad[q];
        lson[q] = lson[p];
        dad[lson[p]] = q;
      }
      rson[q] = rson[p];
      dad[rson[p]] = q;
    }
    dad[q] = dad[p];
    (rson[dad[p]] == p ? rson[dad[p]] : lson[dad[p]]) = q;
    dad[p] = NIL;
  }
};

inline Result Encode(const std::vector<uint8_t>& in) { return std::make_unique<Coder>()->Encode(in); }
inline Result Decode(const std::vector<uint8_t>& in) { return std::make_unique<Coder>()->Decode(in); }

}  // namespace lzh_reference
