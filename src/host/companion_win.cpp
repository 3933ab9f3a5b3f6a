#include <windows.h>

#include <cmath>
#include <cstring>

#include "host/companion.h"

namespace tarvo {
namespace {

HMODULE g_module = nullptr;

struct Bindings {
    knl::MajorFn major, minor;
    knl::VersFn vers;
    knl::YmdToJdnFn ymdToJdn;
    knl::JdnToYmdFn jdnToYmd;
    knl::EasterFn easter;
    knl::QckUpperFn qckUpper;
    knl::NumHexaFn numHexa;
    knl::StrHexaFn strHexa;
    knl::StrHtosFn strHtos;
    knl::StrPadlFn strPadl;
    knl::VolumeTextFn volumeName, fileSystemName;
    knl::VolumeValueFn volumeSerial, maxFileLength;
    knl::DiskCountFn diskSpace, diskSize, totalClusters, availClusters, sectorsPerCluster,
        bytesPerSector;
    knl::ZipFn zip, unzip;
    knl::MciSendFn mciSend;
    knl::CdFn cd[7];
    knl::EmptyClipboardFn emptyClipboard;
    knl::Geom4Fn distance, pente, origin;
    knl::Geom6Fn triangle;
    knl::Geom8Fn xIntersection, yIntersection;
};
Bindings g_fn{};

template <typename T>
void Bind(T& slot, const char* name) {
    slot = g_module ? reinterpret_cast<T>(GetProcAddress(g_module, name)) : nullptr;
}

void BindAll() {
    Bind(g_fn.major, "_knl_major");
    Bind(g_fn.minor, "_knl_minor");
    Bind(g_fn.vers, "_knl_vers");
    Bind(g_fn.ymdToJdn, "_ymd_to_jdnl");
    Bind(g_fn.jdnToYmd, "_jdnl_to_ymd");
    Bind(g_fn.easter, "_easter");
    Bind(g_fn.qckUpper, "_QckUpper");
    Bind(g_fn.numHexa, "_TARVO_NUM_hexa");
    Bind(g_fn.strHexa, "_TARVO_STR_hexa");
    Bind(g_fn.strHtos, "_TARVO_STR_htos");
    Bind(g_fn.strPadl, "_TARVO_STR_padl");
    Bind(g_fn.volumeName, "_TARVO_SYS_VolumeName");
    Bind(g_fn.fileSystemName, "_TARVO_SYS_FileSystemName");
    Bind(g_fn.volumeSerial, "_TARVO_SYS_VolumeSerial");
    Bind(g_fn.maxFileLength, "_TARVO_SYS_MaxFileLength");
    Bind(g_fn.diskSpace, "_TARVO_diskspace");
    Bind(g_fn.diskSize, "_TARVO_DiskSize");
    Bind(g_fn.totalClusters, "_TARVO_total_clusters");
    Bind(g_fn.availClusters, "_TARVO_avail_clusters");
    Bind(g_fn.sectorsPerCluster, "_TARVO_sectors_per_cluster");
    Bind(g_fn.bytesPerSector, "_TARVO_bytes_per_sector");
    Bind(g_fn.zip, "_TARVO_QX_FIL_zip");
    Bind(g_fn.unzip, "_TARVO_QX_FIL_unzip");
    Bind(g_fn.mciSend, "_TARVO_QX_MCI_send");
    static const char* const cdNames[7] = {"_TARVO_QX_CD_open",  "_TARVO_QX_CD_close",
                                           "_TARVO_QX_CD_play",  "_TARVO_QX_CD_stop",
                                           "_TARVO_QX_CD_start", "_TARVO_QX_CD_home",
                                           "_TARVO_QX_CD_end"};
    for (int i = 0; i < 7; ++i) Bind(g_fn.cd[i], cdNames[i]);
    Bind(g_fn.emptyClipboard, "_QX_EmptyClipboard");
    Bind(g_fn.distance, "_QX_distance");
    Bind(g_fn.pente, "_QX_pente");
    Bind(g_fn.origin, "_QX_origin");
    Bind(g_fn.triangle, "_QX_TriangleSurface");
    Bind(g_fn.xIntersection, "_QX_X_intersection");
    Bind(g_fn.yIntersection, "_QX_Y_intersection");
}

constexpr int kMciNoDevice = 263;

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

int KnlMajor() { return g_fn.major ? g_fn.major() : 0; }
int KnlMinor() { return g_fn.minor ? g_fn.minor() : 0; }
void KnlVers(char* b) { if (g_fn.vers) g_fn.vers(b); }
std::int32_t YmdToJdn(int y, int m, int d) { return g_fn.ymdToJdn ? g_fn.ymdToJdn(y, m, d, 0) : 0; }
bool JdnToYmd(std::int32_t jdn, int* y, int* m, int* d) {
    if (!g_fn.jdnToYmd) return false;
    g_fn.jdnToYmd(jdn, y, m, d, 0);
    return true;
}
bool Easter(int year, int* month, int* day) {
    if (!g_fn.easter) return false;
    g_fn.easter(year, month, day);
    return true;
}
int QckUpper(int c) { return g_fn.qckUpper ? g_fn.qckUpper(c) : c; }
void NumHexa(char* b, std::int32_t n) { if (g_fn.numHexa) g_fn.numHexa(b, n); }
void StrHexa(const char* t, char* b, int n) { if (g_fn.strHexa) g_fn.strHexa(t, b, n); }
void StrHtos(const char* t, char* b, int n) { if (g_fn.strHtos) g_fn.strHtos(t, b, n); }
void StrPadl(const char* t, char* b, int w, int pad) { if (g_fn.strPadl) g_fn.strPadl(t, b, w, pad); }
int VolumeName(const char* r, char* b, int s) { return g_fn.volumeName ? g_fn.volumeName(r, b, s) : 0; }
int FileSystemName(const char* r, char* b, int s) {
    return g_fn.fileSystemName ? g_fn.fileSystemName(r, b, s) : 0;
}
int VolumeSerial(const char* r, std::uint32_t* v) { return g_fn.volumeSerial ? g_fn.volumeSerial(r, v) : 0; }
int MaxFileLength(const char* r, std::uint32_t* v) {
    return g_fn.maxFileLength ? g_fn.maxFileLength(r, v) : 0;
}
std::uint32_t DiskSpace(const char* d) { return g_fn.diskSpace ? g_fn.diskSpace(d) : 0; }
std::uint32_t DiskSize(const char* d) { return g_fn.diskSize ? g_fn.diskSize(d) : 0; }
std::uint32_t TotalClusters(const char* d) { return g_fn.totalClusters ? g_fn.totalClusters(d) : 0; }
std::uint32_t AvailClusters(const char* d) { return g_fn.availClusters ? g_fn.availClusters(d) : 0; }
std::uint32_t SectorsPerCluster(const char* d) {
    return g_fn.sectorsPerCluster ? g_fn.sectorsPerCluster(d) : 0;
}
std::uint32_t BytesPerSector(const char* d) { return g_fn.bytesPerSector ? g_fn.bytesPerSector(d) : 0; }
int ZipFile(const char* s, const char* t) { return g_fn.zip ? g_fn.zip(s, t) : 0; }
int UnzipFile(const char* s, const char* t) { return g_fn.unzip ? g_fn.unzip(s, t) : 0; }
int MciSend(const char* c, char* r) { return g_fn.mciSend ? g_fn.mciSend(c, r) : kMciNoDevice; }
int CdCommand(CdAction a, char* r) {
    knl::CdFn fn = g_fn.cd[static_cast<int>(a)];
    return fn ? fn(r) : kMciNoDevice;
}
int EmptyClipboardOf(std::uint32_t hwnd) { return g_fn.emptyClipboard ? g_fn.emptyClipboard(hwnd) : 0; }
double Distance(float a, float b, float c, float d) { return g_fn.distance ? g_fn.distance(a, b, c, d) : NAN; }
double Pente(float a, float b, float c, float d) { return g_fn.pente ? g_fn.pente(a, b, c, d) : NAN; }
double Origin(float a, float b, float c, float d) { return g_fn.origin ? g_fn.origin(a, b, c, d) : NAN; }
double TriangleSurface(float a, float b, float c, float d, float e, float f) {
    return g_fn.triangle ? g_fn.triangle(a, b, c, d, e, f) : NAN;
}
double XIntersection(float a, float b, float c, float d, float e, float f, float g, float h) {
    return g_fn.xIntersection ? g_fn.xIntersection(a, b, c, d, e, f, g, h) : NAN;
}
double YIntersection(float a, float b, float c, float d, float e, float f, float g, float h) {
    return g_fn.yIntersection ? g_fn.yIntersection(a, b, c, d, e, f, g, h) : NAN;
}

}  // namespace tarvo
