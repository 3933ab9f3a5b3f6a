// libFuzzer targets for the LZH codec, built by fuzz/CMakeLists.txt (see
// scripts/fuzz.sh):
//   lzh_decode_fuzz     the input is a compressed file: the decoder must write
//                       exactly the size in its header, the same bytes as the
//                       step-by-step reference decoder, whatever the input.
//   lzh_roundtrip_fuzz  the input is a file to compress: the encoder must
//                       write the reference's bytes, and both decoders must
//                       give the input back.
// Both read their input in small pieces of varying size now and then, so
// that block boundaries fall anywhere.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "strings/lzh.h"
#include "tests/support/lzh_reference.h"

namespace {

using Bytes = std::vector<uint8_t>;

[[noreturn]] void Fail() { std::abort(); }

// A source that hands out at most `piece` bytes per read (0: all it can).
struct Pieces {
  const Bytes* in;
  size_t pos = 0;
  size_t piece;
  Bytes out;
  std::vector<uint64_t> progress;
};

tarvo::LzhIo IoFor(Pieces& p) {
  tarvo::LzhIo io;
  io.ctx = &p;
  io.read = [](void* ctx, uint8_t* buf, size_t cap) {
    auto* s = static_cast<Pieces*>(ctx);
    size_t n = s->in->size() - s->pos;
    if (n > cap) n = cap;
    if (s->piece && n > s->piece) n = s->piece;
    if (n) std::memcpy(buf, s->in->data() + s->pos, n);
    s->pos += n;
    return n;
  };
  io.write = [](void* ctx, const uint8_t* buf, size_t n) {
    auto* s = static_cast<Pieces*>(ctx);
    s->out.insert(s->out.end(), buf, buf + n);
  };
  io.progress = [](void* ctx, uint64_t count) { static_cast<Pieces*>(ctx)->progress.push_back(count); };
  return io;
}

// At most this much output per input, to keep the runs quick.
constexpr uint32_t kMaxSize = 1u << 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bytes in(data, data + size);
#if defined(LZH_FUZZ_DECODE)
  if (in.size() >= 4) {
    uint32_t stated = static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
                      static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
    if (stated > kMaxSize) {
      stated %= kMaxSize;
      for (int i = 0; i < 4; ++i) in[i] = static_cast<uint8_t>(stated >> (8 * i));
    }
  }
  const auto ref = lzh_reference::Decode(in);
  Pieces p{&in, 0, in.empty() ? 0 : static_cast<size_t>(in.back() % 8)};
  const tarvo::LzhStats stats = tarvo::LzhDecodeStream(IoFor(p));
  if (p.out != ref.data || p.progress != ref.progress || stats.text != ref.data.size()) Fail();
  if (in.size() >= 4) {
    const uint32_t stated = static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
                            static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
    if (p.out.size() != stated) Fail();
  } else if (!p.out.empty()) {
    Fail();
  }
#elif defined(LZH_FUZZ_ROUNDTRIP)
  const auto ref = lzh_reference::Encode(in);
  Pieces p{&in, 0, in.empty() ? 0 : static_cast<size_t>(in[0] % 8)};
  const tarvo::LzhStats stats = tarvo::LzhEncodeStream(IoFor(p), static_cast<uint32_t>(in.size()));
  if (p.out != ref.data || p.progress != ref.progress) Fail();
  if (stats.text != in.size() || stats.code != p.out.size() - 4) Fail();
  Pieces back{&p.out, 0, static_cast<size_t>(size % 5)};
  tarvo::LzhDecodeStream(IoFor(back));
  if (back.out != in) Fail();
  if (lzh_reference::Decode(p.out).data != in) Fail();
#else
#error "define LZH_FUZZ_DECODE or LZH_FUZZ_ROUNDTRIP"
#endif
  return 0;
}
