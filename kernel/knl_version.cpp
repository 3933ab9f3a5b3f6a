#include "kernel/knl_version.h"

#include <cstdio>

namespace knl {

char* WriteVersionText(char* buffer) {
    if (buffer) std::snprintf(buffer, 32, "KERNEL %d.%d", kVersionMajor, kVersionMinor);
    return buffer;
}

}  // namespace knl
