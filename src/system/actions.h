// Processes and system actions: the functions behind the rows
// (actions_win.cpp, ports_win.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Lists.
std::string SysTasks(Opt<bool> ownThread, Opt<bool> invisible);
std::string SysProcesses(Opt<std::int32_t> kind);
std::string SysProcessesId();
bool SysKillProcess(std::int32_t id);

// Ending the session, the host or the machine; the clock.
void SysExit(const char* machine, const char* message, std::int32_t seconds, bool force,
             bool restart);
void SysExitWindows(std::int32_t flags);
void SysFatalExit(const char* message);
bool SysSetLocalTime(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                     std::int32_t minute, std::int32_t second, std::int32_t millisecond);

// Programs, documents and libraries.
bool SysWinExec(const char* command, Opt<std::int32_t> show);
std::int32_t SysShellExecute(const char* operation, const char* file, const char* parameters,
                             const char* directory, Opt<std::int32_t> show);
void SysShellAbout(const char* title, const char* text, Opt<const char*> icon);
std::int32_t SysLoadLibrary(const char* file);
bool SysFreeLibrary(std::int32_t module);
std::int32_t SysExtractIcon(const char* file, std::int32_t index);

// Pauses, settings, ports.
void SysSleep(std::int32_t milliseconds);
bool SysBroadcast(const char* section);
void SysConfigurePort(const char* port);
// The processor's port instructions, on Windows 95 and 98 only.
inline constexpr std::int32_t kPortUnread = 256;
bool SysOutp(std::int32_t port, char byte);
std::int32_t SysInp(std::int32_t port);

}  // namespace tarvo
