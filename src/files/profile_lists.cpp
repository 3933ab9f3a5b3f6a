#include "files/profile_lists.h"

namespace tarvo {

std::string JoinNameList(std::string_view buffer) {
    std::string text;
    text.reserve(buffer.size());
    char previous = 1;
    for (const char c : buffer) {
        if (c == '\0' && previous == '\0') {
            text.pop_back();  // the ";" that ended the last name
            return text;
        }
        text.push_back(c == '\0' ? ';' : c);
        previous = c;
    }
    return text;
}

bool AddSectionOfLine(std::string_view line, std::string& list, std::size_t limit) {
    std::size_t p = 0;
    while (p < line.size() && line[p] == ' ') ++p;
    if (p >= line.size() || line[p] != '[') return true;
    for (++p; list.size() < limit && p < line.size() && line[p] != ']'; ++p) list.push_back(line[p]);
    if (list.size() >= limit) return false;
    list.push_back(',');
    return true;
}

std::string FinishSectionList(std::string list) {
    if (!list.empty() && list.back() == ',') list.pop_back();
    return list;
}

}  // namespace tarvo
