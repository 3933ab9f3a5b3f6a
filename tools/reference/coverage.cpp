// Coverage: every record of the complete library (the manifest) by family,
// with what this build has of it, for the reference's coverage page and for
// docs/coverage.md.
#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "host/manifest.h"
#include "reference.h"

namespace tarvo::ref {

namespace {

bool InBuild(const ManifestRecord& r) {
    for (const CatalogueEntry& e : Catalogue())
        if (std::strcmp(e.name, r.name) == 0) return true;
    return false;
}

}  // namespace

std::vector<CoverageFamily> Coverage() {
    std::vector<CoverageFamily> out;
    std::map<std::string, std::size_t> index;
    std::set<std::string> seen;
    for (const ManifestRecord& r : Manifest()) {
        const std::string family = ManifestFamily(r);
        auto [it, added] = index.emplace(family, out.size());
        if (added) out.push_back({family, {}, {}, 0, 0});
        CoverageFamily& f = out[it->second];
        const bool here = InBuild(r);
        ++(here ? f.recordsIn : f.recordsMissing);
        if (!seen.insert(r.name).second) continue;  // a name the table lists twice
        (here ? f.present : f.missing).push_back(&r);
    }
    // By prefix, "other names" (which has none) last.
    std::sort(out.begin(), out.end(), [](const CoverageFamily& a, const CoverageFamily& b) {
        const bool aOther = a.family.back() != '_', bOther = b.family.back() != '_';
        return aOther != bOther ? bOther : a.family < b.family;
    });
    return out;
}

CoverageCount CountCoverage() {
    CoverageCount c;
    std::set<std::string> missingFamilies;
    for (const CoverageFamily& f : Coverage()) {
        c.recordsIn += f.recordsIn;
        c.records += f.recordsIn + f.recordsMissing;
        ++c.families;
        if (f.recordsIn == 0) ++c.familiesMissing;
    }
    return c;
}

std::string CoverageLine() {
    const CoverageCount c = CountCoverage();
    if (c.recordsIn == c.records)
        return "This build has all " + std::to_string(c.records) + " records of the complete function table, in " +
               std::to_string(c.families) + " families.";
    return "This build has " + std::to_string(c.recordsIn) + " of the " + std::to_string(c.records) +
           " records of the complete function table; " + std::to_string(c.records - c.recordsIn) +
           " are not there yet, among them every name of " + std::to_string(c.familiesMissing) +
           " of the " + std::to_string(c.families) + " families.";
}

}  // namespace tarvo::ref
