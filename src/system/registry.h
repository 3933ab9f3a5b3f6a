// The registry functions behind the rows (registry_win.cpp). Windows'
// headers define RegCreateKey, RegDeleteKey, RegDeleteValue and
// RegQueryValue as macros; they are undefined here so that the functions of
// REG_CREATEKEY ... keep their names.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/args.h"

#undef RegCreateKey
#undef RegDeleteKey
#undef RegDeleteValue
#undef RegQueryValue

namespace tarvo {

std::int32_t RegCreateKey(const char* root, const char* path);
std::int32_t RegDeleteKey(const char* root, const char* path);
std::int32_t RegCreateValue(const char* root, const char* path, const char* name, AnyValue value);
std::variant<std::string, std::int32_t> RegQueryValue(const char* root, const char* path,
                                                      const char* name);
std::int32_t RegDeleteValue(const char* root, const char* path, const char* name);
std::string RegGetData(const char* root, const char* path, const char* name);
std::optional<std::string> RegSetData(const char* root, const char* path, std::string_view name,
                                      Unread<'?'> value);
std::int32_t RegGetLastError();

}  // namespace tarvo
