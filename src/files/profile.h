// Profile (initialisation) files: a private file named by the caller, or
// the system's own file (WIN.INI) reached through the Windows profile
// functions without a file name.
#pragma once

#include <string>

namespace tarvo {

// Through the Windows profile functions (profile_win.cpp).
bool FilWriIni(const char* section, const char* key, const char* value, const char* file);
std::string FilReaIni(const char* section, const char* key, const char* file);
bool FilWWriIn(const char* section, const char* key, const char* value);
std::string FilWReaIn(const char* section, const char* key);
std::string FilReadWinIniAllSections();
std::string FilWSecti(const char* section);
std::string FilSectio(const char* section, const char* file);

// The library's own scan through the host's channels (profile_handlers.cpp).
std::string FilReadAllSections(const char* file);

}  // namespace tarvo
