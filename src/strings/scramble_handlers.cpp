// Scrambling and checksums in the function table. STR_ENCRYP (and its alias
// STR_DECRYP) works on three kinds of data:
//   - a text value: its own block is scrambled in place and parameter 1's
//     record goes back as the result;
//   - a memory variable by reference: its value is loaded into a handle of
//     its own, scrambled there, stored back, and that handle returned;
//   - a memo field by reference (a locator with a positive work area): the
//     memo's text is read from the table's memo file, through the memo
//     channel, into a new block that is scrambled and returned.
#include <variant>

#include "host/declare.h"
#include "strings/scramble.h"

namespace tarvo {
namespace {

HandleText ScrambledVariable(Ref variable, std::string_view key) {
    LoadedVariable loaded(variable);
    const ValueRecord& value = loaded.value;
    if (value.type != 'C') RaiseError(kErrNotCharacter302);
    if (value.length > 0) {
        LockHandle(value.handle);
        if (char* text = HandleToPointer(value.handle))
            Scramble(text, static_cast<std::size_t>(value.length), key);
        UnlockHandle(value.handle);
    }
    variable.Store(value);
    const ValueRecord kept = loaded.Release();
    return HandleText(kept.handle, kept.length);
}

HandleText ScrambledMemo(const VariableLocator* field, std::string_view key) {
    const std::int32_t channel = GetMemoChannel(field->workArea);
    const std::int32_t offset = FindMemo(field);
    if (offset < 0) RaiseUserError("_FindMemo() failed");
    const std::int32_t answer = GetMemoSize(field);
    const std::uint32_t size = answer > 0 ? static_cast<std::uint32_t>(answer) : 0;
    HostFileSeek(channel, offset, 0);
    WorkBuffer buffer(size + 1);
    if (size > 0 && HostFileIo(channel, buffer.data, answer, kIoReadBlock) != answer)
        RaiseError(kErrOutOfMemory);
    Scramble(buffer.data, size, key);
    return HandleText(std::move(buffer), static_cast<std::int32_t>(size));
}

std::variant<ParamBack<1>, HandleText> StrEncryp(AnyRecord data, std::string_view keyText) {
    const std::string_view key = ScrambleKey(keyText);
    if (data.value->type == 'C') {
        TextArg text(*data.value);
        Scramble(text.data, static_cast<std::size_t>(text.length), key);
        return ParamBack<1>{};
    }
    const VariableLocator* where = data.locator();
    if (!where) RaiseError(kErrNotCharacter302);
    if (where->workArea > 0) return ScrambledMemo(where, key);
    return ScrambledVariable(Ref{where}, key);
}

constexpr RowSpec kRows[] = {
#include "strings/scramble_rows.h"
};

}  // namespace

Family ScrambleFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
