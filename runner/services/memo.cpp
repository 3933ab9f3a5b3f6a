// The memo files (FPT) and the memo group's services.
#include "runner/services/memo.h"

#include <cstring>
#include <vector>

#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

constexpr std::uint32_t kHeaderSize = 512;
constexpr std::uint32_t kMemoHeader = 8;  // type and length
constexpr std::uint32_t kTextMemo = 1;

void PutBig32(unsigned char* p, std::uint32_t v) {
    p[0] = static_cast<unsigned char>(v >> 24);
    p[1] = static_cast<unsigned char>(v >> 16);
    p[2] = static_cast<unsigned char>(v >> 8);
    p[3] = static_cast<unsigned char>(v);
}
std::uint32_t Big32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

bool WriteAt(Channels& ch, std::int32_t channel, std::uint32_t at, const void* data, std::size_t n) {
    if (ch.Seek(channel, static_cast<std::int32_t>(at), 0) != static_cast<std::int32_t>(at)) return false;
    return ch.Io(channel, static_cast<char*>(const_cast<void*>(data)), static_cast<std::int32_t>(n), 3) ==
           static_cast<std::int32_t>(n);
}
bool ReadAt(Channels& ch, std::int32_t channel, std::uint32_t at, void* data, std::size_t n) {
    if (ch.Seek(channel, static_cast<std::int32_t>(at), 0) != static_cast<std::int32_t>(at)) return false;
    return ch.Io(channel, static_cast<char*>(data), static_cast<std::int32_t>(n), 1) ==
           static_cast<std::int32_t>(n);
}

bool WriteHeader(Channels& ch, const MemoFile& m) {
    unsigned char header[kHeaderSize] = {};
    PutBig32(header, m.nextFree);
    header[6] = static_cast<unsigned char>(m.blockSize >> 8);
    header[7] = static_cast<unsigned char>(m.blockSize);
    return WriteAt(ch, m.channel, 0, header, sizeof header);
}

}  // namespace

bool MemoFile::Create(Channels& ch, const std::string& file, std::uint32_t size) {
    Close(ch);
    path = file;
    blockSize = size;
    nextFree = (kHeaderSize + size - 1) / size;
    channel = ch.Open(path, 2, 1);
    if (channel <= 0 || !WriteHeader(ch, *this)) {
        Close(ch);
        return false;
    }
    return true;
}

bool MemoFile::Open(Channels& ch, const std::string& file) {
    Close(ch);
    path = file;
    channel = ch.Open(path, 2, 0);
    unsigned char header[8];
    if (channel <= 0 || !ReadAt(ch, channel, 0, header, sizeof header)) {
        Close(ch);
        return false;
    }
    nextFree = Big32(header);
    blockSize = std::uint32_t{header[6]} << 8 | header[7];
    if (blockSize == 0) {
        Close(ch);
        return false;
    }
    return true;
}

void MemoFile::Close(Channels& ch) {
    if (channel > 0) ch.Close(channel);
    channel = 0;
}

std::int32_t MemoFile::Channel(Channels& ch) {
    if (path.empty()) return -1;
    if (channel <= 0 || !ch.IsOpen(channel)) channel = ch.Open(path, 2, 0);
    return channel;
}

std::uint32_t MemoFile::Write(Channels& ch, std::string_view text) {
    const std::uint64_t total = kMemoHeader + std::uint64_t{text.size()};
    const std::uint64_t blocks = (total + blockSize - 1) / blockSize;
    const std::uint64_t end = (std::uint64_t{nextFree} + blocks) * blockSize;
    if (Channel(ch) <= 0 || end > 0x7FFFFFFFu) return 0;
    std::vector<unsigned char> memo(static_cast<std::size_t>(blocks * blockSize), 0);
    PutBig32(memo.data(), kTextMemo);
    PutBig32(memo.data() + 4, static_cast<std::uint32_t>(text.size()));
    if (!text.empty()) std::memcpy(memo.data() + kMemoHeader, text.data(), text.size());
    const std::uint32_t block = nextFree;
    if (!WriteAt(ch, channel, block * blockSize, memo.data(), memo.size())) return 0;
    nextFree = static_cast<std::uint32_t>(block + blocks);
    if (!WriteHeader(ch, *this)) return 0;
    return block;
}

bool MemoFile::Find(Channels& ch, std::uint32_t block, std::int32_t* offset, std::int32_t* length) {
    if (block == 0 || block >= nextFree || Channel(ch) <= 0) return false;
    unsigned char head[kMemoHeader];
    const std::uint64_t at = std::uint64_t{block} * blockSize;
    if (!ReadAt(ch, channel, static_cast<std::uint32_t>(at), head, sizeof head)) return false;
    *offset = static_cast<std::int32_t>(at + kMemoHeader);
    *length = static_cast<std::int32_t>(Big32(head + 4) & 0x7FFFFFFF);
    return true;
}

std::string MemoFile::Read(Channels& ch, std::uint32_t block) {
    std::int32_t offset = 0, length = 0;
    if (!Find(ch, block, &offset, &length)) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    if (length > 0 && !ReadAt(ch, channel, static_cast<std::uint32_t>(offset), text.data(), text.size()))
        return {};
    return text;
}

MemoFields NoMemoFields() {
    return MemoFields{[](int) -> MemoFile* { return nullptr; },
                      [](const VariableLocator&) -> std::int64_t { return -1; }};
}

// The group's services. A locator that names no memo field (or no locator at
// all) is not found: FindMemo answers -1 and GetMemoSize 0; an empty memo is
// found at offset 0 with size 0.
void ServeMemo(ServiceCall& call) {
    Host& host = call.host;
    if (call.code() == kSvcGetMemoChannel) {
        MemoFile* file = host.memoFields.file(call.arg(1));
        return call.Answer(file ? file->Channel(host.channels) : -1);
    }
    const auto* field = call.at<const VariableLocator>(1);
    const std::int64_t block = field ? host.memoFields.block(*field) : -1;
    MemoFile* file = field && block >= 0 ? host.memoFields.file(field->workArea) : nullptr;
    std::int32_t offset = -1, length = 0;
    if (file && block == 0) offset = 0;
    else if (file && !file->Find(host.channels, static_cast<std::uint32_t>(block), &offset, &length))
        offset = -1, length = 0;
    call.Answer(call.code() == kSvcFindMemo ? offset : length);
}

}  // namespace tarvo::run
