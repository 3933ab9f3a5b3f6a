#include "system/processes.h"

namespace tarvo {

std::string JoinItems(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) text += '^';
        text += items[i];
    }
    return text;
}

std::string CutTaskList(std::string_view titles) {
    constexpr std::size_t kLastOffset = 1023;
    const std::size_t cut = titles.substr(0, kLastOffset + 1).rfind('^');
    return std::string(cut == std::string_view::npos ? titles : titles.substr(0, cut));
}

std::string ProcessName(const ProcessRecord& p) {
    return !p.is32Bit && p.neName ? *p.neName : p.moduleName;
}

std::string ProcessList(const std::vector<ProcessRecord>& processes, std::int32_t filter) {
    std::vector<std::string> items;
    for (const ProcessRecord& p : processes) {
        const std::int32_t kind = p.is32Bit ? 32 : 16;
        if (filter == 0)
            items.push_back(ProcessName(p) + (p.is32Bit ? "(32-bit)" : "(16-bit)"));
        else if (filter == kind)
            items.push_back(ProcessName(p));
    }
    return JoinItems(items);
}

std::string ProcessIdList(const std::vector<ProcessRecord>& processes) {
    std::vector<std::string> items;
    for (const ProcessRecord& p : processes) items.push_back(std::to_string(p.id));
    return JoinItems(items);
}

namespace {

std::optional<std::uint32_t> Read(std::string_view file, std::uint64_t at, int bytes) {
    if (at + bytes > file.size()) return std::nullopt;
    std::uint32_t n = 0;
    for (int i = 0; i < bytes; ++i)
        n |= static_cast<std::uint32_t>(static_cast<unsigned char>(file[at + i])) << (8 * i);
    return n;
}

}  // namespace

std::optional<std::string> NeModuleName(std::string_view file) {
    if (file.substr(0, 2) != "MZ") return std::nullopt;
    const auto ne = Read(file, 0x3C, 4);
    if (!ne || std::uint64_t{*ne} + 2 > file.size() || file.substr(*ne, 2) != "NE") return std::nullopt;
    const auto table = Read(file, std::uint64_t{*ne} + 0x26, 2);
    if (!table) return std::nullopt;
    const std::uint64_t at = std::uint64_t{*ne} + *table;
    const auto length = Read(file, at, 1);
    if (!length || at + 1 + *length > file.size()) return std::nullopt;
    const std::string_view name = file.substr(at + 1, *length);
    return std::string(name.substr(0, name.find('\0')));
}

}  // namespace tarvo
