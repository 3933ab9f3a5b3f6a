#include "files/channel.h"

namespace tarvo {

std::int32_t ChannelLength(std::int32_t channel) {
    const std::int32_t here = HostFileSeek(channel, 0, 1);
    const std::int32_t start = HostFileSeek(channel, 0, 0);
    const std::int32_t end = HostFileSeek(channel, 0, 2);
    HostFileSeek(channel, here, 0);
    return end - start;
}

}  // namespace tarvo
