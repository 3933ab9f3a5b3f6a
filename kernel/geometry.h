// Plane geometry on single-precision coordinates, computed in double
// precision. Nothing is refused: a vertical line has an infinite (or, through
// two equal points, not-a-number) slope and intercept, and parallel lines an
// infinite or not-a-number intersection.
#pragma once

namespace knl {

// Distance between (x1, y1) and (x2, y2).
double Distance(float x1, float y1, float x2, float y2);
// Slope of the line through the two points: dy / dx.
double Slope(float x1, float y1, float x2, float y2);
// Intercept of that line: its y at x = 0.
double Intercept(float x1, float y1, float x2, float y2);
// Area of the triangle of the three points (never negative).
double TriangleArea(float x1, float y1, float x2, float y2, float x3, float y3);
// Where the line through points 1 and 2 meets the line through points 3 and 4.
double IntersectionX(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
double IntersectionY(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);

}  // namespace knl
