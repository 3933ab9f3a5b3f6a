// The memo group: GetMemoChannel (23), FindMemo (25) and GetMemoSize (26),
// over memo files in the host's own format (FPT), which the file-channel
// group serves as ordinary channels: the library seeks and reads a memo's
// text through the channel that GetMemoChannel answers.
//
// The file's layout is in hostdata/fpt.h.
//
// MemoFile is the host's one memo store: every table with memo fields keeps
// its memo texts in one (runner/tables.h), and the group finds a field's
// memo through the MemoFields the tables plug into the Host.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/protocol.h"

namespace tarvo::run {

struct Channels;

struct MemoFile {
    std::string path;
    std::int32_t channel = 0;       // its channel in the file-channel group; 0 when closed
    std::uint32_t blockSize = 64;
    std::uint32_t nextFree = 0;     // the first block after the last memo
    // Whether other handles may write to the file too: then the header is
    // read again before each new memo.
    bool shared = true;

    // Creates (or empties) the file with a header and no memo. False when it
    // cannot be written.
    bool Create(Channels& channels, const std::string& path, std::uint32_t blockSize = 64);
    // Opens an existing memo file and reads its header. False when it cannot
    // be read or is no memo file.
    bool Open(Channels& channels, const std::string& path);
    void Close(Channels& channels);
    // The file's channel, opened again when the file-channel group has closed
    // it (it closes all channels when the library is released); -1 when the
    // file cannot be opened.
    std::int32_t Channel(Channels& channels);

    // Reads the header again (another handle may have added memos).
    bool Refresh(Channels& channels);
    // Writes a text as a new memo after the last one in the file and answers
    // its block (the blocks of a replaced memo are not reused); 0 when it
    // cannot be written.
    std::uint32_t Write(Channels& channels, std::string_view text);
    // Where the text of the memo at `block` starts in the file, and its
    // length. False when no memo starts there (block 0 included) or it runs
    // past the end of the file.
    bool Find(Channels& channels, std::uint32_t block, std::int32_t* offset, std::int32_t* length);
    // The text of the memo at `block` (empty for block 0); false when no
    // memo can be read there.
    bool Read(Channels& channels, std::uint32_t block, std::string* text);
};

// What the memo group asks of the tables: the memo file of the table open in
// a work area, and the block a field locator means in that table's current
// record.
struct MemoFields {
    // Null when no table with memo fields is open in `area`.
    std::function<MemoFile*(int area)> file;
    // 0 for an empty memo; -1 when the locator names no memo field.
    std::function<std::int64_t(const VariableLocator& field)> block;
};

// No table has memo fields: every lookup fails.
MemoFields NoMemoFields();

}  // namespace tarvo::run
