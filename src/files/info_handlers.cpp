// File information: the rows, the size through the host's channels, and the
// parts of a name (pieces of the path parameter itself).
#include "files/channel.h"
#include "files/info.h"
#include "files/names.h"
#include "host/declare.h"

namespace tarvo {

std::int32_t FilSize(const char* file) {
    HeldChannel channel(HostFileOpen(file, 0, 0));
    return channel.open() ? ChannelLength(channel.number) : -1;
}

std::string_view FilSplit(const char* path, std::int32_t part) { return PathPart(path, part); }
std::string_view FilDrive(const char* path) { return SplitPath(path).drive; }
std::string_view FilPath(const char* path) { return SplitPath(path).directory; }
std::string_view FilName(const char* path) { return SplitPath(path).name; }
std::string_view FilExt(const char* path) { return SplitPath(path).extension; }
std::string_view FilFName(const char* path) { return LastComponent(path); }

namespace {
constexpr RowSpec kRows[] = {
#include "files/info_rows.h"
};
}  // namespace

Family FileInfoFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
