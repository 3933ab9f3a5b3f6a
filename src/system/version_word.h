// The Windows version word (the answer of GetVersion) as the load hook found it.
#pragma once

#include <cstdint>

namespace tarvo {

std::uint32_t& VersionWord();

}  // namespace tarvo
