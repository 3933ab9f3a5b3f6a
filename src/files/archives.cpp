// Archives: status codes and the last-error text.
#include "files/archives.h"

namespace tarvo {
namespace {

constexpr const char* kCompleted = "The function completed successfully.";

const char*& LastText() {
    static const char* text = "";
    return text;
}

}  // namespace

ArchiveOutcome ArchiveOutcomeOf(int status) {
    switch (status) {
        case 1: return {true, kCompleted};
        case -1:
        case -2: return {false, "Cannot open input file."};
        case -3: return {false, "Cannot open output file."};
        case -4: return {false, "Input file not found."};
        case -5: return {false, "Not enough memory."};
        default: return {false, kCompleted};  // 0 and codes the companion never gives
    }
}

void ResetArchiveError() { LastText() = ""; }

bool KeepArchiveStatus(int status) {
    const ArchiveOutcome o = ArchiveOutcomeOf(status);
    LastText() = o.text;
    return o.done;
}

std::string_view FilZipLastError() { return LastText(); }

}  // namespace tarvo
