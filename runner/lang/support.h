// Small helpers the interpreter's files share.
#pragma once

#include <string>

namespace tarvo::run::lang {

std::string Lower(std::string s);
// Letters and case by the ANSI code page, as the host's UPPER(), LOWER(),
// ISALPHA() and the like see them ("é" is a lower-case letter of "É").
std::string AnsiUpper(std::string s);
std::string AnsiLower(std::string s);
bool AnsiLetter(unsigned char c);
bool AnsiUpperCase(unsigned char c);
bool AnsiLowerCase(unsigned char c);
bool FileExists(const std::string& path);
std::string FullPath(const std::string& path);
bool IsAbsolute(const std::string& path);
// The file name without folder and extension, in upper case.
std::string Stem(const std::string& path);
bool HasExtension(const std::string& path);
bool ReadWholeFile(const std::string& path, std::string* out);
// Whether `s` matches `pattern`, where * stands for any run of characters
// and ? for any one, case counting (LIKE, and the names of DISPLAY MEMORY).
bool Like(const std::string& pattern, const std::string& s);

}  // namespace tarvo::run::lang
