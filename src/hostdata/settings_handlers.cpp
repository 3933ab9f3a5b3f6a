// The settings records' init and property functions and the miscellaneous
// functions beside them (hostdata/settings.h); VER_GETFILEVERSIONINFO reads
// a file's version resource (settings_win.cpp).
#include <array>

#include "host/companion.h"
#include "host/declare.h"
#include "hostdata/settings.h"

namespace tarvo {

std::string VerGetFileVersionInfo(const char* file, std::int32_t index);

namespace {

void MisTrue(ParamBlock*) { ReturnLogical(true); }
void MisFalse(ParamBlock*) { ReturnLogical(false); }

std::int32_t MisMajor() { return kLibraryMajor; }
std::int32_t MisMinor() { return kLibraryMinor; }
std::string MisVer() { return LibraryVersionLine(); }

std::int32_t MisKnlMajor() { return KnlMajor(); }
std::int32_t MisKnlMinor() { return KnlMinor(); }
std::string MisKnlVer() {
    std::array<char, 256> text{};
    KnlVers(text.data());
    text.back() = '\0';
    return text.data();
}

constexpr RowSpec kRows[] = {
#include "hostdata/settings_rows.h"
};

}  // namespace

Family SettingFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
