// The string transforms in the function table. Most rows are one plain
// function of strings/transforms.h; the functions here are the ones that
// work in the host's handles: the companion's buffers (STR_PADL, STR_HEXA,
// STR_HTOS) and the rotations, whose result keeps its zero bytes.
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>

#include "host/companion.h"
#include "host/declare.h"
#include "strings/transforms.h"

namespace tarvo {
namespace {

constexpr char kAllocationFailed[] = "TARVO : Memory Allocation Failed";

// A working buffer for a text result: a result longer than the host's
// longest text is out of memory (182) before anything is allocated.
WorkBuffer TextBuffer(std::uint64_t size) {
    if (size > kMaxTextLength + 1) RaiseError(kErrOutOfMemory);
    return WorkBuffer(static_cast<std::uint32_t>(size));
}

// STR_PADL: the companion pads the text on the left to `width` characters
// in a buffer of width + 1 bytes. The length test reads the text up to its
// first zero byte, as the companion does.
std::variant<const char*, WorkBuffer> StrPadlIn(const char* text, std::int32_t width,
                                                 char pad) {
    if (width <= 0 || std::strlen(text) >= static_cast<std::size_t>(width)) return text;
    WorkBuffer buffer = TextBuffer(static_cast<std::uint64_t>(width) + 1);
    StrPadl(text, buffer.data, width + 1, static_cast<unsigned char>(pad));
    return buffer;
}

// STR_HEXA: the companion's digits, in a zeroed buffer of 2 * length + 1.
WorkBuffer StrHexaIn(std::string_view text) {
    WorkBuffer buffer = TextBuffer(2 * static_cast<std::uint64_t>(text.size()) + 1);
    StrHexa(text.data(), buffer.data, static_cast<std::int32_t>(text.size()));
    return buffer;
}

// STR_HTOS: the companion's bytes, in a zeroed buffer of length / 2 + 1.
WorkBuffer StrHtosIn(std::string_view hex) {
    WorkBuffer buffer = TextBuffer(static_cast<std::uint64_t>(hex.size()) / 2 + 1);
    StrHtos(hex.data(), buffer.data, static_cast<std::int32_t>(hex.size()));
    return buffer;
}

// STR_SHL / STR_SHR: the rotated text in a block of the text's own length,
// so zero bytes survive.
template <std::string (*Rotate)(std::string_view, std::int32_t)>
std::variant<HandleText, const char*> Rotated(std::string_view text, std::int32_t bits) {
    // Rotate first: a failure of the runtime then leaves no handle behind.
    const std::string rotated = Rotate(text, bits);
    const std::uint32_t handle = AllocHandle(static_cast<std::uint32_t>(text.size()) + 1);
    if (handle == 0) return kAllocationFailed;
    if (!rotated.empty()) std::memcpy(HandleToPointer(handle), rotated.data(), rotated.size());
    return HandleText(handle, static_cast<std::int32_t>(text.size()));
}

constexpr RowSpec kRows[] = {
#include "strings/transforms_rows.h"
};

}  // namespace

Family TransformFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
