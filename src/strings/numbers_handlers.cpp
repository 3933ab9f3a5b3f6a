// The number conversions in the function table: plain functions of
// strings/numbers.h, and NUM_HEXA, which the companion writes.
//
// NUM_BINTOC answers the bytes up to the first zero byte (so 0 and every
// multiple of 256 give shorter texts); NUM_INITRANDOM answers nothing.
#include <array>

#include "host/companion.h"
#include "host/declare.h"
#include "strings/numbers.h"

namespace tarvo {
namespace {

// NUM_HEXA(n): the companion's hexadecimal text of n, in a zeroed 100-byte
// buffer.
std::string NumHexa(std::int32_t n) {
    std::array<char, 100> buffer{};
    tarvo::NumHexa(buffer.data(), n);
    buffer.back() = '\0';
    return buffer.data();
}

constexpr RowSpec kRows[] = {
#include "strings/numbers_rows.h"
};

}  // namespace

Family NumberFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
