#include <windows.h>

#include <cmath>
#include <cstring>

#include "host/companion.h"

namespace tarvo {
namespace {

HMODULE g_module = nullptr;

// One slot per function of kernel/kernel_list.h, named by its internal name;
// null when the module or that one function is missing.
struct Bindings {
#define KNL(name, ret, params, args, fail) knl::Fn##name k##name;
#include "kernel/kernel_list.h"
#undef KNL
};
Bindings g_fn{};

template <typename T>
void Bind(T& slot, const char* name) {
    slot = g_module ? reinterpret_cast<T>(GetProcAddress(g_module, name)) : nullptr;
}

void BindAll() {
#define KNL(name, ret, params, args, fail) Bind(g_fn.k##name, #name);
#include "kernel/kernel_list.h"
#undef KNL
}

// Call_knl_major(), Call_TARVO_STR_padl(text, buffer, widthPlus1, pad), ...:
// each function through its slot, or its failure value when the slot is null.
#define KNL(name, ret, params, args, fail) \
    ret Call##name params { return g_fn.k##name ? g_fn.k##name args : fail; }
#include "kernel/kernel_list.h"
#undef KNL

}  // namespace

bool LoadCompanion(bool* loaded) {
    *loaded = false;
    char path[256 + 16];
    UINT n = GetSystemDirectoryA(path, 256);
    if (n == 0 || n >= 256) return false;
    std::strcat(path, "\\KERNEL.DLL");
    g_module = LoadLibraryA(path);
    BindAll();
    *loaded = g_module != nullptr;
    return true;
}

bool FreeCompanion() {
    if (!g_module) return true;
    bool ok = FreeLibrary(g_module) != 0;
    g_module = nullptr;
    BindAll();
    return ok;
}

bool CompanionLoaded() { return g_module != nullptr; }

int KnlMajor() { return Call_knl_major(); }
int KnlMinor() { return Call_knl_minor(); }
void KnlVers(char* b) { Call_knl_vers(b); }
std::int32_t YmdToJdn(int y, int m, int d) { return Call_ymd_to_jdnl(y, m, d, 0); }
bool JdnToYmd(std::int32_t jdn, int* y, int* m, int* d) {
    Call_jdnl_to_ymd(jdn, y, m, d, 0);
    return g_fn.k_jdnl_to_ymd != nullptr;
}
bool Easter(int year, int* month, int* day) {
    Call_easter(year, month, day);
    return g_fn.k_easter != nullptr;
}
int QckUpper(int c) { return Call_QckUpper(c); }
void NumHexa(char* b, std::int32_t n) { Call_TARVO_NUM_hexa(b, n); }
void StrHexa(const char* t, char* b, int n) { Call_TARVO_STR_hexa(t, b, n); }
void StrHtos(const char* t, char* b, int n) { Call_TARVO_STR_htos(t, b, n); }
void StrPadl(const char* t, char* b, int w, int pad) { Call_TARVO_STR_padl(t, b, w, pad); }
int VolumeName(const char* r, char* b, int s) { return Call_TARVO_SYS_VolumeName(r, b, s); }
int FileSystemName(const char* r, char* b, int s) { return Call_TARVO_SYS_FileSystemName(r, b, s); }
int VolumeSerial(const char* r, std::uint32_t* v) { return Call_TARVO_SYS_VolumeSerial(r, v); }
int MaxFileLength(const char* r, std::uint32_t* v) { return Call_TARVO_SYS_MaxFileLength(r, v); }
std::uint32_t DiskSpace(const char* d) { return Call_TARVO_diskspace(d); }
std::uint32_t DiskSize(const char* d) { return Call_TARVO_DiskSize(d); }
std::uint32_t TotalClusters(const char* d) { return Call_TARVO_total_clusters(d); }
std::uint32_t AvailClusters(const char* d) { return Call_TARVO_avail_clusters(d); }
std::uint32_t SectorsPerCluster(const char* d) { return Call_TARVO_sectors_per_cluster(d); }
std::uint32_t BytesPerSector(const char* d) { return Call_TARVO_bytes_per_sector(d); }
int ZipFile(const char* s, const char* t) { return Call_TARVO_QX_FIL_zip(s, t); }
int UnzipFile(const char* s, const char* t) { return Call_TARVO_QX_FIL_unzip(s, t); }
int MciSend(const char* c, char* r) { return Call_TARVO_QX_MCI_send(c, r); }
int CdCommand(CdAction a, char* r) {
    switch (a) {
        case CdAction::Open: return Call_TARVO_QX_CD_open(r);
        case CdAction::Close: return Call_TARVO_QX_CD_close(r);
        case CdAction::Play: return Call_TARVO_QX_CD_play(r);
        case CdAction::Stop: return Call_TARVO_QX_CD_stop(r);
        case CdAction::Start: return Call_TARVO_QX_CD_start(r);
        case CdAction::Home: return Call_TARVO_QX_CD_home(r);
        case CdAction::End: return Call_TARVO_QX_CD_end(r);
    }
    return 263;  // MCIERR_INVALID_DEVICE_NAME, as for a missing function
}
int EmptyClipboardOf(std::uint32_t hwnd) { return Call_QX_EmptyClipboard(hwnd); }
double Distance(float a, float b, float c, float d) { return Call_QX_distance(a, b, c, d); }
double Pente(float a, float b, float c, float d) { return Call_QX_pente(a, b, c, d); }
double Origin(float a, float b, float c, float d) { return Call_QX_origin(a, b, c, d); }
double TriangleSurface(float a, float b, float c, float d, float e, float f) {
    return Call_QX_TriangleSurface(a, b, c, d, e, f);
}
double XIntersection(float a, float b, float c, float d, float e, float f, float g, float h) {
    return Call_QX_X_intersection(a, b, c, d, e, f, g, h);
}
double YIntersection(float a, float b, float c, float d, float e, float f, float g, float h) {
    return Call_QX_Y_intersection(a, b, c, d, e, f, g, h);
}

}  // namespace tarvo
