// Archives: the companion's status codes as a logical result and the
// process-wide last-error text FIL_ZIPLASTERROR hands out.
#pragma once

#include <string_view>

namespace tarvo {

// The text a status leaves and whether it means success (status 1 only).
struct ArchiveOutcome {
    bool done;
    const char* text;
};
ArchiveOutcome ArchiveOutcomeOf(int status);

// The last-error text: empty at load, set by every FIL_ZIP and FIL_UNZIP.
void ResetArchiveError();
// Keeps the text of a status and answers whether it means success.
bool KeepArchiveStatus(int status);
std::string_view FilZipLastError();

// The handlers' own functions (archives_handlers.cpp).
bool FilZip(const char* source, const char* target);
bool FilUnzip(const char* source, const char* target);

}  // namespace tarvo
