#include <windows.h>

#include <algorithm>
#include <vector>

#include "host/timers.h"

namespace tarvo {
namespace {

std::vector<std::uintptr_t>& Tracked() {
    static std::vector<std::uintptr_t> ids;
    return ids;
}

}  // namespace

void TrackTimer(std::uintptr_t id) {
    if (id) Tracked().push_back(id);
}

bool StopTimer(std::uintptr_t id) {
    std::vector<std::uintptr_t>& ids = Tracked();
    ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
    return KillTimer(nullptr, id) != 0;
}

void StopTrackedTimers() {
    for (std::uintptr_t id : Tracked()) KillTimer(nullptr, id);
    Tracked().clear();
}

}  // namespace tarvo
