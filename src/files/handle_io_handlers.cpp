// File handle I/O through the host's channels. The channel is the host's
// own number: every handler passes it to the host as it came and returns
// the host's answers as they come.
#include "files/handle_io.h"

#include <algorithm>

#include "files/channel.h"
#include "host/declare.h"

namespace tarvo {

std::int32_t FilOpen(const char* name, std::int32_t mode) { return HostFileOpen(name, mode, 0); }

bool FilClose(std::int32_t channel) { return HostFileClose(channel) == 0; }

// The host reads straight into the handle of the variable's loaded text,
// locked for the read and unlocked on every way out; the answer is sent
// before the value is stored back.
void FilRead(std::int32_t channel, Ref variable, std::int32_t count) {
    LoadedVariable loaded(variable);
    const ValueRecord& value = loaded.value;
    if (value.type != 'C') RaiseError(kErrNotCharacter9);
    const std::int32_t wanted = std::clamp(count, 0, std::max(value.length, 0));
    LockHandle(value.handle);
    std::int32_t read;
    try {
        read = HostFileIo(channel, HandleToPointer(value.handle), wanted, kIoReadBlock);
    } catch (...) {
        UnlockHandle(value.handle);
        throw;
    }
    UnlockHandle(value.handle);
    ReturnInteger(read);
    variable.Store(value);
}

std::int32_t FilTell(std::int32_t channel) { return HostFileSeek(channel, 0, 1); }

std::int32_t FilLen(std::int32_t channel) { return ChannelLength(channel); }

namespace {
// Whether the channel stands where seeking 0 from `origin` leads; the
// position is kept.
bool StandsAt(std::int32_t channel, std::int32_t origin) {
    const std::int32_t here = HostFileSeek(channel, 0, 1);
    const std::int32_t there = HostFileSeek(channel, 0, origin);
    HostFileSeek(channel, here, 0);
    return here == there;
}
}  // namespace

bool FilIsBof(std::int32_t channel) { return StandsAt(channel, 0); }
bool FilIsEof(std::int32_t channel) { return StandsAt(channel, 2); }

namespace {
constexpr RowSpec kRows[] = {
#include "files/handle_io_rows.h"
};
}  // namespace

Family FileIoFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
