// Media files made by the tests: a short silent wave file and a small
// uncompressed video clip, both RIFF files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvo::test {

inline std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}
inline std::string Le16(std::uint32_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
inline std::string Chunk(const std::string& id, const std::string& data) {
    return id + Le32(static_cast<std::uint32_t>(data.size())) + data +
           (data.size() % 2 ? std::string(1, '\0') : "");
}
inline std::string List(const std::string& type, const std::string& data) {
    return Chunk("LIST", type + data);
}

// 8-bit mono PCM at 8000 samples a second, `ms` milliseconds of silence.
inline std::string WaveFile(std::uint32_t ms) {
    const std::string fmt = Le16(1) + Le16(1) + Le32(8000) + Le32(8000) + Le16(1) + Le16(8);
    return Chunk("RIFF", "WAVE" + Chunk("fmt ", fmt) + Chunk("data", std::string(8 * ms, '\x80')));
}

// An uncompressed clip of `frames` frames of 8 x 8 pixels at 24 bits, 10
// frames a second, with its index.
inline std::string VideoFile(std::uint32_t frames) {
    const std::uint32_t w = 8, h = 8, frameBytes = w * h * 3;
    const std::string avih = Le32(100000) + Le32(frameBytes * 10) + Le32(0) + Le32(0x10) +
                             Le32(frames) + Le32(0) + Le32(1) + Le32(frameBytes) + Le32(w) +
                             Le32(h) + std::string(16, '\0');
    const std::string strh = std::string("vids") + "DIB " + Le32(0) + Le16(0) + Le16(0) +
                             Le32(0) + Le32(1) + Le32(10) + Le32(0) + Le32(frames) +
                             Le32(frameBytes) + Le32(0xFFFFFFFF) + Le32(0) + Le16(0) + Le16(0) +
                             Le16(w) + Le16(h);
    const std::string strf = Le32(40) + Le32(w) + Le32(h) + Le16(1) + Le16(24) + Le32(0) +
                             Le32(frameBytes) + std::string(16, '\0');
    const std::string hdrl =
        List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf)));
    std::string movi, idx;
    std::uint32_t offset = 4;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const std::string frame = Chunk("00db", std::string(frameBytes, static_cast<char>(i * 40)));
        idx += std::string("00db") + Le32(0x10) + Le32(offset) + Le32(frameBytes);
        offset += static_cast<std::uint32_t>(frame.size());
        movi += frame;
    }
    return Chunk("RIFF", "AVI " + hdrl + List("movi", movi) + Chunk("idx1", idx));
}

}  // namespace tarvo::test
