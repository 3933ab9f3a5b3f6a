#include "system/version_word.h"

namespace tarvo {

std::uint32_t& VersionWord() {
    static std::uint32_t word = 0;
    return word;
}

}  // namespace tarvo
