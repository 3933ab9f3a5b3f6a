// The default printer entry ("device" in the "windows" section of the user
// profile: device name, driver and port separated by commas) split into its
// three parts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

struct DeviceEntry {
    std::string device, driver, port;
};

// Splits the entry as the C runtime's strtok does: the device name ends at
// the first of `deviceEnds`, the driver and the port at any of `partEnds`,
// and empty parts are skipped. Empty when any of the three is missing.
std::optional<DeviceEntry> SplitDeviceEntry(std::string_view entry, std::string_view deviceEnds,
                                            std::string_view partEnds);

// The driver's library file, "<driver>.drv"; empty when it does not fit in
// `limit` bytes with its terminating zero.
std::string DriverFile(const std::string& driver, std::size_t limit);

}  // namespace tarvo
