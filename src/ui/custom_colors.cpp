#include "ui/custom_colors.h"

namespace tarvo {

std::uint32_t* CustomColors() {
    static std::uint32_t colors[16];
    return colors;
}

void ResetCustomColors() {
    std::uint32_t* c = CustomColors();
    for (int i = 0; i < 16; ++i) c[i] = 0xFFFFFF;
}

}  // namespace tarvo
