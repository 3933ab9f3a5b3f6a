// Rows that are one Windows call and one result. A Windows function whose
// parameters and result are integers is a row as it is (`Fn<&GetSysColor>`:
// its parameters are the row's integers, its result the integer answered);
// the templates below cover the other shapes: a BOOL answered as a logical,
// a field of a record Windows fills, a call on the host's main window, a
// text Windows writes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <type_traits>

#include "host/grown_text.h"
#include "host/services.h"
#include "system/sysinfo.h"

namespace tarvo {

// A BOOL-answering function as a logical: Succeeded<&SetCaretPos>.
template <auto F>
struct SucceededCall;
template <typename R, typename... A, R(WINAPI* F)(A...)>
struct SucceededCall<F> {
    static bool Call(A... a) { return F(a...) != 0; }
};
template <auto F>
inline constexpr auto Succeeded = &SucceededCall<F>::Call;

// A field of a record as a 32-bit integer: a 32-bit field as it is (read
// as signed), an address or a 64-bit count held at 2147483647.
template <typename T>
std::int32_t FieldValue(T value) {
    if constexpr (std::is_pointer_v<T>)
        return Saturated32(reinterpret_cast<std::uintptr_t>(value));
    else if constexpr (sizeof(T) > 4)
        return Saturated32(static_cast<std::uint64_t>(value));
    else
        return static_cast<std::int32_t>(value);
}

// A field of GetSystemInfo's record.
template <auto Field>
std::int32_t SystemInfoField() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return FieldValue(info.*Field);
}

// A field of GetSystemPowerStatus's record, zeroed first (a failing call
// leaves zeros).
template <auto Field>
std::int32_t PowerField() {
    SYSTEM_POWER_STATUS status = {};
    GetSystemPowerStatus(&status);
    return static_cast<std::int32_t>(status.*Field);
}

// A field of GetVersionExA's record; -1 when the call fails.
template <auto Field>
std::int32_t VersionField() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) ? static_cast<std::int32_t>(info.*Field) : -1;
}

// A coordinate of the caret (GetCaretPos); -1 when the call fails.
template <auto Axis>
std::int32_t CaretCoordinate() {
    POINT p;
    return GetCaretPos(&p) ? static_cast<std::int32_t>(p.*Axis) : -1;
}

// A BOOL-answering function of the host's main window, as a logical.
template <BOOL(WINAPI* F)(HWND)>
bool OfMainWindow() {
    return F(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow()))) != 0;
}

// A folder Windows writes into an area it sizes (GetWindowsDirectoryA,
// GetSystemDirectoryA: the area first, its size second), of any length.
template <UINT(WINAPI* F)(LPSTR, UINT)>
std::string SystemFolder() {
    return GrownText([](char* area, std::uint32_t size) { return F(area, size); });
}

// An entry of SYSTEM.INI, cut at 132 characters as the library always has
// (the empty text when it is missing).
template <const char* Section, const char* Key>
std::string SystemIni() {
    char text[133] = {};
    GetPrivateProfileStringA(Section, Key, "", text, sizeof text, "SYSTEM.INI");
    return text;
}

}  // namespace tarvo
