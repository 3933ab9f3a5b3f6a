#include "files/names.h"

namespace tarvo {

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    const std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string_view::npos) {
        parts.directory = path.substr(0, slash + 1);
        path.remove_prefix(slash + 1);
    }
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        parts.name = path;
    } else {
        parts.name = path.substr(0, dot);
        parts.extension = path.substr(dot);
    }
    return parts;
}

std::string_view PathPart(std::string_view path, std::int32_t part) {
    const PathParts parts = SplitPath(path);
    switch (part) {
        case 1:
            return parts.drive;
        case 2:
            return parts.directory;
        case 3:
            return parts.name;
        default:
            return parts.extension;
    }
}

std::string_view LastComponent(std::string_view path) {
    while (!path.empty()) {
        const char c = path.back();
        if (c != ' ' && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r') break;
        path.remove_suffix(1);
    }
    if (const std::size_t slash = path.rfind('\\'); slash != std::string_view::npos)
        path.remove_prefix(slash + 1);
    if (const std::size_t colon = path.rfind(':'); colon != std::string_view::npos)
        path.remove_prefix(colon + 1);
    return path;
}

std::string SliceName(std::int32_t number) { return "OUTPUT." + std::to_string(number); }

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path.append(directory);
    path.push_back('\\');
    path.append(name);
    return path;
}

std::vector<std::string> SearchCandidates(std::string_view file, std::string_view directories) {
    std::vector<std::string> candidates;
    while (!directories.empty()) {
        const std::size_t semicolon = directories.find(';');
        const std::string_view dir = directories.substr(0, semicolon);
        directories.remove_prefix(semicolon == std::string_view::npos ? directories.size()
                                                                      : semicolon + 1);
        if (dir.empty()) continue;
        std::string path(dir);
        if (path.back() != '\\' && path.back() != '/') path.push_back('\\');
        path.append(file);
        candidates.push_back(std::move(path));
    }
    return candidates;
}

}  // namespace tarvo
