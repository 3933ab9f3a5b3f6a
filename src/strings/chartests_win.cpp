// The character tests that ask Windows: the character-type functions of the
// calling thread's locale and the locale comparison.
#include <windows.h>

#include "strings/chartests.h"

namespace tarvo {

bool LocaleAlpha(unsigned char c) { return IsCharAlphaA(static_cast<CHAR>(c)) != 0; }
bool LocaleAlphaNumeric(unsigned char c) { return IsCharAlphaNumericA(static_cast<CHAR>(c)) != 0; }
bool LocaleLower(unsigned char c) { return IsCharLowerA(static_cast<CHAR>(c)) != 0; }
bool LocaleUpper(unsigned char c) { return IsCharUpperA(static_cast<CHAR>(c)) != 0; }

std::int32_t StrCompareStrings(std::string_view a, std::string_view b, std::int32_t flags) {
    // Lengths beyond what CompareStringA takes are no texts it can compare.
    if (a.size() > 0x7FFFFFFFu || b.size() > 0x7FFFFFFFu) return 0;
    return CompareStringA(LOCALE_USER_DEFAULT, static_cast<DWORD>(flags), a.data(),
                          static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
}

}  // namespace tarvo
