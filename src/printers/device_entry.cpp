#include "printers/device_entry.h"

namespace tarvo {
namespace {

// The next token after `at`, as strtok finds it; empty at the end.
std::string NextToken(std::string_view text, std::size_t& at, std::string_view ends) {
    const std::size_t start = text.find_first_not_of(ends, at);
    if (start == std::string_view::npos) {
        at = text.size();
        return {};
    }
    std::size_t stop = text.find_first_of(ends, start);
    if (stop == std::string_view::npos) stop = text.size();
    at = stop < text.size() ? stop + 1 : stop;
    return std::string(text.substr(start, stop - start));
}

}  // namespace

std::optional<DeviceEntry> SplitDeviceEntry(std::string_view entry, std::string_view deviceEnds,
                                            std::string_view partEnds) {
    std::size_t at = 0;
    DeviceEntry e;
    e.device = NextToken(entry, at, deviceEnds);
    e.driver = NextToken(entry, at, partEnds);
    e.port = NextToken(entry, at, partEnds);
    if (e.device.empty() || e.driver.empty() || e.port.empty()) return std::nullopt;
    return e;
}

std::string DriverFile(const std::string& driver, std::size_t limit) {
    std::string file = driver + ".drv";
    return file.size() < limit ? file : std::string();
}

}  // namespace tarvo
