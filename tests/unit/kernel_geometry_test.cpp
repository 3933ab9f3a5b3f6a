// Plane geometry of the companion library.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/geometry.h"

namespace {

TEST(KernelGeometry, DistanceAndTriangleArea) {
    EXPECT_DOUBLE_EQ(knl::Distance(-1, -1, 2, 3), 5.0);
    EXPECT_DOUBLE_EQ(knl::Distance(2, 3, -1, -1), 5.0);
    EXPECT_EQ(knl::Distance(7, -2, 7, -2), 0.0);
    EXPECT_DOUBLE_EQ(knl::Distance(0, 0, 1, 1), std::sqrt(2.0));  // in double precision
    // Never negative, whatever the orientation; 0 for collinear points.
    EXPECT_DOUBLE_EQ(knl::TriangleArea(0, 0, 4, 0, 0, 3), 6.0);
    EXPECT_DOUBLE_EQ(knl::TriangleArea(0, 0, 0, 3, 4, 0), 6.0);
    EXPECT_DOUBLE_EQ(knl::TriangleArea(-2, -2, 2, -2, 0, 5), 14.0);
    EXPECT_EQ(knl::TriangleArea(0, 0, 1, 1, 5, 5), 0.0);
}

// Both points satisfy y = slope * x + intercept, which pins both down.
TEST(KernelGeometry, SlopeAndInterceptDescribeTheLine) {
    for (int x1 = -6; x1 <= 6; x1 += 3)
        for (int y1 = -5; y1 <= 5; y1 += 5)
            for (int x2 = -7; x2 <= 7; x2 += 2)
                for (int y2 = -4; y2 <= 8; y2 += 4) {
                    if (x1 == x2) continue;
                    const double a = knl::Slope(x1, y1, x2, y2), b = knl::Intercept(x1, y1, x2, y2);
                    EXPECT_NEAR(a * x1 + b, y1, 1e-9);
                    EXPECT_NEAR(a * x2 + b, y2, 1e-9);
                }
    EXPECT_EQ(knl::Intercept(11, 15, -55, -75), 0.0);  // through the origin: exactly 0, no rounding residue
    // Vertical lines: infinities, or NaN where nothing is determined.
    EXPECT_EQ(knl::Slope(2, 1, 2, 5), INFINITY);
    EXPECT_EQ(knl::Slope(2, 5, 2, 1), -INFINITY);
    EXPECT_TRUE(std::isnan(knl::Slope(2, 1, 2, 1)));  // one point twice
    EXPECT_TRUE(std::isinf(knl::Intercept(2, 1, 2, 5)));
    EXPECT_TRUE(std::isnan(knl::Intercept(0, 1, 0, 5)));  // the y axis itself
}

// Lines built through a chosen point meet at that point, whatever their
// directions (vertical and horizontal ones too) and defining points.
TEST(KernelGeometry, IntersectionIsTheCommonPoint) {
    const int dirs[][2] = {{1, 0}, {0, 1}, {1, 1}, {2, -3}, {-1, 4}, {5, 2}};
    for (int px = -4; px <= 4; px += 4)
        for (int py = -3; py <= 6; py += 3)
            for (const auto& d1 : dirs)
                for (const auto& d2 : dirs) {
                    if (d1[0] * d2[1] == d1[1] * d2[0]) continue;  // parallel
                    const float x1 = float(px - 2 * d1[0]), y1 = float(py - 2 * d1[1]);
                    const float x2 = float(px + 3 * d1[0]), y2 = float(py + 3 * d1[1]);
                    const float x3 = float(px + d2[0]), y3 = float(py + d2[1]);
                    const float x4 = float(px + 4 * d2[0]), y4 = float(py + 4 * d2[1]);
                    EXPECT_NEAR(knl::IntersectionX(x1, y1, x2, y2, x3, y3, x4, y4), px, 1e-9);
                    EXPECT_NEAR(knl::IntersectionY(x1, y1, x2, y2, x3, y3, x4, y4), py, 1e-9);
                }
    // Distinct parallels meet nowhere; one line given twice has no single point.
    EXPECT_FALSE(std::isfinite(knl::IntersectionX(0, 0, 1, 1, 0, 1, 1, 2)));
    EXPECT_FALSE(std::isfinite(knl::IntersectionY(0, 0, 1, 1, 0, 1, 1, 2)));
    EXPECT_FALSE(std::isfinite(knl::IntersectionX(1, 0, 1, 5, 2, 0, 2, 5)));
    EXPECT_TRUE(std::isnan(knl::IntersectionX(0, 0, 1, 1, 2, 2, 3, 3)));
    EXPECT_TRUE(std::isnan(knl::IntersectionY(0, 0, 1, 1, 2, 2, 3, 3)));
}

}  // namespace
