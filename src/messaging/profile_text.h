// Profile files (the Windows initialisation-file format) read and changed as
// text, as the Windows profile functions read them:
//
//   [section]          a section header: the name between "[" and the last "]"
//   key=value          a key; a line without "=" is a key without a value
//   ; comment          not a key
//
// Names are matched without regard to case (ASCII letters); blanks around
// names and values do not count; a value between matching quotes (' or ")
// is read without them; keys before the first header belong to a section
// with the empty name; of two sections with one name only the first counts.
// Lines end with CR LF or LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/ascii.h"

namespace tarvo {

// The key names of a section, in file order (none when it is missing).
std::vector<std::string> ProfileKeyNames(std::string_view text, std::string_view section);

// The value of a key; nothing when the section or the key is missing (a key
// without "=" has the empty value).
std::optional<std::string> ProfileString(std::string_view text, std::string_view section,
                                         std::string_view key);

// The text with a key set to a value, everything else left as it is: the
// key's line rewritten as "key=value", else a line added at the end of the
// section, else the section added at the end of the text. New lines end in
// CR LF.
std::string WriteProfileString(std::string_view text, std::string_view section,
                               std::string_view key, std::string_view value);

}  // namespace tarvo
