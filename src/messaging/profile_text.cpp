#include "messaging/profile_text.h"

namespace tarvo {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
    return s;
}


bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

enum class Kind { Empty, Section, Key, Comment };

// One line of the text: where it lies (without its line end) and what it is.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;   // before CR LF / LF
    std::size_t next = 0;  // where the next line begins
    Kind kind = Kind::Empty;
    std::string_view name;
    std::string_view value;
};

Line ReadLine(std::string_view text, std::size_t at) {
    Line l;
    l.begin = at;
    const std::size_t lf = text.find('\n', at);
    l.next = lf == std::string_view::npos ? text.size() : lf + 1;
    l.end = lf == std::string_view::npos ? text.size() : lf;
    if (l.end > at && text[l.end - 1] == '\r') --l.end;
    const std::string_view s = Trim(text.substr(at, l.end - at));
    if (s.empty()) return l;
    if (s.front() == '[') {
        const std::size_t close = s.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            l.kind = Kind::Section;
            l.name = Trim(s.substr(1, close - 1));
            return l;
        }
    }
    if (s.front() == ';') {
        l.kind = Kind::Comment;
        return l;
    }
    l.kind = Kind::Key;
    const std::size_t eq = s.find('=');
    l.name = Trim(s.substr(0, eq));
    if (eq != std::string_view::npos) l.value = Trim(s.substr(eq + 1));
    return l;
}

// Calls `each` with every line of the first section named `section`; the
// answer tells whether the section exists. `each` answers false to stop.
template <typename Each>
bool InSection(std::string_view text, std::string_view section, Each&& each) {
    section = Trim(section);
    bool inside = section.empty();  // keys before any header
    bool found = inside;
    for (std::size_t at = 0; at < text.size();) {
        const Line l = ReadLine(text, at);
        at = l.next;
        if (l.kind == Kind::Section) {
            if (inside) return true;
            inside = SameName(l.name, section);
            found = found || inside;
            continue;
        }
        if (inside && !each(l)) return true;
    }
    return found;
}

std::string Unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

}  // namespace

std::vector<std::string> ProfileKeyNames(std::string_view text, std::string_view section) {
    std::vector<std::string> names;
    InSection(text, section, [&](const Line& l) {
        if (l.kind == Kind::Key) names.emplace_back(l.name);
        return true;
    });
    return names;
}

std::optional<std::string> ProfileString(std::string_view text, std::string_view section,
                                         std::string_view key) {
    std::optional<std::string> value;
    key = Trim(key);
    InSection(text, section, [&](const Line& l) {
        if (l.kind == Kind::Key && SameName(l.name, key)) value = Unquoted(l.value);
        return !value;
    });
    return value;
}

std::string WriteProfileString(std::string_view text, std::string_view section,
                               std::string_view key, std::string_view value) {
    const std::string_view wanted = Trim(section);
    key = Trim(key);
    bool inside = wanted.empty();  // keys before any header
    bool found = inside;
    std::size_t insertAt = 0;      // behind the section's last line that is not empty
    for (std::size_t at = 0; at < text.size();) {
        const Line l = ReadLine(text, at);
        at = l.next;
        if (l.kind == Kind::Section) {
            if (inside) break;
            if (!found && SameName(l.name, wanted)) {
                inside = found = true;
                insertAt = l.next;
            }
            continue;
        }
        if (!inside) continue;
        if (l.kind == Kind::Key && SameName(l.name, key)) {
            const std::string entry = std::string(l.name) + "=" + std::string(value);
            return std::string(text).replace(l.begin, l.end - l.begin, entry);
        }
        if (l.kind != Kind::Empty) insertAt = l.next;
    }
    const std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
    std::string out(text);
    if (found) {
        // A last line without its line end gets one first.
        if (insertAt > 0 && text[insertAt - 1] != '\n') {
            out.insert(insertAt, "\r\n");
            insertAt += 2;
        }
        return out.insert(insertAt, entry);
    }
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    return out + "[" + std::string(wanted) + "]\r\n" + entry;
}


}  // namespace tarvo
