// The string transforms in the function table. Most rows are one plain
// function of strings/transforms.h; the handlers here are the ones that work
// in the host's handles: the companion's buffers (STR_PADL, STR_HEXA,
// STR_HTOS) and the rotations, whose result keeps its zero bytes.
//
// STR_PADL answers a text that already fills the width (or a width of 0 or
// below) unchanged. STR_POKE with a position outside 1..length, and
// STR_SHL/STR_SHR with a bit count outside 0..8, answer the text unchanged.
// STR_COMMA and STR_MAKE results are never cut; STR_INTSTR keeps the first
// 255 characters of a text.
#include <cstdint>
#include <cstring>
#include <string>

#include "host/companion.h"
#include "host/declare.h"
#include "strings/transforms.h"

namespace tarvo {
namespace {

constexpr char kAllocationFailed[] = "TARVO : Memory Allocation Failed";

// A working buffer size that the host's handles can hold; larger requests
// are out of memory (182) before anything is allocated.
std::uint32_t BufferSize(std::uint64_t size) {
    if (size > 0x7FFFFFFFu) RaiseError(kErrOutOfMemory);
    return static_cast<std::uint32_t>(size);
}

// STR_PADL(text, width, pad): the companion pads the text on the left to
// `width` characters with the first character of pad, in a buffer of
// width + 1 bytes. The length test reads the text up to its first zero
// byte, as the companion does.
void StrPadl(ParamBlock* p) {
    TextArg text(p, 1);
    const std::int32_t width = IntParam(p, 2);
    TextArg pad(p, 3);
    if (width <= 0 || std::strlen(text.data) >= static_cast<std::size_t>(width)) {
        ReturnString(text.data);
        return;
    }
    WorkBuffer buffer(BufferSize(static_cast<std::uint64_t>(width) + 1));
    tarvo::StrPadl(text.data, buffer.data, width + 1, static_cast<unsigned char>(pad.first()));
    ReturnString(buffer.data);
}

// STR_HEXA(text): two hexadecimal digits for every byte of the text (zero
// bytes included), by the companion, in a zeroed buffer of 2 * length + 1.
void StrHexa(ParamBlock* p) {
    TextArg text(p, 1);
    WorkBuffer buffer(BufferSize(2 * static_cast<std::uint64_t>(text.length) + 1));
    tarvo::StrHexa(text.data, buffer.data, text.length);
    ReturnString(buffer.data);
}

// STR_HTOS(hex): the bytes the digit pairs spell, by the companion, in a
// zeroed buffer of length / 2 + 1.
void StrHtos(ParamBlock* p) {
    TextArg hex(p, 1);
    WorkBuffer buffer(BufferSize(static_cast<std::uint64_t>(hex.length) / 2 + 1));
    tarvo::StrHtos(hex.data, buffer.data, hex.length);
    ReturnString(buffer.data);
}

// STR_SHL / STR_SHR(text, bits): the rotated text as a character value of
// the text's own length in a new handle, so zero bytes survive; when that
// handle cannot be had the answer is "TARVO : Memory Allocation Failed".
template <std::string (*Rotate)(std::string_view, std::int32_t)>
void Rotated(ParamBlock* p) {
    TextArg text(p, 1);
    // Rotate first: a failure of the runtime then leaves no handle behind.
    const std::string rotated = Rotate(text.view(), IntParam(p, 2));
    const std::uint32_t handle = AllocHandle(static_cast<std::uint32_t>(text.length) + 1);
    if (handle == 0) {
        ReturnString(kAllocationFailed);
        return;
    }
    if (!rotated.empty()) std::memcpy(HandleToPointer(handle), rotated.data(), rotated.size());
    ValueRecord result{};
    result.type = 'C';
    result.length = text.length;
    result.handle = handle;
    ReturnHandle(&result);  // the handle passes to the host
}

constexpr RowSpec kRows[] = {
#include "strings/transforms_rows.h"
};

}  // namespace

Family TransformFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
