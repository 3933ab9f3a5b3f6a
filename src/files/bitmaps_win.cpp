// Bitmap file headers read through the Windows file functions.
#include <windows.h>

#include "files/bitmaps.h"
#include "files/open_file.h"

namespace tarvo {
namespace {

// Read access, sharing reading and writing, existing files only.
void OpenForReading(OpenFile& f, const char* file) {
    f.h = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::size_t ReadSome(void* ctx, unsigned char* buffer, std::size_t n) {
    DWORD got = 0;
    const DWORD ask = n > 0x100000 ? 0x100000 : static_cast<DWORD>(n);
    if (!ReadFile(static_cast<OpenFile*>(ctx)->h, buffer, ask, &got, nullptr)) return 0;
    return got;
}

}  // namespace

bool BmpIsBmp(const char* file) {
    OpenFile f;
    OpenForReading(f, file);
    if (!f.ok()) return false;
    unsigned char header[kBitmapFileHeaderSize];
    DWORD got = 0;
    SetFilePointer(f.h, 0, nullptr, FILE_BEGIN);
    if (!ReadFile(f.h, header, sizeof header, &got, nullptr)) return false;
    return HasBitmapSignature(header, got);
}

std::int32_t BmpHeader(const char* file) {
    BitmapValues& values = KeptBitmapValues();
    values.width = values.height = -1;
    OpenFile f;
    OpenForReading(f, file);
    if (!f.ok()) return -1;
    LARGE_INTEGER length{};
    GetFileSizeEx(f.h, &length);
    SetFilePointer(f.h, 0, nullptr, FILE_BEGIN);
    const ByteSource source{&f, static_cast<std::uint64_t>(length.QuadPart), ReadSome};
    const BitmapHeader header = ReadBitmapHeader(source);
    KeepBitmapHeader(values, header);
    return header.code;
}

}  // namespace tarvo
