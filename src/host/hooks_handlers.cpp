// The load hook TARVOIN and the unload hook TARVOOUT. Each family that keeps
// process-wide state adds its set-up and release steps here, in order.
#include <windows.h>

#include "files/archives.h"
#include "files/bitmaps.h"
#include "files/notifications_state.h"
#include "files/operations.h"
#include "host/companion.h"
#include "hostdata/commands.h"
#include "hostdata/editors.h"
#include "host/declare.h"
#include "host/timers.h"
#include "media/media.h"
#include "messaging/post_office_state.h"
#include "printers/cache.h"
#include "strings/random.h"
#include "strings/tokenizer.h"
#include "system/drive_text.h"
#include "system/registry_values.h"
#include "system/version_word.h"
#include "ui/custom_colors.h"

namespace tarvo {
namespace {

void TarvoIn(ParamBlock*) {
    bool loaded = false;
    if (LoadCompanion(&loaded) && !loaded)
        ExecuteCommand("WAIT WINDOW 'Kernel not found' NOWAIT");
    ResetCommands();
    ResetPostOffice();
    ResetNotifications();
    ResetBitmapValues();
    ResetArchiveError();
    ResetMedia();
    Editors().FreeAll();
    ReleaseFieldBuffers();
    RandomSeedFromClock();
    ResetCustomColors();
    ResetPrinterCache();
    VersionWord() = GetVersion();
    SharedVolumeFlag() = {};
    RegistryLastError() = kRegNothingRecorded;
}

void TarvoOut(ParamBlock*) {
    // Timers still running would fire into a library that is gone: they stop
    // on every way out, an abort of a step below too.
    struct StopTimers {
        ~StopTimers() { StopTrackedTimers(); }
    } stopTimers;
    CloseCommandLog();
    CloseDirectorySearch();
    if (!FreeCompanion()) ExecuteCommand("WAIT WINDOW 'Kernel not freed' NOWAIT");
    CloseAllNotifications();
    SharedTokenWalk().Drop();
    ReleaseFieldBuffers();
}

constexpr RowSpec kRows[] = {
#include "host/hook_rows.h"
};

}  // namespace

Family HookFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
