#include "hostdata/settings.h"

#include <cstdio>

namespace tarvo {

DesktopRecord& Desktop() {
    static DesktopRecord record;
    return record;
}
FontRecord& Font() {
    static FontRecord record;
    return record;
}
HelpRecord& Help() {
    static HelpRecord record;
    return record;
}
UserRecord& User() {
    static UserRecord record;
    return record;
}
VersionRecord& Version() {
    static VersionRecord record;
    return record;
}

bool DskInit() {
    Desktop() = {};
    return true;
}
bool FntInit() {
    Font() = {};
    return true;
}
bool HlpInit() {
    Help() = {};
    return true;
}
bool UsrInit() {
    const std::int32_t level = User().level;
    User() = {};
    User().level = level;
    return true;
}
bool VerInit() {
    Version() = {};
    return true;
}

std::string LibraryVersionLine() {
    char minor[8];
    std::snprintf(minor, sizeof minor, "%02d", static_cast<int>(kLibraryMinor));
    char line[80];
    std::snprintf(line, sizeof line, "TARVO.FLL - Dasquin - %s-v%d.%s", "03 August 1998 17:25",
                  static_cast<int>(kLibraryMajor), minor);
    return line;
}

double BodyMassIndex(std::int32_t weight, std::int32_t height) {
    return static_cast<double>(weight) / height / height * 10000;
}

const char* VersionStringName(std::int32_t index) {
    static const char* const kNames[] = {
        "ProductName", "ProductVersion", "OriginalFilename", "FileDescription",
        "FileVersion", "CompanyName",    "LegalCopyright",   "LegalTrademarks",
        "InternalName", "PrivateBuild",  "SpecialBuild",     "Comments"};
    return index >= 1 && index <= 12 ? kNames[index - 1] : nullptr;
}

}  // namespace tarvo
