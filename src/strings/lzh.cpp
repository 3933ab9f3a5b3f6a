// LZHUF: LZSS with a 4096-byte ring and 60-byte look-ahead, the longest match
// found in 256 binary search trees (one per first byte), literals and match
// lengths coded with an adaptive Huffman tree and the upper 6 bits of each
// match position with a fixed prefix code.
//
// The output is bit for bit that of the classic step-by-step coder (kept as
// tests/support/lzh_reference.h); this one only carries out the same steps
// faster:
//  - input and output go through 64 KiB blocks, and bits through a 64-bit
//    accumulator; a position code is read in one step from its top byte;
//  - the match search compares 8 bytes at a time, takes its turns without
//    branches, and keeps its trees in 16-bit indices (all of it stays in the
//    first-level cache); two insertions into different trees go down side by
//    side, so that one's wait for memory overlaps the other's work;
//  - a symbol is counted in the model on the walk that codes it, instead of
//    on a second walk up the tree (see Model::MoveAndClimb);
//  - the decoder keeps its history in the output block itself and copies
//    matches 8 bytes at a time.
#include "strings/lzh.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

namespace tarvo {
namespace {

constexpr int N = 4096;                             // ring size
constexpr int F = 60;                               // longest match
constexpr int THRESHOLD = 2;                        // longest run coded as literals
constexpr unsigned NIL = N;                         // no node
constexpr int N_CHAR = 256 - THRESHOLD + F;         // symbols: 256 bytes, lengths 3..60
constexpr unsigned T = N_CHAR * 2 - 1;              // nodes of the Huffman tree
constexpr unsigned R = T - 1;                       // its root
constexpr unsigned MAX_FREQ = 0x8000;               // root frequency that triggers a rebuild
constexpr size_t kBlock = size_t{1} << 16;          // I/O block

// Prefix codes for the upper 6 bits of a position: 1 code of 3 bits, 3 of 4,
// 8 of 5, 12 of 6, 24 of 7 and 16 of 8, in increasing order, left-aligned in
// a byte. For decoding, the value and length of the code each byte begins with.
struct PositionTables {
  uint8_t len[64];
  uint8_t code[64];
  uint8_t d_code[256];
  uint8_t d_len[256];
  constexpr PositionTables() : len(), code(), d_code(), d_len() {
    unsigned c = 0;
    for (unsigned u = 0; u < 64; ++u) {
      len[u] = u < 1 ? 3 : u < 4 ? 4 : u < 12 ? 5 : u < 24 ? 6 : u < 48 ? 7 : 8;
      code[u] = static_cast<uint8_t>(c);
      const unsigned span = 1u << (8 - len[u]);
      for (unsigned b = c; b < c + span; ++b) {
        d_code[b] = static_cast<uint8_t>(u);
        d_len[b] = len[u];
      }
      c += span;
    }
  }
};
constexpr PositionTables kPos{};
static_assert(kPos.code[1] == 0x20 && kPos.code[4] == 0x50 && kPos.code[5] == 0x58 &&
              kPos.code[63] == 0xFF);

// The adaptive Huffman tree. Nodes are kept in order of frequency, siblings
// next to each other; son[n] is the left child of node n (the right one is
// son[n] + 1; left children always have even indices, so the parity of a
// node is the bit that leads to it), or T + symbol for a leaf;
// prnt[T + symbol] is the leaf's node.
struct Model {
  uint16_t freq[T + 1];
  uint16_t son[T];
  uint16_t prnt[T + N_CHAR];

  void Start() {
    for (unsigned i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = static_cast<uint16_t>(i + T);
      prnt[i + T] = static_cast<uint16_t>(i);
    }
    for (unsigned i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<uint16_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<uint16_t>(j);
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }

  // Halves the frequencies and builds the tree again from the leaves.
  void Rebuild() {
    unsigned j = 0;
    for (unsigned i = 0; i < T; ++i) {
      if (son[i] >= T) {
        freq[j] = static_cast<uint16_t>((freq[i] + 1u) / 2);
        son[j] = son[i];
        ++j;
      }
    }
    for (unsigned i = 0, jj = N_CHAR; jj < T; i += 2, ++jj) {
      const unsigned f = freq[i] + freq[i + 1];
      // After the last node (the counts are in order) whose count is not above f.
      const unsigned k = static_cast<unsigned>(std::upper_bound(freq, freq + jj, f) - freq);
      std::memmove(&freq[k + 1], &freq[k], (jj - k) * sizeof freq[0]);
      std::memmove(&son[k + 1], &son[k], (jj - k) * sizeof son[0]);
      freq[k] = static_cast<uint16_t>(f);
      son[k] = static_cast<uint16_t>(i);
    }
    for (unsigned i = 0; i < T; ++i) {
      const unsigned k = son[i];
      if (k >= T) {
        prnt[k] = static_cast<uint16_t>(i);
      } else {
        prnt[k] = prnt[k + 1] = static_cast<uint16_t>(i);
      }
    }
  }

  // Counts one more occurrence of symbol c, from its leaf up to the root. A
  // node whose count passes its right neighbour's changes places with the
  // last node of the run of equal counts it leaves (Move), and counting goes
  // on from its new parent.
  void Update(unsigned c) {
    if (freq[R] == MAX_FREQ) Rebuild();
    Climb(prnt[c + T]);
  }

  void Climb(unsigned n) {
    do {
      const unsigned k = freq[n] + 1u;
      freq[n] = static_cast<uint16_t>(k);
      if (k > freq[n + 1]) n = Move(n, k);
      n = prnt[n];
    } while (n != 0);
  }

  // The coders walk the symbol's path anyway, and do the counting on the way
  // (see Encoder::Run and Decoder::Run): up to the first node that has to
  // move, nothing but the counts on the path change, and whether a node has
  // to move depends only on the counts before the update, its own and its
  // right neighbour's (which is never another node of the path, except for
  // its parent, whose count is larger anyway). Once a node moves, the rest of
  // the way up is no longer the walked path, and Climb takes over.
  void MoveAndClimb(unsigned n) {
    const unsigned up = prnt[Move(n, freq[n])];
    if (up != 0) Climb(up);
  }

  // Node n has just reached count k, above its right neighbour's: it changes
  // places with the last node whose count is below k. Returns its new index.
  unsigned Move(unsigned n, unsigned k) {
    unsigned l = n + 1;
    while (k > freq[l + 1]) ++l;  // the sentinel at T stops this
    freq[n] = freq[l];
    freq[l] = static_cast<uint16_t>(k);
    const unsigned i = son[n];
    prnt[i] = static_cast<uint16_t>(l);
    if (i < T) prnt[i + 1] = static_cast<uint16_t>(l);
    const unsigned j = son[l];
    son[l] = static_cast<uint16_t>(i);
    prnt[j] = static_cast<uint16_t>(n);
    if (j < T) prnt[j + 1] = static_cast<uint16_t>(n);
    son[n] = static_cast<uint16_t>(j);
    return l;
  }
};

// The tree stays a Huffman tree for its counts (every update and rebuild
// keeps nodes in order of count with siblings side by side, all counts at
// least 1). Along a path from the root, each node's count is then at least
// the sum of the next two below it, so a leaf at depth d makes the root count
// at least Fibonacci(d + 2); the root count is at most 0x8000 < Fibonacci(24),
// so no code is longer than 21 bits. Paths are kept in arrays of this size.
constexpr unsigned kPathMax = 64;

// ---------------------------------------------------------------- encoder

inline uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// Lexicographic order of 8 bytes as a number.
static_assert(std::endian::native == std::endian::little);
inline uint64_t Order(uint64_t v) { return __builtin_bswap64(v); }

struct Encoder {
  // The ring, its first F - 1 bytes mirrored after it, and some room.
  uint8_t ring[N + F - 1 + 16];
  // Left and right child of every node, read together. N + 1 + b is the root
  // of the tree for strings beginning with byte b (right child only).
  uint16_t kid[N + 257][2];
  uint16_t dad[N + 257];
  Model model;
  unsigned match_position;
  unsigned match_length;

  const LzhIo* io;
  size_t in_pos, in_end;
  bool in_done;
  uint8_t in[kBlock];
  uint8_t out[kBlock + 16];

  unsigned Kids(unsigned p) const {
    uint32_t v;
    std::memcpy(&v, kid[p], sizeof v);
    return v;
  }

  // Length of the common prefix of the F bytes at a and b, known to agree in
  // bytes 0 to 8. Equal strings (runs, repeats) are the common case here, so
  // all of them is compared at once first.
  static unsigned CommonFrom9(const uint8_t* a, const uint8_t* b) {
    static_assert(F == 60);
    const uint64_t d[7] = {Load64(a + 9) ^ Load64(b + 9),   Load64(a + 17) ^ Load64(b + 17),
                           Load64(a + 25) ^ Load64(b + 25), Load64(a + 33) ^ Load64(b + 33),
                           Load64(a + 41) ^ Load64(b + 41), Load64(a + 49) ^ Load64(b + 49),
                           Load64(a + 52) ^ Load64(b + 52)};
    if ((d[0] | d[1] | d[2] | d[3] | d[4] | d[5] | d[6]) == 0) return F;
    unsigned k = 0;
    while (d[k] == 0) ++k;
    return (k < 6 ? 9 + 8 * k : 52) + (static_cast<unsigned>(std::countr_zero(d[k])) >> 3);
  }

  void TreeInit() {
    kid[NIL][0] = kid[NIL][1] = NIL;
    for (int i = N + 1; i <= N + 256; ++i) kid[i][1] = NIL;
    for (int i = 0; i < N; ++i) dad[i] = NIL;
  }

  // Inserting the string at r: the way down its tree, and the longest match
  // met on it (of equally long ones the nearest). A string equal to r in all
  // F bytes is replaced by r.
  struct Descent {
    const uint8_t* key;
    uint64_t k1;        // key bytes 1 to 8
    uint64_t k1_order;  // the same, comparable as a number
    unsigned r, p, q, dir;
    // The best match as (length << 12) | (4095 - position): longer ranks
    // higher, then nearer. It starts just below a length of THRESHOLD + 1,
    // so that shorter ones never count.
    unsigned best;
  };
  static constexpr unsigned kNone = ((THRESHOLD + 1) << 12) - 1;

  [[gnu::always_inline]] void Begin(Descent& d, unsigned r) {
    d.key = ring + r;
    d.k1 = Load64(d.key + 1);
    d.k1_order = Order(d.k1);
    d.r = r;
    d.p = N + 1 + d.key[0];
    d.dir = 1;
    d.best = kNone;
    d.q = kid[d.p][1];
    kid[r][0] = kid[r][1] = NIL;
  }

  // One node down. Mostly the strings differ in bytes 1 to 8: then there is
  // no branch on the way.
  [[gnu::always_inline]] void Step(Descent& d) {
    const unsigned p = d.q;
    d.p = p;
    const uint8_t* node = ring + p;
    const unsigned kids = Kids(p);
    const unsigned left = kids & 0xFFFF, right = kids >> 16;
    const uint64_t n1 = Load64(node + 1);
    unsigned i, dir;
    if (const uint64_t x = d.k1 ^ n1) {
      i = 1 + (static_cast<unsigned>(std::countr_zero(x)) >> 3);
      dir = d.k1_order > Order(n1);
    } else {
      i = CommonFrom9(d.key, node);
      if (i >= F) {
        d.best = std::max(d.best, (F << 12) | ((p - d.r) & (N - 1)));
        Replace(p, d.r);
        d.q = NIL;
        d.dir = 2;  // no place to fill
        return;
      }
      dir = d.key[i] > node[i];
    }
    // 4095 - position = 4095 - ((r - p - 1) & 4095) = (p - r) & 4095
    d.best = std::max(d.best, (i << 12) | ((p - d.r) & (N - 1)));
    d.dir = dir;
    d.q = dir ? right : left;
  }

  [[gnu::always_inline]] void End(const Descent& d) {
    if (d.dir != 2) {
      kid[d.p][d.dir] = static_cast<uint16_t>(d.r);
      dad[d.r] = static_cast<uint16_t>(d.p);
    }
    if (d.best == kNone) {
      match_length = 0;
    } else {
      match_length = d.best >> 12;
      match_position = 4095 - (d.best & 4095);
    }
  }

  void Insert(unsigned r) {
    Descent d;
    Begin(d, r);
    while (d.q != NIL) Step(d);
    End(d);
  }

  // Inserts a and then b, which lie in different trees: the two ways down
  // are independent, and going down both at once hides the wait for each
  // node of one behind the work on the other. The match is b's.
  void InsertTwo(unsigned a, unsigned b) {
    Descent x, y;
    Begin(x, a);
    Begin(y, b);
    while ((x.q != NIL) & (y.q != NIL)) {
      Step(x);
      Step(y);
    }
    while (x.q != NIL) Step(x);
    while (y.q != NIL) Step(y);
    End(x);
    End(y);
  }

  // r takes the place of p in its tree.
  void Replace(unsigned p, unsigned r) {
    dad[r] = dad[p];
    kid[r][0] = kid[p][0];
    kid[r][1] = kid[p][1];
    dad[kid[p][0]] = static_cast<uint16_t>(r);
    dad[kid[p][1]] = static_cast<uint16_t>(r);
    const unsigned up = dad[p];
    kid[up][kid[up][1] == p] = static_cast<uint16_t>(r);
    dad[p] = NIL;
  }

  // Takes p out of its tree: a child takes its place, or, when it has two,
  // the rightmost node of its left subtree does.
  void Delete(unsigned p) {
    const unsigned up = dad[p];
    if (up == NIL) return;
    const unsigned l = kid[p][0], r = kid[p][1];
    const bool both = (l != NIL) & (r != NIL);
    unsigned q = l == NIL ? r : l;
    if (both & (kid[l][1] != NIL)) {
      do {
        q = kid[q][1];
      } while (kid[q][1] != NIL);
      kid[dad[q]][1] = kid[q][0];
      dad[kid[q][0]] = dad[q];
      kid[q][0] = static_cast<uint16_t>(l);
      dad[l] = static_cast<uint16_t>(q);
    }
    // With both children, q has no right child yet and takes p's. Entry NIL
    // of both tables may be written here; it is never read as a node.
    kid[q][1] = both ? static_cast<uint16_t>(r) : kid[q][1];
    dad[r] = static_cast<uint16_t>(q);
    dad[q] = static_cast<uint16_t>(up);
    kid[up][kid[up][1] == p] = static_cast<uint16_t>(q);
    dad[p] = NIL;
  }

  bool Fill() {
    if (in_done) return false;
    in_end = io->read(io->ctx, in, kBlock);
    in_pos = 0;
    if (in_end == 0) in_done = true;
    return in_end != 0;
  }

  LzhStats Run(const LzhIo& source, uint32_t size) {
    io = &source;
    in_pos = in_end = 0;
    in_done = false;
    match_position = match_length = 0;
    LzhStats stats;

    size_t out_pos = 0;
    for (int i = 0; i < 4; ++i) out[out_pos++] = static_cast<uint8_t>(size >> (8 * i));
    if (size == 0) {
      io->write(io->ctx, out, out_pos);
      return stats;
    }

    model.Start();
    TreeInit();
    std::memset(ring, 0, sizeof ring);
    std::memset(ring, ' ', N - F);
    unsigned s = 0, r = N - F;
    unsigned len = 0;
    while (len < F && (in_pos < in_end || Fill())) ring[r + len++] = in[in_pos++];
    if (len == 0) {
      io->write(io->ctx, out, out_pos);
      return stats;
    }

    // Bits not yet written, from the top of acc down.
    uint64_t acc = 0;
    unsigned nbits = 0;
    uint64_t code_size = 0;
    // Appends the low n bits of v (n at most 32).
    auto put = [&](unsigned n, uint32_t v) {
      acc |= static_cast<uint64_t>(v) << (64 - nbits - n);
      nbits += n;
      if (nbits >= 32) {
        const uint32_t w = static_cast<uint32_t>(acc >> 32);
        out[out_pos] = static_cast<uint8_t>(w >> 24);
        out[out_pos + 1] = static_cast<uint8_t>(w >> 16);
        out[out_pos + 2] = static_cast<uint8_t>(w >> 8);
        out[out_pos + 3] = static_cast<uint8_t>(w);
        out_pos += 4;
        acc <<= 32;
        nbits -= 32;
        if (out_pos >= kBlock) {
          io->write(io->ctx, out, out_pos);
          code_size += out_pos;
          out_pos = 0;
        }
      }
    };
    auto encode_symbol = [&](unsigned c) {
      // The code is the path from the root: the parity of each node on it,
      // the node below the root first. It is collected from the leaf up,
      // counting the symbol on the way (see Model::MoveAndClimb).
      if (model.freq[R] == MAX_FREQ) {  // counting waits for the rebuild
        uint32_t code = 0;
        unsigned bits = 0;
        for (unsigned k = model.prnt[c + T]; k != R; k = model.prnt[k]) {
          code |= (k & 1u) << (bits & 31);
          ++bits;
        }
        put(bits, code);
        model.Update(c);
        return;
      }
      uint16_t* const freq = model.freq;
      uint32_t code = 0;
      unsigned bits = 0;
      unsigned moving = T;  // the first node that has to move, if any
      unsigned counting = 1;
      unsigned k = model.prnt[c + T];
      do {
        const unsigned f = freq[k];
        const bool tie = f == freq[k + 1];
        freq[k] = static_cast<uint16_t>(f + counting);
        moving = (counting & tie) ? k : moving;
        counting &= !tie;
        code |= (k & 1u) << (bits & 31);
        ++bits;
        k = model.prnt[k];
      } while (k != R);
      put(bits, code);
      if (counting) {
        ++freq[R];
      } else {
        model.MoveAndClimb(moving);
      }
    };

    uint64_t count = len;
    uint64_t mark = 0;
    for (unsigned i = 1; i <= F; ++i) Insert(r - i);
    Insert(r);
    do {
      if (match_length > len) match_length = len;
      if (match_length <= THRESHOLD) {
        match_length = 1;
        encode_symbol(ring[r]);
      } else {
        encode_symbol(255 - THRESHOLD + match_length);
        const unsigned u = match_position >> 6;
        const unsigned l = kPos.len[u];
        put(l + 6, ((static_cast<unsigned>(kPos.code[u]) >> (8 - l)) << 6) | (match_position & 63));
      }
      const unsigned last = match_length;
      unsigned i = 0;
      while (i < last && (in_pos < in_end || Fill())) {
        // Two steps at once when the strings inserted lie in different
        // trees, and the second string's predecessor, deleted in between,
        // is not in the first one's tree: the steps then touch different
        // trees and only their order within each tree matters. The first
        // insertion never reads the byte the second step stores.
        const unsigned s1 = (s + 1) & (N - 1);
        const unsigned r0 = (r + 1) & (N - 1), r1 = (r + 2) & (N - 1);
        if (i + 1 < last && in_end - in_pos >= 2 && ring[r0] != ring[r1] && ring[s1] != ring[r0]) {
          Delete(s);
          ring[s] = in[in_pos];
          if (s < F - 1) ring[s + N] = in[in_pos];
          Delete(s1);
          ring[s1] = in[in_pos + 1];
          if (s1 < F - 1) ring[s1 + N] = in[in_pos + 1];
          in_pos += 2;
          InsertTwo(r0, r1);
          s = (s + 2) & (N - 1);
          r = r1;
          i += 2;
          continue;
        }
        const uint8_t c = in[in_pos++];
        Delete(s);
        ring[s] = c;
        if (s < F - 1) ring[s + N] = c;
        s = s1;
        r = r0;
        Insert(r);
        ++i;
      }
      count += i;
      if (count > mark) {
        if (io->progress) io->progress(io->ctx, count);
        mark += 1024;
      }
      for (; i < last; ++i) {
        Delete(s);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        if (--len) Insert(r);
      }
    } while (len > 0);

    while (nbits > 0) {
      out[out_pos++] = static_cast<uint8_t>(acc >> 56);
      acc <<= 8;
      nbits = nbits > 8 ? nbits - 8 : 0;
    }
    io->write(io->ctx, out, out_pos);
    code_size += out_pos;
    stats.text = count;
    stats.code = code_size - 4;
    return stats;
  }
};

// ---------------------------------------------------------------- decoder

struct Decoder {
  Model model;
  uint8_t in[kBlock];
  // The last N bytes written precede the block being filled, so that a match
  // is copied from the output itself, with room at the end for 64 bytes
  // more.
  uint8_t win[N + kBlock + 64];

  LzhStats Run(const LzhIo& io) {
    LzhStats stats;
    size_t in_pos = 0, in_end = 0;
    bool in_done = false;
    uint64_t in_total = 0;  // bytes delivered by the source, header included
    auto fill = [&]() {
      if (in_done) return false;
      in_end = io.read(io.ctx, in, kBlock);
      in_pos = 0;
      in_total += in_end;
      if (in_end == 0) in_done = true;
      return in_end != 0;
    };

    uint8_t header[4];
    for (int got = 0; got < 4; ++got) {
      if (in_pos == in_end && !fill()) return stats;
      header[got] = in[in_pos++];
    }
    const uint32_t size = static_cast<uint32_t>(header[0]) | static_cast<uint32_t>(header[1]) << 8 |
                          static_cast<uint32_t>(header[2]) << 16 |
                          static_cast<uint32_t>(header[3]) << 24;
    if (size == 0) return stats;

    // The next bits, from the top of acc down; past the end of the input,
    // 0 bits. Below the nbits valid ones, acc may already hold some of the
    // bits that follow (refilling puts the same bits there again).
    uint64_t acc = 0;
    unsigned nbits = 0;
    uint64_t fed = 0;  // bytes taken into acc, 0 fill included
    auto refill_slow = [&]() {
      while (nbits <= 56) {
        uint64_t b = 0;
        if (in_pos < in_end || fill()) b = in[in_pos++];
        acc |= b << (56 - nbits);
        nbits += 8;
        ++fed;
      }
    };
    auto refill = [&]() __attribute__((always_inline)) {  // to at least 57 bits
      if (in_end - in_pos >= 8) {
        acc |= Order(Load64(in + in_pos)) >> nbits;
        const unsigned take = (63 - nbits) >> 3;
        in_pos += take;
        fed += take;
        nbits += take * 8;
      } else {
        refill_slow();
      }
    };

    model.Start();
    // The ring as the coder starts it, seen from the first write position:
    // N - F blanks behind it, and F bytes ahead of it that nothing wrote.
    std::memset(win, 0, F);
    std::memset(win + F, ' ', N - F);
    size_t op = N;
    const size_t flush_at = N + kBlock;
    uint64_t count = 0, mark = 0;
    uint16_t* const freq = model.freq;
    const uint16_t* const son = model.son;
    uint16_t path[kPathMax];  // the nodes walked, root first

    while (count < size) {
      if (nbits <= 56) refill();
      // Down from the root, one bit per level. Refilling leaves at least 57
      // bits, and no code is longer than 21 (see kPathMax).
      unsigned c = son[R];
      uint16_t* at = path;  // path[0] stands for the root
      if (freq[R] != MAX_FREQ) {
        // Counting the symbol on the way (see Model::MoveAndClimb). A node
        // that has to move is known only at the leaf: the deepest one moves,
        // and the counts above it are taken back.
        const uint16_t* moving = path;
        do {
          const unsigned n = c + static_cast<unsigned>(acc >> 63);
          acc <<= 1;
          *++at = static_cast<uint16_t>(n);
          const unsigned f = freq[n];
          moving = f == freq[n + 1] ? at : moving;
          freq[n] = static_cast<uint16_t>(f + 1);
          c = son[n];
        } while (c < T);
        c -= T;
        if (moving == path) {
          ++freq[R];
        } else {
          for (const uint16_t* j = path + 1; j < moving; ++j) --freq[*j];
          model.MoveAndClimb(*moving);
        }
      } else {  // counting waits for the rebuild
        do {
          c = son[c + static_cast<unsigned>(acc >> 63)];
          acc <<= 1;
          ++at;
        } while (c < T);
        c -= T;
        model.Update(c);
      }
      nbits -= static_cast<unsigned>(at - path);

      if (c < 256) {
        win[op++] = static_cast<uint8_t>(c);
        ++count;
      } else {
        if (nbits < 14) refill();
        const unsigned top = static_cast<unsigned>(acc >> 56);
        const unsigned l = kPos.d_len[top];
        const unsigned p =
            static_cast<unsigned>(kPos.d_code[top]) << 6 | (static_cast<unsigned>(acc >> (58 - l)) & 63);
        acc <<= l + 6;
        nbits -= l + 6;
        const size_t dist = p + 1;
        size_t j = c - (255 - THRESHOLD);
        if (j > size - count) j = static_cast<size_t>(size - count);
        uint8_t* dst = win + op;
        const uint8_t* src = dst - dist;
        if (dist >= 8) {
          for (size_t k = 0; k < j; k += 8) std::memcpy(dst + k, src + k, 8);
        } else {
          // The copy repeats with period dist, and so with any multiple of
          // it: after the first 8 bytes, words come from a multiple >= 8.
          const size_t head = j < 8 ? j : 8;
          for (size_t k = 0; k < head; ++k) dst[k] = src[k];
          const size_t step = dist * ((8 + dist - 1) / dist);
          for (size_t k = 8; k < j; k += 8) std::memcpy(dst + k, dst + k - step, 8);
        }
        op += j;
        count += j;
      }
      if (count > mark) {
        if (io.progress) io.progress(io.ctx, count);
        mark += 1024;
      }
      if (op >= flush_at) {
        io.write(io.ctx, win + N, op - N);
        std::memmove(win, win + op - N, N);
        op = N;
      }
    }
    if (op > N) io.write(io.ctx, win + N, op - N);

    const uint64_t used = (fed * 8 - nbits + 7) / 8;
    stats.text = count;
    stats.code = std::min(used, in_total - 4);
    return stats;
  }
};

// ---------------------------------------------------------------- adapters

struct FileIo {
  FILE* in;
  FILE* out;
};

size_t FileRead(void* ctx, uint8_t* buf, size_t cap) {
  return std::fread(buf, 1, cap, static_cast<FileIo*>(ctx)->in);
}
void FileWrite(void* ctx, const uint8_t* buf, size_t n) {
  std::fwrite(buf, 1, n, static_cast<FileIo*>(ctx)->out);
}
void PrintProgress(void*, uint64_t count) { std::printf("%12ld\r", static_cast<long>(count)); }

struct MemoryIo {
  std::span<const uint8_t> in;
  size_t pos;
  std::vector<uint8_t>* out;
};

size_t MemoryRead(void* ctx, uint8_t* buf, size_t cap) {
  auto* m = static_cast<MemoryIo*>(ctx);
  const size_t n = std::min(cap, m->in.size() - m->pos);
  if (n) std::memcpy(buf, m->in.data() + m->pos, n);
  m->pos += n;
  return n;
}
void MemoryWrite(void* ctx, const uint8_t* buf, size_t n) {
  auto* m = static_cast<MemoryIo*>(ctx);
  m->out->insert(m->out->end(), buf, buf + n);
}

}  // namespace

LzhStats LzhEncodeStream(const LzhIo& io, uint32_t size) {
  return std::make_unique<Encoder>()->Run(io, size);
}

LzhStats LzhDecodeStream(const LzhIo& io) {
  return std::make_unique<Decoder>()->Run(io);
}

LzhStats LzhEncodeFile(FILE* in, FILE* out, bool print) {
  std::fseek(in, 0, SEEK_END);
  const uint32_t size = static_cast<uint32_t>(std::ftell(in));
  std::rewind(in);
  FileIo files{in, out};
  LzhIo io;
  io.read = FileRead;
  io.write = FileWrite;
  io.progress = print ? PrintProgress : nullptr;
  io.ctx = &files;
  const LzhStats stats = LzhEncodeStream(io, size);
  if (print && size != 0) {
    std::printf("In : %ld bytes\n", static_cast<long>(stats.text));
    std::printf("Out: %ld bytes\n", static_cast<long>(stats.code));
    std::printf("Out/In: %.3f\n",
                stats.text ? 1.0 * static_cast<double>(stats.code) / static_cast<double>(stats.text) : 0.0);
  }
  return stats;
}

LzhStats LzhDecodeFile(FILE* in, FILE* out, bool print) {
  FileIo files{in, out};
  LzhIo io;
  io.read = FileRead;
  io.write = FileWrite;
  io.progress = print ? PrintProgress : nullptr;
  io.ctx = &files;
  const LzhStats stats = LzhDecodeStream(io);
  if (print && stats.text != 0) std::printf("%12ld\n", static_cast<long>(stats.text));
  return stats;
}

namespace {
bool WithFiles(const char* in_path, const char* out_path, bool print,
               LzhStats (*code)(FILE*, FILE*, bool)) {
  FILE* in = std::fopen(in_path, "rb");
  FILE* out = std::fopen(out_path, "wb");
  const bool both = in && out;
  if (both) code(in, out, print);
  if (in) std::fclose(in);
  if (out) std::fclose(out);
  return both;
}
}  // namespace

bool LzhEncodePaths(const char* in_path, const char* out_path, bool print) {
  return WithFiles(in_path, out_path, print, LzhEncodeFile);
}

bool LzhDecodePaths(const char* in_path, const char* out_path, bool print) {
  return WithFiles(in_path, out_path, print, LzhDecodeFile);
}

std::vector<uint8_t> LzhEncodeBytes(std::span<const uint8_t> in, LzhStats* stats) {
  std::vector<uint8_t> out;
  out.reserve(in.size() / 2 + 64);
  MemoryIo m{in, 0, &out};
  LzhIo io;
  io.read = MemoryRead;
  io.write = MemoryWrite;
  io.ctx = &m;
  const LzhStats s = LzhEncodeStream(io, static_cast<uint32_t>(in.size()));
  if (stats) *stats = s;
  return out;
}

std::vector<uint8_t> LzhDecodeBytes(std::span<const uint8_t> in, LzhStats* stats) {
  std::vector<uint8_t> out;
  if (in.size() >= 4) {
    const size_t size = static_cast<size_t>(in[0]) | static_cast<size_t>(in[1]) << 8 |
                        static_cast<size_t>(in[2]) << 16 | static_cast<size_t>(in[3]) << 24;
    out.reserve(std::min<size_t>(size, size_t{64} << 20));
  }
  MemoryIo m{in, 0, &out};
  LzhIo io;
  io.read = MemoryRead;
  io.write = MemoryWrite;
  io.ctx = &m;
  const LzhStats s = LzhDecodeStream(io);
  if (stats) *stats = s;
  return out;
}

void LzhEncode(const char* in_path, const char* out_path) {
  LzhEncodePaths(in_path, out_path, true);
  std::fflush(stdout);
}

void LzhDecode(const char* in_path, const char* out_path) {
  LzhDecodePaths(in_path, out_path, true);
  std::fflush(stdout);
}

}  // namespace tarvo
