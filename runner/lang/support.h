// Small helpers the interpreter's files share.
#pragma once

#include <string>

namespace tarvo::run::lang {

std::string Lower(std::string s);
bool FileExists(const std::string& path);
std::string FullPath(const std::string& path);
bool IsAbsolute(const std::string& path);
// The file name without folder and extension, in upper case.
std::string Stem(const std::string& path);
bool HasExtension(const std::string& path);
bool ReadWholeFile(const std::string& path, std::string* out);

}  // namespace tarvo::run::lang
