// Test data: deterministic byte generators, whole-file reads and writes, and
// a scratch directory.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace test_data {

using Bytes = std::vector<std::uint8_t>;

inline Bytes RandomBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out) b = static_cast<std::uint8_t>(rng());
    return out;
}

// Runs of one byte value among `values` (all 256 by default), lengths drawn
// from [1, longest].
inline Bytes Runs(std::size_t n, std::size_t longest, std::uint32_t seed, unsigned values = 256) {
    std::mt19937 rng(seed);
    Bytes out;
    while (out.size() < n) {
        const std::size_t length = 1 + rng() % longest;
        out.insert(out.end(), length, static_cast<std::uint8_t>(rng() % values));
    }
    out.resize(n);
    return out;
}

inline Bytes ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& p, const Bytes& data) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

// A fresh directory, removed with everything in it at the end of its scope.
struct TempDir {
    std::filesystem::path path;
    TempDir() {
        char name[] = "/tmp/tarvo_test_XXXXXX";
        if (!mkdtemp(name)) std::abort();
        path = name;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

}  // namespace test_data
