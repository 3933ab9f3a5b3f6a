// Bitmap file headers: the rows.
#include "files/bitmaps.h"
#include "host/declare.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "files/bitmaps_rows.h"
};
}  // namespace

Family BitmapsFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
