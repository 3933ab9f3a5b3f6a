#include "host/nearest.h"

#include <algorithm>
#include <numeric>

#include "host/ascii.h"

namespace tarvo {

int NameDistance(std::string_view a, std::string_view b) {
    const std::string x = UpperAscii(std::string(a)), y = UpperAscii(std::string(b));
    const std::size_t n = x.size(), m = y.size();
    // Three rows of the table: two back (for swaps), the last and this one.
    std::vector<int> twoBack(m + 1), last(m + 1), row(m + 1);
    std::iota(last.begin(), last.end(), 0);
    for (std::size_t i = 1; i <= n; ++i) {
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= m; ++j) {
            const int cost = x[i - 1] == y[j - 1] ? 0 : 1;
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + cost});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                row[j] = std::min(row[j], twoBack[j - 2] + 1);
        }
        twoBack.swap(last);
        last.swap(row);
    }
    return last[m];
}

std::vector<std::string> NearestNames(std::string_view name, std::span<const std::string> candidates,
                                      std::size_t limit) {
    const std::string upper = UpperAscii(std::string(name));
    const int allowed = upper.size() <= 4 ? 1 : upper.size() <= 8 ? 2 : 3;
    struct Near {
        int distance;
        std::size_t order;
        std::string name;
    };
    std::vector<Near> nearest;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string c = UpperAscii(candidates[i]);
        if (c == upper) return {};
        int d = NameDistance(upper, c);
        const std::size_t cut = c.find('_', 1);
        if (cut != std::string::npos && c.compare(cut + 1, std::string::npos, upper) == 0) d = 1;
        if (d <= allowed) nearest.push_back({d, i, candidates[i]});
    }
    std::stable_sort(nearest.begin(), nearest.end(),
                     [](const Near& a, const Near& b) { return a.distance < b.distance; });
    std::vector<std::string> out;
    for (const Near& n : nearest) {
        if (out.size() == limit || n.distance > nearest.front().distance) break;
        if (std::find(out.begin(), out.end(), n.name) == out.end()) out.push_back(n.name);
    }
    return out;
}

}  // namespace tarvo
