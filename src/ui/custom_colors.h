// The 16 custom colours the colour dialog offers and keeps between calls.
#pragma once

#include <cstdint>

namespace tarvo {

std::uint32_t* CustomColors();  // 16 COLORREF values
void ResetCustomColors();       // all white (0xFFFFFF)

}  // namespace tarvo
