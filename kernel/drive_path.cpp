#include "kernel/drive_path.h"

namespace knl {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string RootPathOf(const char* drive) {
    if (!drive) return {};
    std::string s(drive);
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    if (s.size() == 1 && IsLetter(s[0])) return s + ":\\";
    if (s.size() == 2 && IsLetter(s[0]) && s[1] == ':') return s + "\\";
    if (s.size() == 3 && IsLetter(s[0]) && s[1] == ':' && s[2] == '/') return s.substr(0, 2) + "\\";
    return s;
}

}  // namespace knl
