#include "host/manifest.h"

namespace tarvo {
namespace {

const ManifestRecord kRecords[] = {
#define M(name, count, types, group) {name, count, types, group},
#include "tests/manifest/functions.inc"
#undef M
};

std::string Prefix(std::string_view name) {
    const std::size_t cut = name.find('_', 1);
    if (cut == std::string_view::npos || cut + 1 == name.size()) return {};
    return std::string(name.substr(0, cut + 1));
}

}  // namespace

std::span<const ManifestRecord> Manifest() { return kRecords; }

std::string ManifestFamily(const ManifestRecord& record) {
    std::string p = Prefix(record.name);
    if (p.empty()) p = Prefix(record.group);
    return p.empty() ? "other names" : p;
}

const ManifestRecord* FindInManifest(std::string_view name) {
    for (const ManifestRecord& r : kRecords)
        if (name == r.name) return &r;
    return nullptr;
}

}  // namespace tarvo
