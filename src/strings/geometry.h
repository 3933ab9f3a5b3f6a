// The factorial of the MTH_ family (its plane geometry is the companion
// library's, see strings/geometry_handlers.cpp).
#pragma once

#include "host/args.h"

namespace tarvo {

// The factorial of |n| in double precision, multiplied from |n| down to 2:
// 0, 1 and -1 give 1, -5 gives 120, and 171 and above give infinity. n is the
// integer field of the numeric parameter.
double MthFactorielle(NumInt n);

}  // namespace tarvo
