#include "files/tree.h"

#include "files/names.h"

namespace tarvo {

bool ListSubdirectories(const std::string& directory, std::int64_t capacity, std::string& list,
                        const DirectoryLister& lister) {
    bool full = false;
    const bool listed = lister(directory, [&](std::string_view name, bool isDirectory) {
        if (!isDirectory || name == "." || name == "..") return true;
        std::string path = JoinPath(directory, name);
        if (static_cast<std::int64_t>(list.size() + path.size() + 1) > capacity) {
            full = true;
            return false;
        }
        list.append(path);
        list.push_back(';');
        ListSubdirectories(path, capacity, list, lister);
        return true;
    });
    return listed && !full;
}

}  // namespace tarvo
