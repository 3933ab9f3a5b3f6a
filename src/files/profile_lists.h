// The lists of names the profile functions hand back as one text.
#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The list the Windows profile functions write (each name followed by a zero
// byte, the list ended by a second zero byte) as one text with the names
// joined by ";". A list without its closing zero runs to the end of the
// buffer.
std::string JoinNameList(std::string_view buffer);

// The section list of a profile file, built line by line: a header line
// adds its name and a "," behind it. A name that meets `limit` is cut
// there and the answer is false: the list is then complete as it stands,
// perhaps ending in the middle of a name or in a ",".
bool AddSectionOfLine(std::string_view line, std::string& list, std::size_t limit);
// The finished list: its last "," is dropped.
std::string FinishSectionList(std::string list);

}  // namespace tarvo
