// The 38 exported functions of KERNEL.DLL under their internal names: each is
// exported as its name without the leading "k" (k_knl_major as _knl_major,
// k_TARVO_QX_FIL_zip as _TARVO_QX_FIL_zip), see kernel.def. Their types are
// those of kernel_api.h; exports_win.cpp checks that at compile time.
#pragma once

#include <cstdint>

#include "kernel/kernel_api.h"

extern "C" {

// Version.
int KNL_CALL k_knl_major();
int KNL_CALL k_knl_minor();
char* KNL_CALL k_knl_vers(char* buffer256);

// Dates (calendar.h). The last argument selects nothing: the calendar is
// always the proleptic Gregorian one.
std::int32_t KNL_CALL k_ymd_to_jdnl(int y, int m, int d, int calendar);
void KNL_CALL k_jdnl_to_ymd(std::int32_t jdn, int* y, int* m, int* d, int calendar);
void KNL_CALL k_easter(int year, int* month, int* day);

// Text (hex_text.h) and the ANSI upper case of one character.
int KNL_CALL k_QckUpper(int c);
char* KNL_CALL k_TARVO_NUM_hexa(char* buffer100, std::int32_t n);
char* KNL_CALL k_TARVO_STR_hexa(const char* text, char* buffer, int n);
char* KNL_CALL k_TARVO_STR_htos(const char* hex, char* buffer, int n);
char* KNL_CALL k_TARVO_STR_padl(const char* text, char* buffer, int widthPlus1, int pad);

// Volumes and disks.
int KNL_CALL k_TARVO_SYS_VolumeName(const char* root, char* buffer, int size);
int KNL_CALL k_TARVO_SYS_FileSystemName(const char* root, char* buffer, int size);
int KNL_CALL k_TARVO_SYS_VolumeSerial(const char* root, std::uint32_t* value);
int KNL_CALL k_TARVO_SYS_MaxFileLength(const char* root, std::uint32_t* value);
std::uint32_t KNL_CALL k_TARVO_diskspace(const char* drive);
std::uint32_t KNL_CALL k_TARVO_DiskSize(const char* drive);
std::uint32_t KNL_CALL k_TARVO_total_clusters(const char* drive);
std::uint32_t KNL_CALL k_TARVO_avail_clusters(const char* drive);
std::uint32_t KNL_CALL k_TARVO_sectors_per_cluster(const char* drive);
std::uint32_t KNL_CALL k_TARVO_bytes_per_sector(const char* drive);

// Archives (zip.h).
int KNL_CALL k_TARVO_QX_FIL_zip(const char* source, const char* target);
int KNL_CALL k_TARVO_QX_FIL_unzip(const char* source, const char* target);

// Media control and the clipboard.
int KNL_CALL k_TARVO_QX_MCI_send(const char* command, char* reply);
int KNL_CALL k_TARVO_QX_CD_open(char* reply);
int KNL_CALL k_TARVO_QX_CD_close(char* reply);
int KNL_CALL k_TARVO_QX_CD_play(char* reply);
int KNL_CALL k_TARVO_QX_CD_stop(char* reply);
int KNL_CALL k_TARVO_QX_CD_start(char* reply);
int KNL_CALL k_TARVO_QX_CD_home(char* reply);
int KNL_CALL k_TARVO_QX_CD_end(char* reply);
int KNL_CALL k_QX_EmptyClipboard(std::uint32_t hwnd);

// Geometry (geometry.h).
double KNL_CALL k_QX_distance(float x1, float y1, float x2, float y2);
double KNL_CALL k_QX_pente(float x1, float y1, float x2, float y2);
double KNL_CALL k_QX_origin(float x1, float y1, float x2, float y2);
double KNL_CALL k_QX_TriangleSurface(float x1, float y1, float x2, float y2, float x3, float y3);
double KNL_CALL k_QX_X_intersection(float x1, float y1, float x2, float y2, float x3, float y3,
                                    float x4, float y4);
double KNL_CALL k_QX_Y_intersection(float x1, float y1, float x2, float y2, float x3, float y3,
                                    float x4, float y4);

}  // extern "C"
