// The memo files (FPT) and the memo group's services.
#include "runner/services/memo.h"

#include <cstring>
#include <vector>

#include "hostdata/fpt.h"
#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

bool WriteAt(Channels& ch, std::int32_t channel, std::uint64_t at, const void* data, std::size_t n) {
    if (at > 0x7FFFFFFF || ch.Seek(channel, static_cast<std::int32_t>(at), 0) != static_cast<std::int32_t>(at))
        return false;
    return ch.Io(channel, static_cast<char*>(const_cast<void*>(data)), static_cast<std::int32_t>(n), 3) ==
           static_cast<std::int32_t>(n);
}
bool ReadAt(Channels& ch, std::int32_t channel, std::uint64_t at, void* data, std::size_t n) {
    if (at > 0x7FFFFFFF || ch.Seek(channel, static_cast<std::int32_t>(at), 0) != static_cast<std::int32_t>(at))
        return false;
    return ch.Io(channel, static_cast<char*>(data), static_cast<std::int32_t>(n), 1) ==
           static_cast<std::int32_t>(n);
}
std::uint64_t SizeOf(Channels& ch, std::int32_t channel) {
    const std::int32_t size = ch.Seek(channel, 0, 2);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace

bool MemoFile::Create(Channels& ch, const std::string& file, std::uint32_t size) {
    Close(ch);
    path = file;
    blockSize = size;
    nextFree = fpt::FirstBlock(size);
    channel = ch.Open(path, 2, 1);
    const std::vector<unsigned char> header = fpt::EncodeHeader({nextFree, blockSize});
    if (channel <= 0 || !WriteAt(ch, channel, 0, header.data(), header.size())) {
        Close(ch);
        return false;
    }
    return true;
}

bool MemoFile::Open(Channels& ch, const std::string& file) {
    Close(ch);
    path = file;
    channel = ch.Open(path, 2, 0);
    if (channel <= 0) channel = ch.Open(path, 0, 0);  // a read-only memo file
    if (channel <= 0 || !Refresh(ch)) {
        Close(ch);
        return false;
    }
    return true;
}

bool MemoFile::Refresh(Channels& ch) {
    unsigned char header[8];
    fpt::Header h;
    if (Channel(ch) <= 0 || !ReadAt(ch, channel, 0, header, sizeof header) ||
        !fpt::DecodeHeader(header, SizeOf(ch, channel), &h))
        return false;
    nextFree = h.nextFree;
    blockSize = h.blockSize;
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
    if (Channel(ch) <= 0 || (shared && !Refresh(ch))) return 0;  // another handle may have written memos
    const std::vector<unsigned char> memo = fpt::EncodeMemo(text, blockSize);
    const std::uint64_t end = std::uint64_t{nextFree} * blockSize + memo.size();
    if (end > 0x7FFFFFFFu) return 0;
    const std::uint32_t block = nextFree;
    if (!WriteAt(ch, channel, std::uint64_t{block} * blockSize, memo.data(), memo.size())) return 0;
    nextFree = static_cast<std::uint32_t>(end / blockSize);
    const std::vector<unsigned char> header = fpt::EncodeHeader({nextFree, blockSize});
    if (!WriteAt(ch, channel, 0, header.data(), 8)) return 0;
    return block;
}

bool MemoFile::Find(Channels& ch, std::uint32_t block, std::int32_t* offset, std::int32_t* length) {
    unsigned char head[fpt::kMemoHead];
    std::uint64_t at = 0;
    std::uint32_t n = 0;
    if (block == 0 || Channel(ch) <= 0) return false;
    const std::uint64_t size = SizeOf(ch, channel);
    const std::uint64_t start = std::uint64_t{block} * blockSize;
    if (start + sizeof head > size || !ReadAt(ch, channel, start, head, sizeof head) ||
        !fpt::Locate({nextFree, blockSize}, size, block, head, &at, &n) || at + n > 0x7FFFFFFF)
        return false;
    *offset = static_cast<std::int32_t>(at);
    *length = static_cast<std::int32_t>(n);
    return true;
}

bool MemoFile::Read(Channels& ch, std::uint32_t block, std::string* text) {
    std::int32_t offset = 0, length = 0;
    text->clear();
    if (block == 0) return true;
    if (!Find(ch, block, &offset, &length)) return false;
    text->assign(static_cast<std::size_t>(length), '\0');
    return length == 0 || ReadAt(ch, channel, static_cast<std::uint64_t>(offset), text->data(), text->size());
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
