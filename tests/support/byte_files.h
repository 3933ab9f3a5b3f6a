// Test data: deterministic bytes, whole files, and a scratch directory.
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

// Runs of one value among the first `values` byte values, 1 to `longest` long.
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
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& p, const Bytes& data) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                             static_cast<std::streamsize>(data.size()));
}

// A fresh directory, removed with its contents at the end of its scope.
struct TempDir {
    std::filesystem::path path = Make();
    ~TempDir() { std::error_code ec; std::filesystem::remove_all(path, ec); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    static std::filesystem::path Make() {
        char name[] = "/tmp/tarvo_test_XXXXXX";
        if (!mkdtemp(name)) std::abort();
        return name;
    }
};

}  // namespace test_data
