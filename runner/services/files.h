// The file-channel group: numbered open files that the library reads and
// writes through the file services (open, close, I/O, seek, end of file).
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

namespace tarvo::run {

struct Channels {
    ~Channels();
    // mode 0 read, 2 read and write (anything else: read); create 1 creates or
    // truncates the file and opens it for reading and writing whatever the
    // mode. Answers the channel (> 0) or -1.
    std::int32_t Open(const std::string& name, std::int32_t mode, std::int32_t create);
    // 0 on success, -1 for an unknown channel.
    std::int32_t Close(std::int32_t channel);
    // mode 0: one line into a buffer of `count` bytes, without its line end,
    //         zero-terminated; answers the characters stored.
    // mode 1: a block of `count` bytes; mode 2: the zero-terminated text and a
    // line end (CR LF); mode 3: a block. Answers the bytes transferred, -1
    // for an unknown channel.
    std::int32_t Io(std::int32_t channel, char* buffer, std::int32_t count, std::int32_t mode);
    // origin 0 start, 1 current, 2 end; answers the new position or -1.
    std::int32_t Seek(std::int32_t channel, std::int32_t position, std::int32_t origin);
    // Non-zero at the end of the file (also right after the last line).
    std::int32_t Eof(std::int32_t channel);
    // Closes every channel; numbering starts again at 1, so a library loaded
    // again after the unload sees the channels of a fresh host.
    void CloseAll();
    bool IsOpen(std::int32_t channel) const { return files_.count(channel) != 0; }
    int open() const { return static_cast<int>(files_.size()); }

    // The host language's low-level file functions (FOPEN, FCREATE ...)
    // share the channels: a file they opened, with what it may do.
    enum : unsigned { kRead = 1, kWrite = 2 };
    std::int32_t Adopt(std::FILE* f, unsigned access);
    // The file of a channel and what it may do (null for an unknown channel;
    // a channel the library opened may do both).
    std::FILE* Find(std::int32_t channel, unsigned* access);

private:
    std::FILE* Get(std::int32_t channel);
    std::map<std::int32_t, std::FILE*> files_;
    std::map<std::int32_t, unsigned> access_;  // the channels Adopt made
    std::int32_t next_ = 1;
};

}  // namespace tarvo::run
