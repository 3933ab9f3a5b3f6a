// The factorial of the MTH_ family (its plane geometry is the companion
// library's, see strings/geometry_handlers.cpp).
#pragma once

#include "host/args.h"

namespace tarvo {

// Multiplied from |n| down to 2 in double precision, stopping once the
// product is infinite.
double MthFactorielle(NumInt n);

}  // namespace tarvo
