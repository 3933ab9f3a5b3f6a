// The MTH_ family in the function table. The geometry is the companion
// library's: the integer coordinates go to it as single-precision floats,
// in parameter order, and the double it answers goes back unchanged.
#include "host/companion.h"
#include "host/declare.h"
#include "strings/geometry.h"

namespace tarvo {
namespace {

float F(std::int32_t v) { return static_cast<float>(v); }

double MthDistance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return Distance(F(x1), F(y1), F(x2), F(y2));
}
double MthPente(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return Pente(F(x1), F(y1), F(x2), F(y2));
}
double MthOrigin(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return Origin(F(x1), F(y1), F(x2), F(y2));
}
double MthTriangleSurface(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t x3, std::int32_t y3) {
    return TriangleSurface(F(x1), F(y1), F(x2), F(y2), F(x3), F(y3));
}
double MthXIntersection(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    return XIntersection(F(x1), F(y1), F(x2), F(y2), F(x3), F(y3), F(x4), F(y4));
}
double MthYIntersection(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    return YIntersection(F(x1), F(y1), F(x2), F(y2), F(x3), F(y3), F(x4), F(y4));
}

constexpr RowSpec kRows[] = {
#include "strings/geometry_rows.h"
};

}  // namespace

Family GeometryFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
