// Version of the companion library, as its version functions report it.
#pragma once

namespace knl {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;

// "KERNEL <major>.<minor>" into buffer (the callers give 256 bytes, of which
// at most 32 are used).
char* WriteVersionText(char* buffer);

}  // namespace knl
