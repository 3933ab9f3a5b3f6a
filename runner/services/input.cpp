// The input group: ReadKey (62) and GetMousePosition (63). The runner has no
// keyboard of its own: no key is ever waiting, and no mouse button is down.
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

void ServeInput(ServiceCall& call) {
    if (call.code() == kSvcReadKey) return call.Answer(0);  // no key waiting
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
