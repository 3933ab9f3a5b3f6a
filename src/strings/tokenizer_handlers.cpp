// The tokenizer in the function table: every row is one plain function of
// strings/tokenizer.h over the process-wide separator set and walk.
//
// The walk's copy of the text is a locked handle of the host's handle table
// (AllocLockedHandle: a full table raises 182), made by STR_TOKINI and
// released by the next STR_TOKINI, by the STR_TOKNEX that answers the last
// token, and by the unload hook. The handle table is the calling thread's,
// and the host calls from one thread: a walk is readable only from the
// thread whose table holds its copy. On any other thread the copy reads as
// an empty text, and dropping it there leaves the handle to its own table.
#include "host/declare.h"
#include "host/dispatch.h"
#include "strings/tokenizer.h"

namespace tarvo {
namespace {

// The handle table the copy lives in.
const std::uint8_t* g_copyTable = nullptr;

char* AcquireHandle(std::uint32_t size, std::uintptr_t* id) {
    std::uint32_t handle = 0;
    char* block = AllocLockedHandle(size, &handle);  // raises 182
    g_copyTable = HandleTable();
    *id = handle;
    return block;
}

const char* HandleAddress(std::uintptr_t id) {
    return HandleTable() == g_copyTable ? HandleToPointer(static_cast<std::uint32_t>(id)) : nullptr;
}

void ReleaseHandle(std::uintptr_t id) {
    if (HandleTable() == g_copyTable) FreeLockedHandle(static_cast<std::uint32_t>(id));
}

const CopyStore kHostCopies = {AcquireHandle, HandleAddress, ReleaseHandle};

constexpr RowSpec kRows[] = {
#include "strings/tokenizer_rows.h"
};

}  // namespace

// Never destroyed: at process exit the host's table may be gone already.
TokenWalk& SharedTokenWalk() {
    static TokenWalk& walk = *new TokenWalk(&kHostCopies);
    return walk;
}

bool StrTokIni(std::string_view text) { return SharedTokenWalk().Init(text); }
std::string StrTokNex() { return SharedTokenWalk().Next(); }
bool StrTokFin() { return SharedTokenWalk().Finished(); }
std::int32_t StrGetOff() { return SharedTokenWalk().GetOffset(); }
bool StrSetOff(std::int32_t offset) {
    SharedTokenWalk().SetOffset(offset);
    return true;
}

Family TokenizerFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
