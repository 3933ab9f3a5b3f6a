// The input group: ReadKey (62) and GetMousePosition (63). The runner has no
// keyboard of its own: ReadKey answers the keys a program (KEYBOARD) or a
// test put in the host's key queue, oldest first, and 0 when none is
// waiting, without ever waiting itself; no mouse button is down.
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

void ServeInput(ServiceCall& call) {
    if (call.code() == kSvcReadKey) {
        std::deque<std::int32_t>& keys = call.host.keys;
        if (keys.empty()) return call.Answer(0);
        const std::int32_t key = keys.front();
        keys.pop_front();
        return call.Answer(static_cast<std::uint32_t>(key));
    }
    // GetMousePosition(&point, 0) fills the cursor's screen position;
    // GetMousePosition(_, 1) asks whether a button is down.
    if (call.arg(2) == 1) return call.Answer(0);
    POINT pt{};
    GetCursorPos(&pt);
    auto* p = call.at<std::int32_t>(1);
    p[0] = pt.x;
    p[1] = pt.y;
    call.Answer(0);
}

}  // namespace tarvo::run
