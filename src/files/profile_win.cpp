// Profile files through the Windows profile functions. A file name without
// a path is resolved by Windows (into the Windows folder). Every read passes
// the empty text as the default.
//
// Values and lists are read into areas of fixed sizes (kValueArea ...);
// Windows cuts what does not fit and ends a cut list with its closing
// zeros.
//
// Texts longer than the profile functions take are refused before Windows
// sees them (Fit): Wine overruns its own buffers on them.
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "files/profile.h"
#include "files/profile_lists.h"

namespace tarvo {
namespace {

constexpr DWORD kValueArea = 1024;
constexpr DWORD kWinValueArea = 133;
constexpr DWORD kListArea = 2048;

// Whether a file name and the other texts fit the Windows profile functions.
bool Fit(const char* file, std::initializer_list<const char*> texts) {
    constexpr std::size_t kLongest = 32766;
    if (file && std::strlen(file) >= MAX_PATH) return false;
    for (const char* t : texts)
        if (std::strlen(t) > kLongest) return false;
    return true;
}

// A value read into an area of `size` bytes.
template <typename Read>
std::string Value(DWORD size, Read read) {
    std::string area(size, '\0');
    const DWORD n = read(area.data(), size);
    area.resize(n < size ? n : size - 1);
    return area;
}

// A list of names (each ended by a zero byte, the list by a second one)
// read into the list area and joined by ";"; the empty text when Windows
// answers 0 (no such section or file).
template <typename Read>
std::string NameList(Read read) {
    std::string area(kListArea, '\0');
    if (read(area.data(), kListArea) == 0) return {};
    return JoinNameList(area);
}

}  // namespace

bool FilWriIni(const char* section, const char* key, const char* value, const char* file) {
    if (!Fit(file, {section, key, value})) return false;
    return WritePrivateProfileStringA(section, key, value, file) != 0;
}

std::string FilReaIni(const char* section, const char* key, const char* file) {
    if (!Fit(file, {section, key})) return {};
    return Value(kValueArea, [&](char* area, DWORD size) {
        return GetPrivateProfileStringA(section, key, "", area, size, file);
    });
}

bool FilWWriIn(const char* section, const char* key, const char* value) {
    if (!Fit(nullptr, {section, key, value})) return false;
    return WriteProfileStringA(section, key, value) != 0;
}

std::string FilWReaIn(const char* section, const char* key) {
    if (!Fit(nullptr, {section, key})) return {};
    return Value(kWinValueArea, [&](char* area, DWORD size) {
        return GetProfileStringA(section, key, "", area, size);
    });
}

std::string FilReadWinIniAllSections() {
    return NameList(
        [](char* area, DWORD size) { return GetProfileStringA(nullptr, nullptr, "", area, size); });
}

std::string FilWSecti(const char* section) {
    if (!Fit(nullptr, {section})) return {};
    return NameList([&](char* area, DWORD size) {
        return GetProfileStringA(section, nullptr, "", area, size);
    });
}

std::string FilSectio(const char* section, const char* file) {
    if (!Fit(file, {section})) return {};
    return NameList([&](char* area, DWORD size) {
        return GetPrivateProfileStringA(section, nullptr, "", area, size, file);
    });
}

}  // namespace tarvo
