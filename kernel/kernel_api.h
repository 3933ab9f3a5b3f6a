// The 38 functions of the companion library KERNEL.DLL: exported under these
// exact names, stdcall, 32-bit arguments. TARVO.fll binds them by name at
// load time (GetProcAddress), so the pointer types below are what both sides
// agree on.
#pragma once

#include <cstdint>

#ifdef _WIN32
#define KNL_CALL __stdcall
#else
#define KNL_CALL
#endif

namespace knl {

constexpr int kReplyLength = 200;  // MCI reply buffers the library passes

using MajorFn = int(KNL_CALL*)();                                  // _knl_major, _knl_minor
using VersFn = char*(KNL_CALL*)(char* buffer256);                  // _knl_vers
using YmdToJdnFn = std::int32_t(KNL_CALL*)(int y, int m, int d, int calendar);  // _ymd_to_jdnl
using JdnToYmdFn = void(KNL_CALL*)(std::int32_t jdn, int* y, int* m, int* d, int calendar);
using EasterFn = void(KNL_CALL*)(int year, int* month, int* day);  // _easter
using QckUpperFn = int(KNL_CALL*)(int c);                          // _QckUpper
using NumHexaFn = char*(KNL_CALL*)(char* buffer100, std::int32_t n);          // _TARVO_NUM_hexa
using StrHexaFn = char*(KNL_CALL*)(const char* text, char* buffer, int n);    // _TARVO_STR_hexa
using StrHtosFn = char*(KNL_CALL*)(const char* hex, char* buffer, int n);     // _TARVO_STR_htos
using StrPadlFn = char*(KNL_CALL*)(const char* text, char* buffer, int widthPlus1, int pad);
using VolumeTextFn = int(KNL_CALL*)(const char* root, char* buffer, int size);  // VolumeName, FileSystemName
using VolumeValueFn = int(KNL_CALL*)(const char* root, std::uint32_t* value);  // VolumeSerial, MaxFileLength
using DiskCountFn = std::uint32_t(KNL_CALL*)(const char* drive);   // diskspace ... bytes_per_sector
using ZipFn = int(KNL_CALL*)(const char* source, const char* target);  // QX_FIL_zip, QX_FIL_unzip
using MciSendFn = int(KNL_CALL*)(const char* command, char* reply);     // QX_MCI_send
using CdFn = int(KNL_CALL*)(char* reply);                          // QX_CD_open ... QX_CD_end
using EmptyClipboardFn = int(KNL_CALL*)(std::uint32_t hwnd);       // _QX_EmptyClipboard
using Geom4Fn = double(KNL_CALL*)(float x1, float y1, float x2, float y2);
using Geom6Fn = double(KNL_CALL*)(float x1, float y1, float x2, float y2, float x3, float y3);
using Geom8Fn = double(KNL_CALL*)(float x1, float y1, float x2, float y2, float x3, float y3,
                                  float x4, float y4);

// Archive status codes.
enum ZipStatus {
    kZipOk = 1,
    kZipInputOpen1 = -1,
    kZipInputOpen2 = -2,
    kZipOutputOpen = -3,
    kZipInputMissing = -4,
    kZipNoMemory = -5,
};

}  // namespace knl
