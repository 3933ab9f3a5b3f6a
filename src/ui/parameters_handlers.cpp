// System parameters through SystemParametersInfoA: getters read a zeroed
// 32-bit value, setters pass the new value as the integer argument and
// write it to the user's profile with a broadcast (update flags 3).
#include <windows.h>

#include <string>

#include "host/declare.h"
#include "system/version_word.h"

namespace tarvo {
namespace {

constexpr UINT kWriteAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

std::uint32_t g_wallpaperError = 0;

bool Windows95() { return (VersionWord() & 0x80000000u) != 0; }

template <UINT Action>
std::int32_t SpiNumber() {
    UINT value = 0;
    SystemParametersInfoA(Action, 0, &value, 0);
    return static_cast<std::int32_t>(value);
}
template <UINT Action>
bool SpiFlag() {
    return SpiNumber<Action>() != 0;
}
template <UINT Action>
bool SpiSetNumber(std::int32_t value) {
    return SystemParametersInfoA(Action, static_cast<UINT>(value), nullptr, kWriteAndBroadcast) != 0;
}
template <UINT Action>
bool SpiSetFlag(bool on) {
    return SpiSetNumber<Action>(on ? 1 : 0);
}

std::string SpiGetLanguageDriver() {
    char buffer[128] = {};
    SystemParametersInfoA(12, 0, buffer, 0);  // SPI_GETLANGDRIVER, which the headers leave out
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

bool SpiSetWallpaper(const char* file) {
    if (SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(file), kWriteAndBroadcast)) return true;
    g_wallpaperError = GetLastError();
    return false;
}
std::int32_t SpiGetLastError() { return static_cast<std::int32_t>(g_wallpaperError); }

bool SpiSetWorkArea(std::int32_t top, std::int32_t left, std::int32_t bottom, std::int32_t right) {
    if (!Windows95()) return false;
    RECT r{left, top, right, bottom};
    return SystemParametersInfoA(SPI_SETWORKAREA, 0, &r, 0) != 0;
}

std::string SpiGetWorkArea() {
    RECT r{};
    if (!Windows95() || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return "";
    return std::to_string(r.top) + "," + std::to_string(r.left) + "," + std::to_string(r.bottom) + "," +
           std::to_string(r.right);
}

bool SpiGetScreenReader() { return Windows95() && SpiFlag<SPI_GETSCREENREADER>(); }
bool SpiGetShowSounds() { return GetSystemMetrics(SM_SHOWSOUNDS) != 0; }

constexpr RowSpec kRows[] = {
#include "ui/parameters_rows.h"
};

}  // namespace

Family ParameterFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
