// The names nearest to a name that is not known, for "did you mean ...?".
// Plain code: tarvo-run's diagnostics and --check use it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The edit distance of two names, case ignored: insertions, deletions,
// substitutions and swaps of two neighbouring characters count 1 each.
int NameDistance(std::string_view a, std::string_view b);

// The candidates nearest to `name` (case ignored), at most `limit`, in the
// candidates' order, each name once: of those within one edit for names of
// up to 4 characters, two for up to 8, three beyond, or whose part after
// their prefix ("STR_") is the name itself, the ones at the least distance
// found. None when the name is itself a candidate.
std::vector<std::string> NearestNames(std::string_view name, std::span<const std::string> candidates,
                                      std::size_t limit = 3);

}  // namespace tarvo
