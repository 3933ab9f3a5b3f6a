// The manifest: every record the library's function table is to hold when
// the library is complete (tests/manifest/functions.inc), whether this build
// has it yet or not. Plain code: the reference generator, tarvo-run's
// diagnostics and --check read it; TARVO.fll does not contain it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarvo {

struct ManifestRecord {
    const char* name;
    int count;          // parameters; -2 load hook, -3 unload hook
    const char* types;  // the type string
    const char* group;  // the first name of its handler group; "" for that name itself
};

std::span<const ManifestRecord> Manifest();

// The family a record belongs to: its name's prefix up to the first "_"
// ("STR_"), else its handler group's ("READBITMAPHEADER" is a "BMP_" name),
// else "other names".
std::string ManifestFamily(const ManifestRecord& record);

// The record of `name` (upper case), or null. A name listed twice answers
// its first record.
const ManifestRecord* FindInManifest(std::string_view name);

}  // namespace tarvo
