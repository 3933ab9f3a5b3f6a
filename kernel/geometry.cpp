#include "kernel/geometry.h"

#include <cmath>

namespace knl {

double Distance(float x1, float y1, float x2, float y2) {
    return std::hypot(double(x2) - double(x1), double(y2) - double(y1));
}

double Slope(float x1, float y1, float x2, float y2) {
    return (double(y2) - double(y1)) / (double(x2) - double(x1));
}

double Intercept(float x1, float y1, float x2, float y2) {
    // y1 - slope * x1 over a common denominator: exact for lines through the
    // origin, where the other form can leave a rounding residue.
    return (double(x2) * double(y1) - double(x1) * double(y2)) / (double(x2) - double(x1));
}

double TriangleArea(float x1, float y1, float x2, float y2, float x3, float y3) {
    const double cross = (double(x2) - double(x1)) * (double(y3) - double(y1)) -
                         (double(x3) - double(x1)) * (double(y2) - double(y1));
    return std::fabs(cross) / 2.0;
}

namespace {

// Both lines in the form a x + b y = c; the intersection by Cramer's rule.
struct Crossing {
    double det, dx, dy;
};

Crossing Cross(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const double a1 = double(y2) - double(y1), b1 = double(x1) - double(x2);
    const double c1 = a1 * double(x1) + b1 * double(y1);
    const double a2 = double(y4) - double(y3), b2 = double(x3) - double(x4);
    const double c2 = a2 * double(x3) + b2 * double(y3);
    return {a1 * b2 - a2 * b1, c1 * b2 - c2 * b1, a1 * c2 - a2 * c1};
}

}  // namespace

double IntersectionX(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const Crossing k = Cross(x1, y1, x2, y2, x3, y3, x4, y4);
    return k.dx / k.det;
}

double IntersectionY(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    const Crossing k = Cross(x1, y1, x2, y2, x3, y3, x4, y4);
    return k.dy / k.det;
}

}  // namespace knl
