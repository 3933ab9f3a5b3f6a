// The exported functions that are plain computation: version, dates, text
// and geometry, each a thin stdcall shell over the plain code.
#include "kernel/calendar.h"
#include "kernel/exports.h"
#include "kernel/geometry.h"
#include "kernel/hex_text.h"
#include "kernel/knl_version.h"

extern "C" {

int KNL_CALL k_knl_major() { return knl::kVersionMajor; }
int KNL_CALL k_knl_minor() { return knl::kVersionMinor; }
char* KNL_CALL k_knl_vers(char* buffer256) { return knl::WriteVersionText(buffer256); }

std::int32_t KNL_CALL k_ymd_to_jdnl(int y, int m, int d, int) { return knl::YmdToJdn(y, m, d); }
void KNL_CALL k_jdnl_to_ymd(std::int32_t jdn, int* y, int* m, int* d, int) {
    knl::JdnToYmd(jdn, y, m, d);
}
void KNL_CALL k_easter(int year, int* month, int* day) { knl::EasterDate(year, month, day); }

char* KNL_CALL k_TARVO_NUM_hexa(char* buffer100, std::int32_t n) { return knl::NumToHex(buffer100, n); }
char* KNL_CALL k_TARVO_STR_hexa(const char* text, char* buffer, int n) {
    return knl::BytesToHex(text, buffer, n);
}
char* KNL_CALL k_TARVO_STR_htos(const char* hex, char* buffer, int n) {
    return knl::HexToBytes(hex, buffer, n);
}
char* KNL_CALL k_TARVO_STR_padl(const char* text, char* buffer, int widthPlus1, int pad) {
    return knl::PadLeft(text, buffer, widthPlus1, pad);
}

double KNL_CALL k_QX_distance(float x1, float y1, float x2, float y2) {
    return knl::Distance(x1, y1, x2, y2);
}
double KNL_CALL k_QX_pente(float x1, float y1, float x2, float y2) { return knl::Slope(x1, y1, x2, y2); }
double KNL_CALL k_QX_origin(float x1, float y1, float x2, float y2) {
    return knl::Intercept(x1, y1, x2, y2);
}
double KNL_CALL k_QX_TriangleSurface(float x1, float y1, float x2, float y2, float x3, float y3) {
    return knl::TriangleArea(x1, y1, x2, y2, x3, y3);
}
double KNL_CALL k_QX_X_intersection(float x1, float y1, float x2, float y2, float x3, float y3,
                                    float x4, float y4) {
    return knl::IntersectionX(x1, y1, x2, y2, x3, y3, x4, y4);
}
double KNL_CALL k_QX_Y_intersection(float x1, float y1, float x2, float y2, float x3, float y3,
                                    float x4, float y4) {
    return knl::IntersectionY(x1, y1, x2, y2, x3, y3, x4, y4);
}

}  // extern "C"
