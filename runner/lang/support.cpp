// Small helpers the interpreter's files share.
#include "runner/lang/support.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "runner/lang/lexer.h"

namespace tarvo::run::lang {

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

namespace {

// Each byte's case and class under the ANSI code page, from Windows once.
struct CaseTables {
    unsigned char upper[256];
    unsigned char lower[256];
    unsigned char kind[256];  // bits: 1 letter, 2 upper case, 4 lower case
};

const CaseTables& Cases() {
    static const CaseTables tables = [] {
        CaseTables t{};
        for (int i = 0; i < 256; ++i) {
            char c[2] = {static_cast<char>(i), 0};
            t.upper[i] = t.lower[i] = static_cast<unsigned char>(i);
            if (i == 0) continue;
            CharUpperBuffA(c, 1);
            t.upper[i] = static_cast<unsigned char>(c[0]);
            c[0] = static_cast<char>(i);
            CharLowerBuffA(c, 1);
            t.lower[i] = static_cast<unsigned char>(c[0]);
            t.kind[i] = static_cast<unsigned char>((IsCharAlphaA(static_cast<char>(i)) ? 1 : 0) |
                                                   (IsCharUpperA(static_cast<char>(i)) ? 2 : 0) |
                                                   (IsCharLowerA(static_cast<char>(i)) ? 4 : 0));
        }
        return t;
    }();
    return tables;
}

}  // namespace

std::string AnsiUpper(std::string s) {
    const CaseTables& t = Cases();
    for (char& c : s) c = static_cast<char>(t.upper[static_cast<unsigned char>(c)]);
    return s;
}

std::string AnsiLower(std::string s) {
    const CaseTables& t = Cases();
    for (char& c : s) c = static_cast<char>(t.lower[static_cast<unsigned char>(c)]);
    return s;
}

bool AnsiLetter(unsigned char c) { return Cases().kind[c] & 1; }
bool AnsiUpperCase(unsigned char c) { return Cases().kind[c] & 2; }
bool AnsiLowerCase(unsigned char c) { return Cases().kind[c] & 4; }

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
    char buf[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
    return n && n < sizeof buf ? std::string(buf, n) : path;
}

bool IsAbsolute(const std::string& p) {
    return (p.size() > 1 && p[1] == ':') || (!p.empty() && (p[0] == '\\' || p[0] == '/'));
}

// The file name without folder and extension, in upper case.
std::string Stem(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return UpperAscii(name);
}

bool HasExtension(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    std::size_t dot = path.find_last_of('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

bool Like(const std::string& p, const std::string& s) {
    std::size_t i = 0, j = 0, star = std::string::npos, mark = 0;
    while (j < s.size()) {
        if (i < p.size() && (p[i] == '?' || p[i] == s[j])) {
            ++i;
            ++j;
        } else if (i < p.size() && p[i] == '*') {
            star = i++;
            mark = j;
        } else if (star != std::string::npos) {
            i = star + 1;
            j = ++mark;
        } else {
            return false;
        }
    }
    while (i < p.size() && p[i] == '*') ++i;
    return i == p.size();
}

bool ReadWholeFile(const std::string& path, std::string* out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::ostringstream ss;
    ss << f.rdbuf();
    *out = ss.str();
    return true;
}

}  // namespace tarvo::run::lang
