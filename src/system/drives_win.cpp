// Drives and volumes through Windows, the C runtime and the companion
// library. Drive texts are read by DriveText (drive_text.h): root paths go
// to Windows as they came, drive letters are the first character.
#include <windows.h>

#include <direct.h>
#include <shlobj.h>

#include <bit>
#include <vector>

#include "host/companion.h"
#include "host/grown_text.h"
#include "system/drives.h"

namespace tarvo {
namespace {

// GetVolumeInformationA with areas of 256 characters, as the volume
// functions ask it; sets the volume error flag.
bool ReadVolume(const char* root, VolumeRecord* v) {
    char label[256] = {}, fileSystem[256] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    const bool ok = GetVolumeInformationA(root, label, sizeof label, &serial, &maxComponent,
                                          &flags, fileSystem, sizeof fileSystem) != 0;
    SharedVolumeFlag().Set(!ok);
    if (ok) *v = {label, fileSystem, serial, maxComponent, flags};
    return ok;
}

// A text or a number of the companion library: nonzero answers success.
std::string CompanionText(int (*get)(const char*, char*, int), const char* root) {
    char text[256] = {};
    const bool ok = get(root, text, sizeof text) != 0;
    SharedVolumeFlag().Set(!ok);
    return ok ? text : "";
}
std::int32_t CompanionNumber(int (*get)(const char*, std::uint32_t*), const char* root) {
    std::uint32_t value = 0;
    const bool ok = get(root, &value) != 0;
    SharedVolumeFlag().Set(!ok);
    return ok ? static_cast<std::int32_t>(value) : -1;
}

DriveText Drive(std::string_view text) { return DriveText(text, &QckUpper); }

// Critical-error boxes ("no disk in drive A:") stay off while it lives.
struct NoCriticalErrorBoxes {
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    ~NoCriticalErrorBoxes() { SetErrorMode(previous); }
};

}  // namespace

VolumeAnswer SysVolume(const char* root, std::int32_t selector) {
    VolumeRecord v;
    if (!ReadVolume(root, &v)) return false;
    if (!KnownVolumeItem(selector)) SharedVolumeFlag().Set(true);
    return VolumeItem(v, selector);
}

std::string SysVolumeName(const char* root) { return CompanionText(&VolumeName, root); }
std::string SysFileSystemName(const char* root) { return CompanionText(&FileSystemName, root); }
std::int32_t SysVolumeSerial(const char* root) { return CompanionNumber(&VolumeSerial, root); }
std::int32_t SysMaxFileLength(const char* root) { return CompanionNumber(&MaxFileLength, root); }
std::int32_t SysLastError() { return SharedVolumeFlag().Take(); }

bool VolumeHasFlag(const char* root, std::uint32_t flag) {
    VolumeRecord v;
    return ReadVolume(root, &v) && (v.flags & flag) != 0;
}

bool SysSetVol(const char* root, const char* label) { return SetVolumeLabelA(root, label) != 0; }

std::string SysCurDri() {
    const int drive = _getdrive();
    return drive ? std::string(1, static_cast<char>(drive + 64)) : std::string();
}

// _chdrive takes 1 to 26; any other number it refuses (-1), so it is not
// asked.
bool SysSetDri(std::string_view drive) {
    const int number = Drive(drive).number();
    return number != 0 && _chdrive(number) != -1;
}

Bytes SysMakeDrive(std::int32_t number) { return {DriveCharacter(number)}; }

std::string SysGetCurrentDirectory() {
    return GrownText([](char* area, DWORD size) { return GetCurrentDirectoryA(size, area); }, 257);
}

std::string SysDriStr() {
    std::vector<char> list(257, '\0');
    DWORD n = GetLogicalDriveStringsA(256, list.data());
    if (n > 256) {  // more than 256 characters of root paths: the size asked for
        list.assign(n + 1, '\0');
        n = GetLogicalDriveStringsA(n, list.data());
    }
    return DriveLetters(std::string_view(list.data(), list.size()));
}

std::int32_t SysGetNumDrives() { return std::popcount(static_cast<std::uint32_t>(GetLogicalDrives())); }

bool SysDoesDriveExist(std::string_view drive) {
    return (GetLogicalDrives() >> Drive(drive).maskBit()) & 1;
}

// Ready when Windows can tell the free space of the drive's root, asked
// with critical-error boxes off.
bool SysIsDriv(std::string_view drive) {
    const std::string root = Drive(drive).letterRoot();
    if (root.empty()) return false;
    NoCriticalErrorBoxes quiet;
    DWORD sectors, bytes, freeClusters, clusters;
    return GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &clusters) != 0;
}

std::int32_t SysDriveType(const char* root) { return static_cast<std::int32_t>(GetDriveTypeA(root)); }

// The DOS generic block-device request "get device parameters" (int 21h,
// AX 440Dh, CX 0860h) through the Windows 9x device VWIN32, control code 1
// (VWIN32_DIOC_DOS_IOCTL): its registers in, its registers out, the carry
// bit of the flags set on failure. The parameter block's address goes in a
// 32-bit register, so it lives in the library's own data, which lies below
// 2 GB in both builds.
std::int32_t SysMediaType(std::string_view drive) {
    struct Registers {
        DWORD ebx, edx, ecx, eax, edi, esi, flags;
    };
    static unsigned char parameters[36];
    const int number = Drive(drive).number();
    if (number == 0) return -1;
    HANDLE device = CreateFileA("\\\\.\\vwin32", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) return -1;
    std::fill(std::begin(parameters), std::end(parameters), 0);
    Registers r = {static_cast<DWORD>(number),
                   static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(parameters)),
                   0x0860, 0x440D, 0, 0, 0x8000};
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(device, 1, &r, sizeof r, &r, sizeof r, &returned, nullptr);
    CloseHandle(device);
    if (!ok || (r.flags & 0x8000)) return -1;
    return parameters[6];
}

void SysFormatDrive(std::int32_t index) {
    SHFormatDrive(GetActiveWindow(), static_cast<UINT>(index), SHFMT_ID_DEFAULT, 0);
}

void SysFormat(std::string_view) {}

}  // namespace tarvo
