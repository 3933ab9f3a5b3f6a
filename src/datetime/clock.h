// The system's clock and local time zone (Windows), for the time handlers.
// The zone is the process's zone as Windows reports it (under Wine it
// follows TZ).
#pragma once

#include "datetime/times.h"

namespace tarvo {

const Zone& SystemZone();

}  // namespace tarvo
