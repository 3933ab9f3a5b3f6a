// File handle I/O: the host's file channels, the C runtime's descriptors
// and streams, and one-shot opens through Windows.
#pragma once

#include <cstdint>
#include <string>

#include "host/args.h"
#include "host/params.h"

namespace tarvo {

// Through the host's channels (handle_io_handlers.cpp).
std::int32_t FilOpen(const char* name, std::int32_t mode);
bool FilClose(std::int32_t channel);
void FilRead(std::int32_t channel, Ref variable, std::int32_t count);
std::int32_t FilTell(std::int32_t channel);
std::int32_t FilLen(std::int32_t channel);
bool FilIsBof(std::int32_t channel);
bool FilIsEof(std::int32_t channel);

// Through the C runtime and Windows (handle_io_win.cpp).
bool FilCommit(std::int32_t descriptor);
std::int32_t FilFlushAll();
std::int32_t FilSetHan(std::int32_t count);
std::string FilReadByte(const char* name, NumInt position);
bool FilOpenFile(const char* name);

}  // namespace tarvo
