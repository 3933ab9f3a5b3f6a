// The number conversions in the function table: plain functions of
// strings/numbers.h, and NUM_HEXA, which the companion writes.
#include <array>

#include "host/companion.h"
#include "host/declare.h"
#include "strings/numbers.h"

namespace tarvo {
namespace {

// The companion writes into a zeroed 100-byte buffer; its last byte is
// zeroed again in case the companion filled it.
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
