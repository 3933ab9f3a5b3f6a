#include "hostdata/network_mode.h"

namespace tarvo {

bool& NetworkMode() {
    static bool on = false;
    return on;
}

}  // namespace tarvo
