// File and directory operations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Through the host's channels (operations_handlers.cpp).
std::int32_t FilCopy(const char* source, const char* target, Opt<const char*> command,
                     Opt<Unread<'L'>> systemCopy);
std::int32_t FilCopyTimes(const char* file);
std::int32_t FilSlices(const char* file, std::int32_t size);

// Through the C runtime and Windows (operations_win.cpp).
bool FilImmediateCopy(const char* source, const char* target, bool failIfExists);
void FilExpand(const char* source, const char* target);
bool FilDel(const char* file);
bool FilRename(const char* from, const char* to);
bool FilMkDir(const char* directory);
bool FilRmDir(const char* directory);
bool FilCd(const char* directory);
std::string FilFirst(const char* pattern);
std::string FilNext();
std::string FilTree(const char* directory, std::int32_t capacity);
std::string FilWatermark(const char* file, std::string_view mark);
bool FilSetCompression(const char* name, bool on);

// Whether a file exists (the C runtime's _access, mode 0).
bool FileExists(const char* name);
// Whether two names open one and the same existing file.
bool SameFile(const char* a, const char* b);
// Closes the search of FIL_FIRST and FIL_NEXT, if one is open (at unload).
void CloseDirectorySearch();

}  // namespace tarvo
