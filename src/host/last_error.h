// The last-error text that several families keep and hand out through a
// function of their own (NOT_LASTERROR, MSG_LASTERROR, ...): set by the
// family's functions, read by the caller, never truncated.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

namespace tarvo {

struct LastError {
    std::string text;

    void Clear() { text.clear(); }
    void Set(std::string value) { text = std::move(value); }
    // printf-style; the text grows to whatever the arguments need.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list args;
        va_start(args, format);
        va_list again;
        va_copy(again, args);
        const int n = std::vsnprintf(nullptr, 0, format, args);
        va_end(args);
        text.assign(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
        if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
        va_end(again);
    }
    const char* c_str() const { return text.c_str(); }
};

}  // namespace tarvo
