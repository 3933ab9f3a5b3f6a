// The tokenizer: texts split into tokens at separator characters.
//
// A token is the run of characters from a start position up to, not
// including, the next separator or the end of the text.
//
// Texts are byte spans read over their full length: a zero byte is an
// ordinary character here, and a separator when code 0 is in the set. The
// handlers hand token results back with ReturnString, which ends them at
// their first zero byte; these functions keep every byte.
//
// One separator set and one sequential walk serve the whole library (the
// notification restore borrows the set and CopyToken). Neither is locked:
// they are used from the host's thread only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// 256 flags, one per character code, looked up by unsigned byte value.
// Copyable, so a caller can save the set, replace it and put it back.
class SeparatorSet {
public:
    bool IsSeparator(char c) const { return flags_[static_cast<unsigned char>(c)] != 0; }
    bool IsSeparator(unsigned char c) const { return flags_[c] != 0; }

    // Every flag 0: nothing separates.
    void Clear() { flags_.fill(0); }

    // The separators as text, in ascending code order. Code 0 would come
    // first and end the text at once, so with it the text is empty.
    std::string Text() const;

    // Answers the previous set as Text() gives it.
    std::string Replace(std::string_view chars);

    bool operator==(const SeparatorSet&) const = default;

private:
    std::array<std::uint8_t, 256> flags_{};
};

// The process-wide separator set; empty at load.
SeparatorSet& Separators();

std::string StrSetSep(std::string_view chars);
void StrResSep();

// --- direct access ----------------------------------------------------------

// 0-based offset where the n-th token (1-based) starts: just after the
// (n-1)-th separator, or text.size() when there are fewer. n - 1 is taken as
// an unsigned 32-bit count, so n <= 0 is never reached and gives
// text.size() too.
std::size_t TokenStart(std::string_view text, std::int32_t n,
                       const SeparatorSet& separators = Separators());

// Number of characters from `pos` up to the next separator or the end.
std::size_t TokenLength(std::string_view text, std::size_t pos,
                        const SeparatorSet& separators = Separators());

// TokenLength characters from TokenStart, as a copy.
std::string CopyToken(std::int32_t n, std::string_view text,
                      const SeparatorSet& separators = Separators());

std::int32_t CountTokens(std::string_view text,
                         const SeparatorSet& separators = Separators());

// TokenStart + 1.
std::int32_t TokenPosition(std::int32_t n, std::string_view text,
                           const SeparatorSet& separators = Separators());

// By the C runtime's strtok rules, without strtok itself: no hidden state,
// and the text is not written to.
std::string_view StrStrTok(std::int32_t n, std::string_view text, std::string_view delimiters);

// --- the sequential walk ----------------------------------------------------

// Where a walk keeps its copy of the text. In the library the copy is a
// locked handle of the host's handle table (strings/tokenizer_handlers.cpp),
// so that the host's memory limits and accounting apply to it; HeapCopies()
// keeps it on the heap.
struct CopyStore {
    // A block of `size` bytes and its id (never 0). On failure it raises (the
    // library's store raises host error 182) and allocates nothing.
    char* (*acquire)(std::uint32_t size, std::uintptr_t* id);
    // The block's address; null when the block cannot be reached.
    const char* (*address)(std::uintptr_t id);
    void (*release)(std::uintptr_t id);
};
const CopyStore& HeapCopies();

// STR_TOKINI / STR_TOKNEX / STR_TOKFIN / STR_GETOFF / STR_SETOFF.
struct TokenWalk {
    const CopyStore* store = &HeapCopies();
    std::uintptr_t copy = 0;    // the walk's own copy of the text; 0 when there is none
    std::int32_t length = 0;    // characters in the copy; 0 when there is none
    std::int32_t offset = 0;    // 0-based start of the next token
    bool finished = true;       // true until a text is set

    TokenWalk() = default;
    explicit TokenWalk(const CopyStore* s) : store(s) {}
    ~TokenWalk() { Drop(); }
    TokenWalk(const TokenWalk&) = delete;
    TokenWalk& operator=(const TokenWalk&) = delete;

    // The previous copy is dropped before the new one (length + 1 bytes) is
    // made, so when the store raises the walk is left without a copy.
    bool Init(std::string_view text);

    // A token stopped by a separator moves the offset past that separator;
    // the token that runs to the end of the text finishes the walk, drops the
    // copy and leaves the offset at the end. Costs the token's length only. A
    // copy the store cannot reach reads as the empty text.
    std::string Next(const SeparatorSet& separators = Separators());

    // Releases the copy, if any (the length becomes 0).
    void Drop();

    bool Finished() const { return finished; }
    std::int32_t GetOffset() const { return offset; }
    void SetOffset(std::int32_t newOffset) { offset = newOffset < 0 ? 0 : newOffset; }
};

// --- the functions of the table ----------------------------------------------

// The process-wide walk and the functions over it live with the handlers
// (strings/tokenizer_handlers.cpp), whose walk keeps its copy in the host's
// handle table; the unload hook releases it.
TokenWalk& SharedTokenWalk();
bool StrTokIni(std::string_view text);
std::string StrTokNex();
bool StrTokFin();
std::int32_t StrGetOff();
bool StrSetOff(std::int32_t offset);

// Over the process-wide separator set:
std::int32_t StrNumTok(std::string_view text);                 // CountTokens
std::int32_t StrTokPos(std::int32_t n, std::string_view text);  // TokenPosition
// As CopyToken, but a piece of the text itself.
std::string_view StrNToken(std::int32_t n, std::string_view text);

}  // namespace tarvo
