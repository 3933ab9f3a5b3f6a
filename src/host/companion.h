// The companion library KERNEL.DLL, bound by name when the load hook loads it.
//
// TARVO.fll has no import of KERNEL.DLL: it loads whether or not the file is
// there. Each wrapper below answers a failure value when the companion (or
// just that one function) is missing, so callers never call through null.
#pragma once

#include <cstdint>

#include "kernel/kernel_api.h"

namespace tarvo {

// Load hook: loads <system directory>\KERNEL.DLL and binds the functions.
// Answers false when the system directory is unknown (nothing is loaded, and
// nothing should be shown); *loaded tells whether the module came.
bool LoadCompanion(bool* loaded);
// Unload hook: frees the module; false when that failed. True when no module
// was loaded.
bool FreeCompanion();
bool CompanionLoaded();

// Each wrapper answers the failure value kernel/kernel_list.h gives its
// function when that is missing: 0 for counts, codes and flags (version
// numbers too), the buffer left as it was for texts, and -5 ("not enough
// memory") is never invented: missing archive functions answer 0.
int KnlMajor();
int KnlMinor();
void KnlVers(char* buffer256);
std::int32_t YmdToJdn(int y, int m, int d);
// False when the companion is missing (the fields are then left as they are).
bool JdnToYmd(std::int32_t jdn, int* y, int* m, int* d);
bool Easter(int year, int* month, int* day);
int QckUpper(int c);
void NumHexa(char* buffer100, std::int32_t n);
void StrHexa(const char* text, char* buffer, int n);
void StrHtos(const char* hex, char* buffer, int n);
void StrPadl(const char* text, char* buffer, int widthPlus1, int pad);
int VolumeName(const char* root, char* buffer, int size);
int FileSystemName(const char* root, char* buffer, int size);
int VolumeSerial(const char* root, std::uint32_t* value);
int MaxFileLength(const char* root, std::uint32_t* value);
std::uint32_t DiskSpace(const char* drive);
std::uint32_t DiskSize(const char* drive);
std::uint32_t TotalClusters(const char* drive);
std::uint32_t AvailClusters(const char* drive);
std::uint32_t SectorsPerCluster(const char* drive);
std::uint32_t BytesPerSector(const char* drive);
int ZipFile(const char* source, const char* target);
int UnzipFile(const char* source, const char* target);
// MCI functions answer 263 (MCIERR_INVALID_DEVICE_NAME) when missing.
int MciSend(const char* command, char* reply);
enum class CdAction { Open, Close, Play, Stop, Start, Home, End };
int CdCommand(CdAction action, char* reply);
int EmptyClipboardOf(std::uint32_t hwnd);
// Geometry answers NaN when missing.
double Distance(float x1, float y1, float x2, float y2);
double Pente(float x1, float y1, float x2, float y2);
double Origin(float x1, float y1, float x2, float y2);
double TriangleSurface(float x1, float y1, float x2, float y2, float x3, float y3);
double XIntersection(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                     float y4);
double YIntersection(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                     float y4);

}  // namespace tarvo
