// Direct hardware access, where the system grants it: a byte written to an
// I/O port and a call of the DOS mouse driver (software interrupt 51).
// Windows NT and later (and Wine) refuse both with an exception; the guard
// catches it and the instruction is skipped, so the host goes on.
#pragma once

#include <cstdint>

namespace tarvo {

// True when the instruction ran; false when the system refused it.
bool WritePort(std::uint16_t port, std::uint8_t value);
bool CallMouseDriver(std::uint16_t function, std::uint16_t first, std::uint16_t second);

}  // namespace tarvo
