// Host file channels as the file handlers hold them.
#pragma once

#include <cstdint>
#include <exception>

#include "host/services.h"

namespace tarvo {

// A channel a handler opened: closed (HostFileClose channel, 1) when it goes
// out of scope, on every way out. An abort the host raises while closing
// ends the request like any other, unless the handler is already being left
// by an abort (the channel is gone either way). -1 is no channel.
struct HeldChannel {
    std::int32_t number = -1;
    explicit HeldChannel(std::int32_t n) : number(n) {}
    ~HeldChannel() noexcept(false) {
        if (number == -1) return;
        const std::int32_t n = number;
        number = -1;
        try {
            HostFileClose(n);
        } catch (...) {
            if (std::uncaught_exceptions() == unwinding_) throw;
        }
    }
    HeldChannel(const HeldChannel&) = delete;
    HeldChannel& operator=(const HeldChannel&) = delete;
    bool open() const { return number != -1; }

private:
    int unwinding_ = std::uncaught_exceptions();
};

// The length of the file behind a channel, its position kept: remember the
// position, seek to the start and to the end, seek back, answer end - start.
std::int32_t ChannelLength(std::int32_t channel);

}  // namespace tarvo
