#include "files/copying.h"

namespace tarvo {

std::int32_t BlockCount(std::int64_t length) {
    return static_cast<std::int32_t>((length < 0 ? 0 : length) / kCopyBlock + 1);
}

std::int32_t ProgressPercent(std::int64_t step, std::int32_t blocks) {
    return blocks <= 0 ? 100 : static_cast<std::int32_t>(step * 100 / blocks);
}

std::string ProgressCommand(std::string_view name, std::int32_t percent) {
    std::string command;
    command.reserve(name.size() + 16);
    command.append(name);
    command.push_back('(');
    command.append(std::to_string(percent));
    command.push_back(')');
    return command;
}

std::int32_t SliceCount(std::int64_t length, std::int64_t size) {
    if (size <= 0 || length <= 0) return 0;
    return static_cast<std::int32_t>(length / size + (length % size != 0 ? 1 : 0));
}

}  // namespace tarvo
