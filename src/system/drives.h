// Drives and volumes: the functions behind the rows (drives_win.cpp) and
// the templates of the rows that differ by a constant.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"
#include "system/drive_text.h"

namespace tarvo {

// Volume information of a root path (GetVolumeInformationA); each query
// sets the volume error flag.
VolumeAnswer SysVolume(const char* root, std::int32_t selector);
std::string SysVolumeName(const char* root);
std::string SysFileSystemName(const char* root);
std::int32_t SysVolumeSerial(const char* root);
std::int32_t SysMaxFileLength(const char* root);
std::int32_t SysLastError();
// One file-system flag of the volume (FILE_CASE_PRESERVED_NAMES ...).
bool VolumeHasFlag(const char* root, std::uint32_t flag);
template <std::uint32_t Flag>
bool VolumeFlagTest(const char* root) {
    return VolumeHasFlag(root, Flag);
}
bool SysSetVol(const char* root, const char* label);

// A count of the companion library's disk functions, as it answers it.
template <std::uint32_t (*Count)(const char*)>
std::int32_t DiskCount(const char* drive) {
    return static_cast<std::int32_t>(Count(drive));
}

// The current drive and directory.
std::string SysCurDri();
bool SysSetDri(std::string_view drive);
Bytes SysMakeDrive(std::int32_t number);
std::string SysGetCurrentDirectory();

// The drives there are and their kinds.
std::string SysDriStr();
std::int32_t SysGetNumDrives();
bool SysDoesDriveExist(std::string_view drive);
bool SysIsDriv(std::string_view drive);
std::int32_t SysDriveType(const char* root);
template <std::int32_t Type>
bool DriveTypeIs(const char* root) {
    return SysDriveType(root) == Type;
}
std::int32_t SysMediaType(std::string_view drive);

// Actions.
void SysFormatDrive(std::int32_t index);
void SysFormat(std::string_view drive);

}  // namespace tarvo
