// Host file channels as the file handlers hold them.
#pragma once

#include <cstdint>

#include "host/services.h"

namespace tarvo {

// A channel a handler opened: closed (HostFileClose channel, 1) when it goes
// out of scope, on every way out, an abort included. -1 is no channel.
struct HeldChannel {
    std::int32_t number = -1;
    explicit HeldChannel(std::int32_t n) : number(n) {}
    ~HeldChannel() { Close(); }
    HeldChannel(const HeldChannel&) = delete;
    HeldChannel& operator=(const HeldChannel&) = delete;
    bool open() const { return number != -1; }
    // Answers whether the host closed it; an abort the host raises while
    // closing is not passed on (the channel is gone either way).
    bool Close() noexcept {
        if (number == -1) return true;
        const std::int32_t n = number;
        number = -1;
        try {
            return HostFileClose(n) == 0;
        } catch (...) {
            return false;
        }
    }
};

// The length of the file behind a channel, its position kept: remember the
// position, seek to the start and to the end, seek back, answer end - start.
std::int32_t ChannelLength(std::int32_t channel);

}  // namespace tarvo
