// The 38 functions of KERNEL.DLL, one line each:
//
//   KNL(export name, return type, (parameters), (arguments), failure value)
//
// The internal name of each function is its export name with a leading k
// (_knl_vers is k_knl_vers). Every function is stdcall and takes 32-bit
// arguments. The failure value is what TARVO.fll's wrapper answers when the
// function cannot be bound (an expression over the arguments; void() for
// functions without a value). Nothing here is a definition: define KNL, include
// this file, undefine KNL. kernel/kernel.def names the same functions with
// their stdcall byte counts (tests/interop/kernel_def.sh checks the two agree);
// the shell tests read the export names from the first field of each KNL line.
#ifndef KNL
#error "define KNL(name, ret, params, args, fail) before including kernel/kernel_list.h"
#endif

// Version. The texts are written into the caller's buffer, which is answered;
// a missing function leaves the buffer as it was.
KNL(_knl_major, int, (), (), 0)
KNL(_knl_minor, int, (), (), 0)
KNL(_knl_vers, char*, (char* buffer256), (buffer256), buffer256)

// Dates (calendar.h). The last argument selects nothing: the calendar is
// always the proleptic Gregorian one.
KNL(_ymd_to_jdnl, std::int32_t, (int y, int m, int d, int calendar), (y, m, d, calendar), 0)
KNL(_jdnl_to_ymd, void, (std::int32_t jdn, int* y, int* m, int* d, int calendar),
    (jdn, y, m, d, calendar), void())
KNL(_easter, void, (int year, int* month, int* day), (year, month, day), void())

// Text (hex_text.h) and the ANSI upper case of one character.
KNL(_QckUpper, int, (int c), (c), c)
KNL(_TARVO_NUM_hexa, char*, (char* buffer100, std::int32_t n), (buffer100, n), buffer100)
KNL(_TARVO_STR_hexa, char*, (const char* text, char* buffer, int n), (text, buffer, n), buffer)
KNL(_TARVO_STR_htos, char*, (const char* hex, char* buffer, int n), (hex, buffer, n), buffer)
KNL(_TARVO_STR_padl, char*, (const char* text, char* buffer, int widthPlus1, int pad),
    (text, buffer, widthPlus1, pad), buffer)

// Volumes and disks.
KNL(_TARVO_SYS_VolumeName, int, (const char* root, char* buffer, int size), (root, buffer, size), 0)
KNL(_TARVO_SYS_FileSystemName, int, (const char* root, char* buffer, int size),
    (root, buffer, size), 0)
KNL(_TARVO_SYS_VolumeSerial, int, (const char* root, std::uint32_t* value), (root, value), 0)
KNL(_TARVO_SYS_MaxFileLength, int, (const char* root, std::uint32_t* value), (root, value), 0)
KNL(_TARVO_diskspace, std::uint32_t, (const char* drive), (drive), 0)
KNL(_TARVO_DiskSize, std::uint32_t, (const char* drive), (drive), 0)
KNL(_TARVO_total_clusters, std::uint32_t, (const char* drive), (drive), 0)
KNL(_TARVO_avail_clusters, std::uint32_t, (const char* drive), (drive), 0)
KNL(_TARVO_sectors_per_cluster, std::uint32_t, (const char* drive), (drive), 0)
KNL(_TARVO_bytes_per_sector, std::uint32_t, (const char* drive), (drive), 0)

// Archives (zip.h). A missing function answers 0, never one of the status
// codes: -5 ("not enough memory") is not invented.
KNL(_TARVO_QX_FIL_zip, int, (const char* source, const char* target), (source, target), 0)
KNL(_TARVO_QX_FIL_unzip, int, (const char* source, const char* target), (source, target), 0)

// Media control (263 is MCIERR_INVALID_DEVICE_NAME) and the clipboard.
KNL(_TARVO_QX_MCI_send, int, (const char* command, char* reply), (command, reply), 263)
KNL(_TARVO_QX_CD_open, int, (char* reply), (reply), 263)
KNL(_TARVO_QX_CD_close, int, (char* reply), (reply), 263)
KNL(_TARVO_QX_CD_play, int, (char* reply), (reply), 263)
KNL(_TARVO_QX_CD_stop, int, (char* reply), (reply), 263)
KNL(_TARVO_QX_CD_start, int, (char* reply), (reply), 263)
KNL(_TARVO_QX_CD_home, int, (char* reply), (reply), 263)
KNL(_TARVO_QX_CD_end, int, (char* reply), (reply), 263)
KNL(_QX_EmptyClipboard, int, (std::uint32_t hwnd), (hwnd), 0)

// Geometry (geometry.h).
KNL(_QX_distance, double, (float x1, float y1, float x2, float y2), (x1, y1, x2, y2), NAN)
KNL(_QX_pente, double, (float x1, float y1, float x2, float y2), (x1, y1, x2, y2), NAN)
KNL(_QX_origin, double, (float x1, float y1, float x2, float y2), (x1, y1, x2, y2), NAN)
KNL(_QX_TriangleSurface, double, (float x1, float y1, float x2, float y2, float x3, float y3),
    (x1, y1, x2, y2, x3, y3), NAN)
KNL(_QX_X_intersection, double,
    (float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4),
    (x1, y1, x2, y2, x3, y3, x4, y4), NAN)
KNL(_QX_Y_intersection, double,
    (float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4),
    (x1, y1, x2, y2, x3, y3, x4, y4), NAN)
