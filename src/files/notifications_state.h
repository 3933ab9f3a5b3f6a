// What the load and unload hooks do to the change notifications.
#pragma once

namespace tarvo {

// Load: every slot free, no timer, the poll every 5000 ms, no last error.
void ResetNotifications();
// Unload: every notification closed and the poll timer stopped.
void CloseAllNotifications();

}  // namespace tarvo
