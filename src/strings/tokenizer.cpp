#include "strings/tokenizer.h"

#include <bitset>
#include <cstring>

namespace tarvo {

std::string SeparatorSet::Text() const {
    std::string text;
    // Code 0 would be the first byte of the text and end it.
    if (flags_[0]) return text;
    for (std::size_t code = 1; code < flags_.size(); ++code) {
        if (flags_[code]) text.push_back(static_cast<char>(code));
    }
    return text;
}

std::string SeparatorSet::Replace(std::string_view chars) {
    std::string previous = Text();
    Clear();
    for (char c : chars) flags_[static_cast<unsigned char>(c)] = 1;
    return previous;
}

SeparatorSet& Separators() {
    static SeparatorSet set;
    return set;
}

std::string StrSetSep(std::string_view chars) { return Separators().Replace(chars); }

void StrResSep() { Separators().Clear(); }

std::size_t TokenStart(std::string_view text, std::int32_t n, const SeparatorSet& separators) {
    const std::uint32_t wanted = static_cast<std::uint32_t>(n) - 1u;
    if (wanted == 0) return 0;
    std::uint32_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (separators.IsSeparator(text[i]) && ++seen == wanted) return i + 1;
    }
    return text.size();
}

std::size_t TokenLength(std::string_view text, std::size_t pos, const SeparatorSet& separators) {
    std::size_t end = pos;
    while (end < text.size() && !separators.IsSeparator(text[end])) ++end;
    return end - pos;
}

std::string CopyToken(std::int32_t n, std::string_view text, const SeparatorSet& separators) {
    const std::size_t start = TokenStart(text, n, separators);
    return std::string(text.substr(start, TokenLength(text, start, separators)));
}

std::int32_t CountTokens(std::string_view text, const SeparatorSet& separators) {
    std::int32_t count = 1;
    for (char c : text) count += separators.IsSeparator(c) ? 1 : 0;
    return count;
}

std::int32_t TokenPosition(std::int32_t n, std::string_view text,
                           const SeparatorSet& separators) {
    return static_cast<std::int32_t>(TokenStart(text, n, separators)) + 1;
}

std::string_view StrStrTok(std::int32_t n, std::string_view text, std::string_view delimiters) {
    if (n < 1) return text.substr(0, 0);
    text = text.substr(0, text.find('\0'));
    delimiters = delimiters.substr(0, delimiters.find('\0'));
    std::bitset<256> isDelimiter;
    for (char c : delimiters) isDelimiter.set(static_cast<unsigned char>(c));
    auto delimiter = [&](std::size_t i) {
        return isDelimiter.test(static_cast<unsigned char>(text[i]));
    };

    std::size_t pos = 0;
    for (std::int32_t k = 1;; ++k) {
        while (pos < text.size() && delimiter(pos)) ++pos;
        if (pos == text.size()) return text.substr(pos);
        const std::size_t start = pos;
        while (pos < text.size() && !delimiter(pos)) ++pos;
        if (k == n) return text.substr(start, pos - start);
    }
}

namespace {
char* HeapAcquire(std::uint32_t size, std::uintptr_t* id) {
    char* block = new char[size];
    *id = reinterpret_cast<std::uintptr_t>(block);
    return block;
}
const char* HeapAddress(std::uintptr_t id) { return reinterpret_cast<const char*>(id); }
void HeapRelease(std::uintptr_t id) { delete[] reinterpret_cast<char*>(id); }
const CopyStore kHeapCopies = {HeapAcquire, HeapAddress, HeapRelease};
}  // namespace

const CopyStore& HeapCopies() { return kHeapCopies; }

void TokenWalk::Drop() {
    if (copy) store->release(copy);
    copy = 0;
    length = 0;
}

bool TokenWalk::Init(std::string_view text) {
    offset = 0;
    finished = false;
    // The previous copy goes first, so that a failed allocation leaves the
    // walk without a copy rather than over the old text.
    Drop();
    const auto size = static_cast<std::uint32_t>(text.size());
    std::uintptr_t id = 0;
    char* block = store->acquire(size + 1, &id);
    if (size) std::memcpy(block, text.data(), size);
    block[size] = '\0';
    copy = id;
    length = static_cast<std::int32_t>(size);
    return true;
}

std::string TokenWalk::Next(const SeparatorSet& separators) {
    if (offset < 0) offset = 0;
    const char* text = copy ? store->address(copy) : nullptr;
    const std::int32_t size = text ? length : 0;
    if (offset > size) {
        finished = true;
        return {};
    }
    std::int32_t i = offset;
    while (i < size && !separators.IsSeparator(text[i])) ++i;
    std::string token(text ? text + offset : "", static_cast<std::size_t>(i - offset));
    if (i < size) {
        offset = i + 1;
    } else {
        Drop();
        finished = true;
        offset = i;
    }
    return token;
}

std::int32_t StrNumTok(std::string_view text) { return CountTokens(text); }
std::int32_t StrTokPos(std::int32_t n, std::string_view text) { return TokenPosition(n, text); }
std::string_view StrNToken(std::int32_t n, std::string_view text) {
    const std::size_t start = TokenStart(text, n);
    return text.substr(start, TokenLength(text, start));
}

}  // namespace tarvo
