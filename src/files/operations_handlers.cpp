// File operations through the host's channels: FIL_COPY, FIL_COPYTIMES and
// FIL_SLICES, and the rows of all file and directory operations.
//
// Data moves in blocks of kMoveBlock bytes whatever the progress unit is
// (4096 bytes): fewer, larger transfers through the host. Every transfer is
// checked, both the bytes read against the length and the bytes the target
// took against the bytes given. Channels are closed and buffers freed on
// every way out, an abort of the host included.
#include <algorithm>

#include "files/channel.h"
#include "files/copying.h"
#include "files/names.h"
#include "files/operations.h"
#include "host/declare.h"

namespace tarvo {
namespace {

constexpr std::int32_t kMoveBlock = 1024 << 10;

}  // namespace

// The progress commands of the 4096-byte blocks a transfer holds run, in
// order, once the transfer is written. The target is compared with the
// source before it is created: creating it would empty a source that is
// the same file.
std::int32_t FilCopy(const char* source, const char* target, Opt<const char*> command,
                     Opt<Unread<'L'>> systemCopy) {
    if (!FileExists(source)) return -3;
    if (systemCopy.present) return FilImmediateCopy(source, target, true) ? 1 : 0;
    HeldChannel in(HostFileOpen(source, 0, 0));
    if (!in.open()) return -2;
    if (SameFile(source, target)) return -1;
    HeldChannel out(HostFileOpen(target, 0, 1));
    if (!out.open()) return -1;
    const std::int64_t length = ChannelLength(in.number);
    CopyProgress progress{BlockCount(length)};
    auto reportUpTo = [&](std::int64_t step) {
        if (!command.present) return;
        progress.DoneUpTo(step, [&](std::int32_t percent) {
            ExecuteCommand(ProgressCommand(command.value, percent).c_str());
        });
    };
    reportUpTo(1);
    WorkBuffer buffer(kMoveBlock);
    std::int64_t moved = 0;
    for (;;) {
        const std::int32_t n = HostFileIo(in.number, buffer.data, kMoveBlock, kIoReadBlock);
        if (n < 0) return -2;
        if (n > 0 && HostFileIo(out.number, buffer.data, n, kIoWriteBlock) != n) return -1;
        moved += n;
        reportUpTo(moved / kCopyBlock + 1);
        if (n == 0 || moved >= length) break;  // a host may answer a read in parts
    }
    return moved < length ? -2 : 0;
}

std::int32_t FilCopyTimes(const char* file) {
    if (!FileExists(file)) return -3;
    HeldChannel in(HostFileOpen(file, 0, 0));
    if (!in.open()) return -2;
    return BlockCount(ChannelLength(in.number));
}

// Each slice is moved in transfers of at most kMoveBlock bytes.
std::int32_t FilSlices(const char* file, std::int32_t size) {
    if (!FileExists(file)) return -3;
    HeldChannel in(HostFileOpen(file, 0, 0));
    if (!in.open()) return -2;
    const std::int32_t length = ChannelLength(in.number);
    if (size <= 0 || size >= length) return -1;
    const std::int32_t count = SliceCount(length, size);
    const std::int32_t block = std::min(size, kMoveBlock);
    WorkBuffer buffer(static_cast<std::uint32_t>(block));
    for (std::int32_t i = 1; i <= count; ++i) {
        HeldChannel out(HostFileOpen(SliceName(i).c_str(), 0, 1));
        if (!out.open()) return -count;
        for (std::int32_t left = size; left > 0;) {
            const std::int32_t want = std::min(left, block);
            const std::int32_t n = HostFileIo(in.number, buffer.data, want, kIoReadBlock);
            if (n < 0) return -count;
            if (n > 0 && HostFileIo(out.number, buffer.data, n, kIoWriteBlock) != n) return -count;
            left -= n;
            if (n == 0) break;  // the end of the file; a host may answer a read in parts
        }
    }
    return count;
}

namespace {
constexpr RowSpec kRows[] = {
#include "files/operations_rows.h"
};
}  // namespace

Family FileOperationFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
