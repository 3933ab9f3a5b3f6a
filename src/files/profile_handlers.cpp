// Profile files: the rows, and the section list that the library reads
// itself through the host's channels (FIL_READALLSECTIONS).
#include <algorithm>
#include <cstring>
#include <string>

#include "files/channel.h"
#include "files/profile.h"
#include "files/profile_lists.h"
#include "host/declare.h"

namespace tarvo {

// The host's line service reads one line at a time into a 513-byte area
// (512 characters and the zero). The channel is closed and the line buffer
// freed on every way out.
std::string FilReadAllSections(const char* file) {
    constexpr std::uint32_t kLineArea = 513;
    constexpr std::size_t kListLimit = 8191;
    HeldChannel channel(HostFileOpen(file, 0, 0));
    if (!channel.open()) return {};
    WorkBuffer line(kLineArea);
    std::memset(line.data, 0, kLineArea);
    std::string list;
    while (HostFileEof(channel.number) == 0) {
        const std::int32_t n = HostFileIo(channel.number, line.data, kLineArea - 1, kIoReadLine);
        if (n < 0) break;  // the host cannot read this channel
        if (!AddSectionOfLine(
                std::string_view(line.data, std::min<std::size_t>(n, kLineArea - 1)), list,
                kListLimit))
            return list;
    }
    return FinishSectionList(std::move(list));
}

namespace {
constexpr RowSpec kRows[] = {
#include "files/profile_rows.h"
};
}  // namespace

Family ProfileFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
