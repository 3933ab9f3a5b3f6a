// The Host's value records and handles: records filled from values and read
// back, the host's own handles, and the hostile moving of unlocked blocks.
#include <cstring>

#include "host/handle_table.h"
#include "runner/host.h"

namespace tarvo::run {
namespace {

constexpr std::uint16_t kHostTag = 1;

std::uint32_t Addr32(const void* p) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

// The handle table keeps a block's handle in 32 bits and the library passes
// its data address back in 32 bits, so a block above 4 GB (which 64-bit Wine
// gives for very large sizes) is out of memory for the protocol; in a 32-bit
// process every block fits.
bool BlockFits(HGLOBAL block) {
    if constexpr (sizeof(void*) <= 4) return true;
    constexpr std::uintptr_t kLimit = 0xFFFFFFFFu;
    if (reinterpret_cast<std::uintptr_t>(block) > kLimit) return false;
    const void* p = GlobalLock(block);
    GlobalUnlock(block);
    return reinterpret_cast<std::uintptr_t>(p) <= kLimit;
}

// The host's own block operations (never the library's patched imports).
std::uint32_t HostAlloc(std::uint32_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block && !BlockFits(block)) {
        GlobalFree(block);
        return 0;
    }
    return Addr32(block);
}
void HostRelease(std::uint32_t b) { GlobalFree(FromAddr<void>(b)); }
std::uint8_t* HostLock(std::uint32_t b) { return static_cast<std::uint8_t*>(GlobalLock(FromAddr<void>(b))); }
void HostUnlock(std::uint32_t b) { GlobalUnlock(FromAddr<void>(b)); }
const BlockOps kHostOps = {HostAlloc, HostRelease, HostLock, HostUnlock};

}  // namespace

int Host::HandlesInUse() const { return TableInUse(handleTable_.data()); }

std::string Host::HandleText(std::uint32_t handle, std::size_t length) const {
    std::uint32_t block = TableBlock(handleTable_.data(), handle);
    if (!block) return {};
    SIZE_T size = GlobalSize(FromAddr<void>(block));
    if (size < 2) return {};
    if (length > size - 2) length = size - 2;
    const char* p = static_cast<const char*>(GlobalLock(FromAddr<void>(block)));
    std::string s = p ? std::string(p + 2, length) : std::string();
    GlobalUnlock(FromAddr<void>(block));
    return s;
}

std::uint32_t Host::AllocHostHandle(const std::string& bytes) {
    std::uint32_t h = TableAlloc(handleTable_.data(), static_cast<std::uint32_t>(bytes.size()),
                                 kHostTag, kHostOps);
    if (!h) return 0;
    std::uint32_t block = TableBlock(handleTable_.data(), h);
    char* p = static_cast<char*>(GlobalLock(FromAddr<void>(block)));
    if (!bytes.empty()) std::memcpy(p + 2, bytes.data(), bytes.size());
    GlobalUnlock(FromAddr<void>(block));
    return h;
}

void Host::FreeHostHandle(std::uint32_t h) { TableFree(handleTable_.data(), h, kHostOps); }

void Host::FillRecord(const Value& v, ValueRecord* r) {
    std::memset(r, 0, sizeof *r);
    r->type = v.type;
    switch (v.type) {
    case 'C':
    case 'M':
        r->length = static_cast<std::int32_t>(v.text.size());
        r->handle = AllocHostHandle(v.text);
        break;
    case 'N':
        r->width = 20;
        r->length = v.decimals;
        r->number = v.number;
        r->integer = WholePart(v.number);
        break;
    case 'I':
        r->width = 10;
        r->integer = v.integer;
        r->number = v.integer;
        break;
    case 'D':
    case 'T':
        r->number = v.number;
        break;
    case 'L':
        r->length = v.logical ? 1 : 0;
        break;
    case 'Y':
        r->currency = v.currency;
        r->number = static_cast<double>(v.currency) / 10000.0;
        break;
    case 'O':
        r->integer = v.integer;
        break;
    default:
        break;
    }
}

Value Host::DecodeRecord(const ValueRecord& r) const {
    switch (r.type) {
    case 'C':
    case 'H':
    case 'M': {
        Value v = Value::Char(HandleText(r.handle, r.length < 0 ? 0 : static_cast<std::size_t>(r.length)));
        if (r.type == 'M') v.type = 'M';
        return v;
    }
    case 'N': return Value::Num(r.number, r.length);
    case 'I': return Value::Int(r.integer);
    case 'D': return Value::Date(r.number);
    case 'T': return Value::DateTime(r.number);
    case 'L': return Value::Logical(r.length != 0);
    case 'Y': return Value::Currency(r.currency);
    case '0': return Value::Null();
    default: {
        Value v;
        v.type = r.type;
        v.integer = r.integer;
        return v;
    }
    }
}

void Host::RaiseInFrame(ServiceBlock* block, int number, const std::string& text) {
    if (!frames_.empty() && frames_.back()->error == 0) {
        frames_.back()->error = number;
        frames_.back()->message = text;
    }
    block->code = kSvcRaiseError;
}

void Host::MoveUnlockedBlocks() {
    std::uint8_t* table = handleTable_.data();
    for (std::uint32_t i = 1; i < TableCapacity(table); ++i) {
        HGLOBAL old = FromAddr<void>(TableBlock(table, i));
        if (!old || (GlobalFlags(old) & GMEM_LOCKCOUNT) != 0) continue;
        SIZE_T size = GlobalSize(old);
        HGLOBAL moved = GlobalAlloc(GMEM_MOVEABLE, size);
        if (moved && !BlockFits(moved)) {  // a block stays rather than go above 4 GB
            GlobalFree(moved);
            continue;
        }
        if (!moved) continue;
        char* from = static_cast<char*>(GlobalLock(old));
        char* to = static_cast<char*>(GlobalLock(moved));
        std::memcpy(to, from, size);
        std::memset(from, 0xCC, size);  // stale pointers now read garbage
        GlobalUnlock(moved);
        GlobalUnlock(old);
        GlobalFree(old);
        TableSetBlock(table, i, Addr32(moved));
    }
}

}  // namespace tarvo::run
