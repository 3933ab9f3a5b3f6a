// Profile files: the rows, and the section list that the library reads
// itself through the host's channels (FIL_READALLSECTIONS).
//
// The list holds 8191 characters at most (the area of 8192 bytes the host
// programs of this library have always been given): a longer list is cut
// there, perhaps in the middle of a name. Lines are read 512 characters at
// most, as the host's line service gives them.
#include <algorithm>
#include <cstring>
#include <string>

#include "files/channel.h"
#include "files/profile.h"
#include "files/profile_lists.h"
#include "host/declare.h"

namespace tarvo {

// FIL_READALLSECTIONS(file): the section names of a profile file joined by
// ",", from the headers the file holds line by line; the empty text when
// the file cannot be opened. The channel is closed and the line buffer
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
