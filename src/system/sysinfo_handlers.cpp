// System information in the function table: the rows over sysinfo_win.h and
// the one-call templates of calls_win.h.
#include <windows.h>

#include <mmsystem.h>

#include "host/declare.h"
#include "system/calls_win.h"
#include "system/sysinfo_win.h"

namespace tarvo {
namespace {

// The SYSTEM.INI entries of SYS_SWAP, SYS_NETWOR, SYS_MOUSE and SYS_DISPLA.
constexpr char kSection386Enh[] = "386Enh";
constexpr char kSectionBootDescription[] = "boot.description";
constexpr char kKeyPagingFile[] = "pagingfile";
constexpr char kKeyNetworkDrv[] = "network.drv";
constexpr char kKeyMouseDrv[] = "mouse.drv";
constexpr char kKeyDisplayDrv[] = "display.drv";

constexpr RowSpec kRows[] = {
#include "system/sysinfo_rows.h"
};

}  // namespace

Family SystemInfoFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
