// The string transforms' handlers: a text in, a new text out.
//
// Each handler reads its parameters (character parameters through TextArg,
// which makes them zero-terminated and raises 182 when it cannot), calls the
// transform and hands back one result. Results go back with ReturnString,
// which ends them at their first zero byte, except for STR_SHL and STR_SHR,
// whose result keeps its length. Where the result is a piece of the
// parameter text itself (STR_LEFT, STR_RIGHT, STR_TILLNULL, STR_LTRIM) it
// goes back from the parameter's block, without a copy of its own.
//
// Choices made where the behaviour was ours to decide:
//   - STR_PADL with a text as long as the width or longer (and with a width
//     of 0 or below) answers the text unchanged; the companion would keep
//     only its first `width` characters.
//   - STR_POKE with a position outside 1..length, and STR_SHL/STR_SHR with a
//     bit count outside 0..8, answer the text unchanged.
//   - STR_COMMA has no 50-character limit: long numbers come back whole.
//   - STR_INTSTR stores at most 255 characters of a longer text.
//   - STR_MAKE of a number answers every digit _fcvt gives (at most 348),
//     not just what fits a 30-byte buffer.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "host/companion.h"
#include "host/params.h"
#include "host/services.h"
#include "host/table.h"
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

// STR_LEFT(text, n): the first n characters; all of them for n beyond the
// length, none for n <= 0.
void StrLeftHandler(ParamBlock* p) {
    TextArg text(p, 1);
    const std::int32_t n = IntParam(p, 2);
    const std::size_t take = n <= 0 ? 0 : std::min<std::size_t>(text.view().size(), n);
    text.ReturnSlice(0, take);
}

// STR_RIGHT(text, n): the last n characters, like STR_LEFT from the end.
void StrRightHandler(ParamBlock* p) {
    TextArg text(p, 1);
    const std::int32_t n = IntParam(p, 2);
    const std::size_t take = n <= 0 ? 0 : std::min<std::size_t>(text.view().size(), n);
    ReturnString(text.data + (text.view().size() - take));
}

// STR_TILLNULL(text): the text up to its first zero byte, which is exactly
// what ReturnString takes of a zero-terminated text.
void StrTillNullHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(text.data);
}

// STR_PADL(text, width, pad): the companion pads the text on the left to
// `width` characters with the first character of pad, in a buffer of
// width + 1 bytes. The companion reads the text up to its first zero byte,
// and so does the length test here. A text that already fills the width
// comes back unchanged (see the top of the file).
void StrPadlHandler(ParamBlock* p) {
    TextArg text(p, 1);
    const std::int32_t width = IntParam(p, 2);
    TextArg pad(p, 3);
    const std::size_t length = std::strlen(text.data);
    if (width <= 0 || length >= static_cast<std::size_t>(width)) {
        ReturnString(text.data);
        return;
    }
    WorkBuffer buffer(BufferSize(static_cast<std::uint64_t>(width) + 1));
    StrPadl(text.data, buffer.data, width + 1, static_cast<unsigned char>(pad.first()));
    ReturnString(buffer.data);
}

// STR_HEXA(text): two hexadecimal digits for every byte of the text (zero
// bytes included), by the companion, in a zeroed buffer of 2 * length + 1.
void StrHexaHandler(ParamBlock* p) {
    TextArg text(p, 1);
    WorkBuffer buffer(BufferSize(2 * static_cast<std::uint64_t>(text.length) + 1));
    StrHexa(text.data, buffer.data, text.length);
    ReturnString(buffer.data);
}

// STR_HTOS(hex): the bytes the digit pairs spell, by the companion, in a
// zeroed buffer of length / 2 + 1.
void StrHtosHandler(ParamBlock* p) {
    TextArg hex(p, 1);
    WorkBuffer buffer(BufferSize(static_cast<std::uint64_t>(hex.length) / 2 + 1));
    StrHtos(hex.data, buffer.data, hex.length);
    ReturnString(buffer.data);
}

// STR_MAKE(any value): the value as text, by the record's own type letter.
void StrMakeHandler(ParamBlock* p) {
    const ValueRecord& value = Param(p, 1);
    char buffer[32] = {};
    switch (value.type) {
    case '0': ReturnString(".NULL."); return;
    case 'C': {
        TextArg text(p, 1);
        ReturnString(text.data);
        return;
    }
    case 'D': ReturnString("Should return a date"); return;
    case 'G': ReturnString("<Gen>"); return;
    case 'I':
        std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value.integer));
        ReturnString(buffer);
        return;
    case 'L': ReturnString(value.length != 0 ? "1" : "0"); return;
    case 'M': ReturnString("<Memo>"); return;
    case 'N': ReturnString(FcvtDigits(value.number, value.length)); return;
    case 'T': ReturnString("Should return a datetime"); return;
    case 'Y': {
        // The low 32 bits of the 8-byte currency value, as a signed number.
        const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(
            static_cast<std::uint64_t>(value.currency) & 0xFFFFFFFFu));
        std::snprintf(buffer, sizeof buffer, "$%d", static_cast<int>(low));
        ReturnString(buffer);
        return;
    }
    default: ReturnString("Unknown data type"); return;
    }
}

// STR_REDUCE(text [, char]): runs of the character become one. Without the
// second parameter the character is the text's own first one.
void StrReduceHandler(ParamBlock* p) {
    TextArg text(p, 1);
    if (HasParam(p, 2)) {
        TextArg c(p, 2);
        ReturnString(StrReduce(text.view(), c.first()));
    } else {
        ReturnString(StrReduce(text.view()));
    }
}

// STR_LTRIM(text, char): the text without its leading run of the character.
// The rest goes back from the parameter's block (what StrLTrim would copy).
void StrLTrimHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg c(p, 2);
    const std::size_t skip =
        std::min(text.view().find_first_not_of(c.first()), text.view().size());
    ReturnString(text.data + skip);
}

// STR_CHRSWA(text, from, to): every `from` becomes `to`; an empty `to` writes
// a zero byte, which ends the result there.
void StrChrSwaHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg from(p, 2);
    TextArg to(p, 3);
    ReturnString(StrChrSwap(text.view(), from.first(), to.first()));
}

// STR_KEEP(text, set): only the characters that occur in the set.
void StrKeepHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg set(p, 2);
    ReturnString(StrKeep(text.view(), set.view()));
}

// STR_EXCLUDE / STR_EXCLUD(text, set): the characters that do not.
void StrExcludeHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg set(p, 2);
    ReturnString(StrExclude(text.view(), set.view()));
}

// STR_DIONLY(text [, ignored]): the digits and points of the text. The
// second parameter is accepted and never read.
void StrDiOnlyHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrDigitsOnly(text.view()));
}

// STR_MIRROR / STR_REVERS(text): the characters in reverse order.
void StrMirrorHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrReverse(text.view()));
}

// STR_POKE(text, n, code): the n-th character replaced by the low byte of
// code; code 0 cuts the text before position n.
void StrPokeHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrPoke(text.view(), IntParam(p, 2), IntParam(p, 3)));
}

// STR_NULL(): the empty text.
void StrNullHandler(ParamBlock*) { ReturnString(""); }

// STR_MIXUP(text, n): the empty text; neither parameter is read.
void StrMixupHandler(ParamBlock*) { ReturnString(""); }

// STR_FSTDIG(text): makes its parameter zero-terminated and returns nothing.
void StrFstDigHandler(ParamBlock* p) { TextArg text(p, 1); }

// STR_SHL / STR_SHR(text, bits): the text rotated as one bit string. The
// result is a character value of the text's own length in a new handle, so
// zero bytes survive; when that handle cannot be had the answer is the text
// "TARVO : Memory Allocation Failed" instead of an error.
void ReturnRotated(ParamBlock* p, bool left) {
    TextArg text(p, 1);
    const std::int32_t bits = IntParam(p, 2);
    // Rotate first: an allocation failure of the runtime then leaves no
    // handle behind.
    std::string rotated =
        left ? StrShiftLeft(text.view(), bits) : StrShiftRight(text.view(), bits);
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

void StrShlHandler(ParamBlock* p) { ReturnRotated(p, true); }
void StrShrHandler(ParamBlock* p) { ReturnRotated(p, false); }

// STR_RELIN(text) / STR_RELOUT(packed): run-length packing and unpacking.
void StrRelInHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrPack(text.view()));
}

void StrRelOutHandler(ParamBlock* p) {
    TextArg packed(p, 1);
    ReturnString(StrUnpack(packed.view()));
}

// STR_COMMA(number, style): digit grouping. A first parameter that is not a
// character value gets no answer at all.
void StrCommaHandler(ParamBlock* p) {
    if (Param(p, 1).type != 'C') return;
    TextArg number(p, 1);
    TextArg style(p, 2);
    ReturnString(StrComma(number.view(), style.first()));
}

// STR_PROPER(text, delimiters): case by word delimiters.
void StrProperHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg delimiters(p, 2);
    ReturnString(StrProper(text.view(), delimiters.view()));
}

// The three text slots of STR_INTSTR, empty at load.
std::array<std::array<char, 256>, 3> g_slots{};

// STR_INTSTR(slot [, text]): answers the slot's content, then stores the text
// in it (its first 255 characters). A slot other than 1, 2 or 3 answers
// nothing and stores nothing.
void StrIntStrHandler(ParamBlock* p) {
    const std::int32_t slot = IntParam(p, 1);
    if (slot < 1 || slot > 3) return;
    std::array<char, 256>& stored = g_slots[static_cast<std::size_t>(slot - 1)];
    ReturnString(stored.data());
    if (!HasParam(p, 2)) return;
    TextArg text(p, 2);
    const std::size_t n = std::min<std::size_t>(text.view().size(), stored.size() - 1);
    std::memcpy(stored.data(), text.data, n);
    stored[n] = '\0';
}

const FunctionDef kTransforms[] = {
    {"STR_LEFT", StrLeftHandler, 2, "C,I"},
    {"STR_RIGHT", StrRightHandler, 2, "C,I"},
    {"STR_TILLNULL", StrTillNullHandler, 1, "C"},
    {"STR_PADL", StrPadlHandler, 3, "C,I,C"},
    {"STR_HEXA", StrHexaHandler, 1, "C"},
    {"STR_HTOS", StrHtosHandler, 1, "C"},
    {"STR_MAKE", StrMakeHandler, 1, "?"},
    {"STR_REDUCE", StrReduceHandler, 2, "C,.C"},
    {"STR_LTRIM", StrLTrimHandler, 2, "C,C"},
    {"STR_CHRSWA", StrChrSwaHandler, 3, "C,C,C"},
    {"STR_KEEP", StrKeepHandler, 2, "C,C"},
    {"STR_EXCLUDE", StrExcludeHandler, 2, "C,C"},
    {"STR_EXCLUD", StrExcludeHandler, 2, "C,C"},
    {"STR_DIONLY", StrDiOnlyHandler, 2, "C,.C"},
    {"STR_MIRROR", StrMirrorHandler, 1, "C"},
    {"STR_REVERS", StrMirrorHandler, 1, "C"},
    {"STR_POKE", StrPokeHandler, 3, "C,I,I"},
    {"STR_NULL", StrNullHandler, 0, ""},
    {"STR_MIXUP", StrMixupHandler, 2, "C,I"},
    {"STR_FSTDIG", StrFstDigHandler, 1, "C"},
    {"STR_SHL", StrShlHandler, 2, "C,I"},
    {"STR_SHR", StrShrHandler, 2, "C,I"},
    {"STR_RELIN", StrRelInHandler, 1, "C"},
    {"STR_RELOUT", StrRelOutHandler, 1, "C"},
    {"STR_COMMA", StrCommaHandler, 2, "C,C"},
    {"STR_PROPER", StrProperHandler, 2, "C,C"},
    {"STR_INTSTR", StrIntStrHandler, 2, "I,.C"},
};

}  // namespace

Family TransformFunctions() { return kTransforms; }

}  // namespace tarvo
