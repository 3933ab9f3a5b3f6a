// The post office's process-wide state, for the load and unload hooks.
#pragma once

namespace tarvo {

// Load hook: no post office and the success outcome.
void ResetPostOffice();
// Load and unload hooks: no field buffers.
void ReleaseFieldBuffers();

}  // namespace tarvo
