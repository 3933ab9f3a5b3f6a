// Names of files as texts, of any length: the parts the C runtime's
// _splitpath cuts, the last component of a path, the names of slices and the
// places a file name is searched for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The four parts of a path as _splitpath cuts them (FIL_SPLIT), each a
// piece of the path; missing parts are empty.
struct PathParts {
    std::string_view drive;
    std::string_view directory;
    std::string_view name;
    std::string_view extension;
};
PathParts SplitPath(std::string_view path);

// Part 1, 2, 3 or any other number: drive, directory, name, extension.
std::string_view PathPart(std::string_view path, std::int32_t part);

// FIL_FNAME: trailing white space is dropped first, then the text is cut
// behind the last "\" and then behind the last ":".
std::string_view LastComponent(std::string_view path);

// "OUTPUT." followed by the slice number in decimal.
std::string SliceName(std::int32_t number);

// The directory path `directory` + "\" + `name`, as the tree walk joins them
// (a directory already ending in "\" gets a second one).
std::string JoinPath(std::string_view directory, std::string_view name);

// The paths FIL_WHERE tries after the current directory, in the list's
// order.
std::vector<std::string> SearchCandidates(std::string_view file, std::string_view directories);

}  // namespace tarvo
