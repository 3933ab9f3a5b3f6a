// Upper case of the ASCII letters a to z, whatever the code page: names of
// functions, commands, variables, accounts and sections compare this way.
#pragma once

#include <string>
#include <string_view>

namespace tarvo {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string UpperAscii(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = UpperAscii(c);
    return s;
}

}  // namespace tarvo
