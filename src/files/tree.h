// The list of every subdirectory below a directory (FIL_TREE).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// Calls `entry` for each entry of one directory, in the order the file
// system gives them, until `entry` answers false; answers false when the
// directory cannot be listed.
using EntryVisitor = std::function<bool(std::string_view name, bool isDirectory)>;
using DirectoryLister =
    std::function<bool(const std::string& directory, const EntryVisitor& entry)>;

// Appends JoinPath(directory, name) and ";" for every subdirectory, and
// recurses into each right after appending it. A path that would take the
// list past `capacity` characters stops the listing of its own directory
// only: the caller's loop goes on with its next entry. False when
// `directory` cannot be listed or its own listing stopped (what was added
// stays).
bool ListSubdirectories(const std::string& directory, std::int64_t capacity, std::string& list,
                        const DirectoryLister& lister);

}  // namespace tarvo
