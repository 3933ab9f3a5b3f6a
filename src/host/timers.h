// The thread timers the library starts (TIM_SET, NET_TIMSET). Each is
// recorded when it starts, so that the unload hook can stop the ones still
// running: no timer fires into the library after it is gone.
#pragma once

#include <cstdint>

namespace tarvo {

void TrackTimer(std::uintptr_t id);
// Stops a timer by its id (KillTimer with no window; whether or not the
// library started it) and forgets it. False when Windows knew no such timer.
bool StopTimer(std::uintptr_t id);
// Unload hook: stops every recorded timer.
void StopTrackedTimers();

}  // namespace tarvo
