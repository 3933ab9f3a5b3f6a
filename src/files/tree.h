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

// Appends the full path of every subdirectory below `directory` (directory
// + "\" + name, "." and ".." left out), each followed by ";", depth first,
// each directory before its own subdirectories. A path that would make the
// list longer than `capacity` characters (its ";" counted) ends the listing
// of the directory it is in; the walk goes on with the parent's next
// entries. Answers false when `directory` cannot be listed or its own
// listing ran out of capacity (entries already added stay).
bool ListSubdirectories(const std::string& directory, std::int64_t capacity, std::string& list,
                        const DirectoryLister& lister);

}  // namespace tarvo
