#include "runner/services/files.h"

#include <cstring>

#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {

Channels::~Channels() { CloseAll(); }

void Channels::CloseAll() {
    for (auto& [ch, f] : files_) std::fclose(f);
    files_.clear();
    access_.clear();
    next_ = 1;
}

std::int32_t Channels::Adopt(std::FILE* f, unsigned access) {
    std::int32_t ch = next_++;
    files_[ch] = f;
    access_[ch] = access;
    return ch;
}

std::FILE* Channels::Find(std::int32_t channel, unsigned* access) {
    std::FILE* f = Get(channel);
    auto it = access_.find(channel);
    *access = it == access_.end() ? kRead | kWrite : it->second;
    return f;
}

std::FILE* Channels::Get(std::int32_t channel) {
    auto it = files_.find(channel);
    return it == files_.end() ? nullptr : it->second;
}

std::int32_t Channels::Open(const std::string& name, std::int32_t mode, std::int32_t create) {
    const char* how = create == 1 ? "w+b" : mode == 2 ? "r+b" : "rb";
    std::FILE* f = std::fopen(name.c_str(), how);
    if (!f) return -1;
    std::int32_t ch = next_++;
    files_[ch] = f;
    return ch;
}

std::int32_t Channels::Close(std::int32_t channel) {
    std::FILE* f = Get(channel);
    if (!f) return -1;
    std::fclose(f);
    files_.erase(channel);
    access_.erase(channel);
    return 0;
}

std::int32_t Channels::Io(std::int32_t channel, char* buffer, std::int32_t count,
                          std::int32_t mode) {
    std::FILE* f = Get(channel);
    if (!f || (count < 0 && mode != 2)) return -1;
    std::fseek(f, 0, SEEK_CUR);  // switching between reading and writing
    switch (mode) {
    case 0: {
        if (count <= 0) return 0;
        std::int32_t n = 0;
        int c;
        while ((c = std::fgetc(f)) != EOF) {
            if (c == '\n') break;
            if (c == '\r') {
                int d = std::fgetc(f);
                if (d != '\n' && d != EOF) std::ungetc(d, f);
                break;
            }
            if (n < count - 1) buffer[n++] = static_cast<char>(c);
        }
        buffer[n] = '\0';
        return n;
    }
    case 1:
        return static_cast<std::int32_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), f));
    case 2: {
        std::size_t len = std::strlen(buffer);
        std::size_t n = std::fwrite(buffer, 1, len, f);
        std::fwrite("\r\n", 1, 2, f);
        std::fflush(f);
        return static_cast<std::int32_t>(n + 2);
    }
    case 3: {
        std::size_t n = std::fwrite(buffer, 1, static_cast<std::size_t>(count), f);
        std::fflush(f);
        return static_cast<std::int32_t>(n);
    }
    default:
        return -1;
    }
}

std::int32_t Channels::Seek(std::int32_t channel, std::int32_t position, std::int32_t origin) {
    std::FILE* f = Get(channel);
    if (!f) return -1;
    int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
    if (std::fseek(f, position, whence) != 0) return -1;
    return static_cast<std::int32_t>(std::ftell(f));
}

std::int32_t Channels::Eof(std::int32_t channel) {
    std::FILE* f = Get(channel);
    if (!f) return 1;
    long here = std::ftell(f);
    std::fseek(f, 0, SEEK_END);
    long end = std::ftell(f);
    std::fseek(f, here, SEEK_SET);
    return here >= end ? 1 : 0;
}

// The group's services: Open (31), Close (32), Io (33), Seek (34), Eof (37).
void ServeFiles(ServiceCall& call) {
    Channels& ch = call.host.channels;
    switch (call.code()) {
    case kSvcHostFileOpen: {
        const std::string& failOpen = call.host.faults.failOpen;
        if (!failOpen.empty() && call.text.find(failOpen) != std::string::npos) return call.Answer(-1);
        return call.Answer(ch.Open(call.text, call.arg(2), call.arg(3)));
    }
    case kSvcHostFileClose:
        return call.Answer(ch.Close(call.arg(1)));
    case kSvcHostFileIo: {
        std::int32_t count = call.arg(3);
        const int limit = call.host.faults.readLimit;
        if (call.arg(4) == 1 && limit > 0 && count > limit) count = limit;
        return call.Answer(ch.Io(call.arg(1), call.at<char>(2), count, call.arg(4)));
    }
    case kSvcHostFileSeek:
        return call.Answer(ch.Seek(call.arg(1), call.arg(2), call.arg(3)));
    default:  // kSvcHostFileEof
        return call.Answer(ch.Eof(call.arg(1)));
    }
}

void CloseFiles(Host& host) { host.channels.CloseAll(); }

}  // namespace tarvo::run
