// Plane geometry of the companion library.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/geometry.h"

namespace {

TEST(KernelGeometry, Distance) {
    EXPECT_DOUBLE_EQ(knl::Distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(knl::Distance(3, 4, 0, 0), 5.0);
    EXPECT_DOUBLE_EQ(knl::Distance(-1, -1, 2, 3), 5.0);
    EXPECT_DOUBLE_EQ(knl::Distance(7, -2, 7, -2), 0.0);
    EXPECT_DOUBLE_EQ(knl::Distance(0, 0, 1, 1), std::sqrt(2.0));
    // Large coordinates, where squaring in single precision would lose digits.
    EXPECT_DOUBLE_EQ(knl::Distance(0, 0, 3000000, 4000000), 5000000.0);
}

TEST(KernelGeometry, SlopeAndIntercept) {
    EXPECT_DOUBLE_EQ(knl::Slope(1, 2, 3, 6), 2.0);
    EXPECT_DOUBLE_EQ(knl::Slope(3, 6, 1, 2), 2.0);
    EXPECT_DOUBLE_EQ(knl::Slope(0, 0, -2, 1), -0.5);
    EXPECT_DOUBLE_EQ(knl::Slope(-5, 4, 9, 4), 0.0);
    EXPECT_DOUBLE_EQ(knl::Intercept(1, 3, 2, 5), 1.0);
    EXPECT_DOUBLE_EQ(knl::Intercept(2, 5, 1, 3), 1.0);
    EXPECT_DOUBLE_EQ(knl::Intercept(-5, 4, 9, 4), 4.0);
    EXPECT_EQ(knl::Intercept(2, 4, -3, -6), 0.0);  // through the origin: exactly 0
    EXPECT_DOUBLE_EQ(knl::Intercept(3, 0, 0, 7), 7.0);
}

// Every point of the line satisfies y = slope * x + intercept.
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
}

TEST(KernelGeometry, VerticalLinesGiveInfinityOrNaN) {
    EXPECT_TRUE(std::isinf(knl::Slope(2, 1, 2, 5)));
    EXPECT_GT(knl::Slope(2, 1, 2, 5), 0);
    EXPECT_LT(knl::Slope(2, 5, 2, 1), 0);
    EXPECT_TRUE(std::isnan(knl::Slope(2, 1, 2, 1)));  // one point twice
    EXPECT_TRUE(std::isinf(knl::Intercept(2, 1, 2, 5)));
    EXPECT_TRUE(std::isnan(knl::Intercept(0, 1, 0, 5)));  // the y axis itself
}

TEST(KernelGeometry, TriangleArea) {
    EXPECT_DOUBLE_EQ(knl::TriangleArea(0, 0, 4, 0, 0, 3), 6.0);
    EXPECT_DOUBLE_EQ(knl::TriangleArea(0, 0, 0, 3, 4, 0), 6.0);  // other orientation
    EXPECT_DOUBLE_EQ(knl::TriangleArea(4, 0, 0, 3, 0, 0), 6.0);
    EXPECT_DOUBLE_EQ(knl::TriangleArea(-2, -2, 2, -2, 0, 5), 14.0);
    EXPECT_DOUBLE_EQ(knl::TriangleArea(0, 0, 1, 1, 5, 5), 0.0);  // collinear
    EXPECT_DOUBLE_EQ(knl::TriangleArea(1, 1, 1, 1, 1, 1), 0.0);
}

TEST(KernelGeometry, Intersections) {
    // y = x and y = 4 - x
    EXPECT_DOUBLE_EQ(knl::IntersectionX(0, 0, 1, 1, 0, 4, 4, 0), 2.0);
    EXPECT_DOUBLE_EQ(knl::IntersectionY(0, 0, 1, 1, 0, 4, 4, 0), 2.0);
    // x = 3 (vertical) and y = 2x + 1
    EXPECT_DOUBLE_EQ(knl::IntersectionX(3, -1, 3, 9, 0, 1, 1, 3), 3.0);
    EXPECT_DOUBLE_EQ(knl::IntersectionY(3, -1, 3, 9, 0, 1, 1, 3), 7.0);
    // a horizontal and a vertical line
    EXPECT_DOUBLE_EQ(knl::IntersectionX(-5, 2, 5, 2, -1, -8, -1, 8), -1.0);
    EXPECT_DOUBLE_EQ(knl::IntersectionY(-5, 2, 5, 2, -1, -8, -1, 8), 2.0);
}

// Lines built through a chosen point meet at that point, whatever the
// directions and the positions of their defining points.
TEST(KernelGeometry, IntersectionFindsTheCommonPoint) {
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
}

TEST(KernelGeometry, ParallelLinesHaveNoFiniteIntersection) {
    // distinct parallels
    EXPECT_FALSE(std::isfinite(knl::IntersectionX(0, 0, 1, 1, 0, 1, 1, 2)));
    EXPECT_FALSE(std::isfinite(knl::IntersectionY(0, 0, 1, 1, 0, 1, 1, 2)));
    EXPECT_FALSE(std::isfinite(knl::IntersectionX(1, 0, 1, 5, 2, 0, 2, 5)));  // two verticals
    // one line given twice: no single point
    EXPECT_TRUE(std::isnan(knl::IntersectionX(0, 0, 1, 1, 2, 2, 3, 3)));
    EXPECT_TRUE(std::isnan(knl::IntersectionY(0, 0, 1, 1, 2, 2, 3, 3)));
}

}  // namespace
