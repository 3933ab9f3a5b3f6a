// Names of files as texts: the parts the C runtime's _splitpath cuts, the
// last component of a path, the names of slices and the places a file name
// is searched for. No length limit anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The four parts of a path, as _splitpath cuts them, each a piece of the
// path: the drive (a character and ":" when the second character is ":"),
// the directory (from just after the drive to the last "\" or "/", both
// included), the file name (up to its last ".") and the extension (from the
// last "." on, the period included). Parts that are missing are empty.
struct PathParts {
    std::string_view drive;
    std::string_view directory;
    std::string_view name;
    std::string_view extension;
};
PathParts SplitPath(std::string_view path);

// Part 1 the drive, 2 the directory, 3 the file name, any other number the
// extension (FIL_SPLIT).
std::string_view PathPart(std::string_view path, std::int32_t part);

// The last component of a path, extension included (FIL_FNAME): trailing
// white space (blank, tab, line feed, vertical tab, form feed, carriage
// return) is dropped, then what follows the last "\" is kept, and of that
// what follows the last ":". Forward slashes are not separators.
std::string_view LastComponent(std::string_view path);

// "OUTPUT." followed by the slice number in decimal.
std::string SliceName(std::int32_t number);

// The directory path `directory` + "\" + `name`, as the tree walk joins them
// (a directory already ending in "\" gets a second one).
std::string JoinPath(std::string_view directory, std::string_view name);

// Where FIL_WHERE looks for `file` after the current directory: each
// directory of the list `directories` (separated by ";", empty entries
// skipped) with a "\" added unless it ends in "\" or "/", then the file name.
std::vector<std::string> SearchCandidates(std::string_view file, std::string_view directories);

}  // namespace tarvo
