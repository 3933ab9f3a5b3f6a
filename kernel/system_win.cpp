// The exported functions that wrap Windows: the ANSI upper case, volumes and
// disk counts, MCI and the CD device, the clipboard.
#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <string>

#include "kernel/drive_path.h"
#include "kernel/exports.h"

namespace {

// Drive texts go through RootPathOf ("C", "C:" and "C:\" all mean C:\); the
// empty text means the current drive. Critical-error boxes ("no disk in
// drive A:") are kept off while a drive is asked, so that a query never
// blocks on a dialog.
class DriveQuery {
  public:
    explicit DriveQuery(const char* drive)
        : root_(knl::RootPathOf(drive)), oldMode_(SetErrorMode(SEM_FAILCRITICALERRORS)) {
        SetErrorMode(oldMode_ | SEM_FAILCRITICALERRORS);  // keep the caller's other flags
    }
    ~DriveQuery() { SetErrorMode(oldMode_); }
    DriveQuery(const DriveQuery&) = delete;
    DriveQuery& operator=(const DriveQuery&) = delete;
    const char* root() const { return root_.empty() ? nullptr : root_.c_str(); }

  private:
    std::string root_;
    UINT oldMode_;
};

struct VolumeInfo {
    char name[MAX_PATH + 1];
    char fileSystem[MAX_PATH + 1];
    DWORD serial, maxComponent, flags;
};

// The helpers below answer failure rather than let an exception (only
// std::bad_alloc of the root path is possible) reach the caller.
bool GetVolume(const char* drive, VolumeInfo* v) try {
    std::memset(v, 0, sizeof *v);
    DriveQuery q(drive);
    return GetVolumeInformationA(q.root(), v->name, sizeof v->name, &v->serial, &v->maxComponent,
                                 &v->flags, v->fileSystem, sizeof v->fileSystem) != 0;
} catch (...) {
    return false;
}

// Copies as much of text as size allows, always terminated.
int CopyOut(const char* text, char* buffer, int size) {
    const std::size_t n = std::strlen(text);
    const std::size_t room = static_cast<std::size_t>(size) - 1;
    const std::size_t copy = n < room ? n : room;
    std::memcpy(buffer, text, copy);
    buffer[copy] = '\0';
    return 1;
}

struct Clusters {
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
};

// GetDiskFreeSpaceA; all zero when it fails.
Clusters GetClusters(const char* drive) try {
    Clusters c{};
    DriveQuery q(drive);
    if (!GetDiskFreeSpaceA(q.root(), &c.sectorsPerCluster, &c.bytesPerSector, &c.freeClusters,
                           &c.totalClusters))
        c = Clusters{};
    return c;
} catch (...) {
    return Clusters{};
}

// Free bytes available to the caller and total bytes: GetDiskFreeSpaceExA
// where the system has it (not the first Windows 95), else the cluster
// counts, which that system limits to 2 GB anyway.
bool GetBytes(const char* drive, ULONGLONG* available, ULONGLONG* total) try {
    using ExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    static const ExFn ex = reinterpret_cast<ExFn>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA"));
    if (ex) {
        DriveQuery q(drive);
        ULARGE_INTEGER avail, all, free;
        if (!ex(q.root(), &avail, &all, &free)) return false;
        *available = avail.QuadPart;
        *total = all.QuadPart;
        return true;
    }
    const Clusters c = GetClusters(drive);
    if (c.bytesPerSector == 0) return false;
    const ULONGLONG cluster = ULONGLONG(c.sectorsPerCluster) * c.bytesPerSector;
    *available = cluster * c.freeClusters;
    *total = cluster * c.totalClusters;
    return true;
} catch (...) {
    return false;
}

// The CD device: opened under the alias QXCD, every other command addresses
// that alias. Each function answers the MCI error code of its command (0 on
// success) and leaves the command's reply in the caller's buffer (200
// characters); a failed command leaves the reply empty.
int Mci(const char* command, char* reply) {
    if (reply) reply[0] = '\0';
    if (!command) return MCIERR_MISSING_COMMAND_STRING;
    return static_cast<int>(mciSendStringA(command, reply, reply ? knl::kReplyLength : 0, nullptr));
}

}  // namespace

extern "C" {

// The upper case of one character in the system's ANSI code page ('a' gives
// 'A', 0xE9 gives 0xC9 in code page 1252); only the low byte of c counts and
// the answer is 0 to 255.
int KNL_CALL k_QckUpper(int c) {
    char b = static_cast<char>(c & 0xFF);
    if (b != '\0') CharUpperBuffA(&b, 1);
    return static_cast<unsigned char>(b);
}

// Volume label and file-system name: nonzero on success, the text (cut to
// size - 1 characters) in buffer; zero and an empty buffer on failure.
int KNL_CALL k_TARVO_SYS_VolumeName(const char* root, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    VolumeInfo v;
    return GetVolume(root, &v) ? CopyOut(v.name, buffer, size) : 0;
}

int KNL_CALL k_TARVO_SYS_FileSystemName(const char* root, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    VolumeInfo v;
    return GetVolume(root, &v) ? CopyOut(v.fileSystem, buffer, size) : 0;
}

// Serial number and maximum file-name component length: nonzero on success,
// the value in *value; zero on failure, *value untouched.
int KNL_CALL k_TARVO_SYS_VolumeSerial(const char* root, std::uint32_t* value) {
    VolumeInfo v;
    if (!value || !GetVolume(root, &v)) return 0;
    *value = v.serial;
    return 1;
}

int KNL_CALL k_TARVO_SYS_MaxFileLength(const char* root, std::uint32_t* value) {
    VolumeInfo v;
    if (!value || !GetVolume(root, &v)) return 0;
    *value = v.maxComponent;
    return 1;
}

// Disk counts; 0 when the drive cannot be asked. Byte counts are saturated
// at 0x7FFFFFFF (see ByteCount32).
std::uint32_t KNL_CALL k_TARVO_diskspace(const char* drive) {
    ULONGLONG available = 0, total = 0;
    return GetBytes(drive, &available, &total) ? knl::ByteCount32(available) : 0;
}

std::uint32_t KNL_CALL k_TARVO_DiskSize(const char* drive) {
    ULONGLONG available = 0, total = 0;
    return GetBytes(drive, &available, &total) ? knl::ByteCount32(total) : 0;
}

std::uint32_t KNL_CALL k_TARVO_total_clusters(const char* drive) { return GetClusters(drive).totalClusters; }
std::uint32_t KNL_CALL k_TARVO_avail_clusters(const char* drive) { return GetClusters(drive).freeClusters; }
std::uint32_t KNL_CALL k_TARVO_sectors_per_cluster(const char* drive) {
    return GetClusters(drive).sectorsPerCluster;
}
std::uint32_t KNL_CALL k_TARVO_bytes_per_sector(const char* drive) { return GetClusters(drive).bytesPerSector; }

// Any MCI command string; the MCI error code, the reply in reply.
int KNL_CALL k_TARVO_QX_MCI_send(const char* command, char* reply) { return Mci(command, reply); }

int KNL_CALL k_TARVO_QX_CD_open(char* reply) { return Mci("open cdaudio alias QXCD", reply); }
int KNL_CALL k_TARVO_QX_CD_close(char* reply) { return Mci("close QXCD", reply); }
// Plays from the current position on.
int KNL_CALL k_TARVO_QX_CD_play(char* reply) { return Mci("play QXCD", reply); }
int KNL_CALL k_TARVO_QX_CD_stop(char* reply) { return Mci("stop QXCD", reply); }
// Plays from the beginning of the disc: seeks to its start, then plays.
int KNL_CALL k_TARVO_QX_CD_start(char* reply) {
    const int rc = Mci("seek QXCD to start", reply);
    return rc != 0 ? rc : Mci("play QXCD", reply);
}
// Moves to the beginning or the end of the disc without playing.
int KNL_CALL k_TARVO_QX_CD_home(char* reply) { return Mci("seek QXCD to start", reply); }
int KNL_CALL k_TARVO_QX_CD_end(char* reply) { return Mci("seek QXCD to end", reply); }

// Empties the clipboard on behalf of the window hwnd: nonzero when it could
// be opened and emptied. The clipboard is always closed again.
int KNL_CALL k_QX_EmptyClipboard(std::uint32_t hwnd) {
    if (!OpenClipboard(reinterpret_cast<HWND>(static_cast<UINT_PTR>(hwnd)))) return 0;
    const BOOL emptied = EmptyClipboard();
    CloseClipboard();
    return emptied ? 1 : 0;
}

}  // extern "C"
