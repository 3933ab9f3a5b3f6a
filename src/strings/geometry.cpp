#include "strings/geometry.h"

#include <cmath>

namespace tarvo {

double MthFactorielle(NumInt n) {
    double k = std::fabs(static_cast<double>(n.value));
    double result = 1.0;
    // Once the product is infinite, further factors leave it so.
    for (; k > 1.0 && !std::isinf(result); k -= 1.0) result *= k;
    return result;
}

}  // namespace tarvo
