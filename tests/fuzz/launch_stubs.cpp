// Inert stand-ins for the Windows layers that the configuration logic's objects refer
// to; the harnesses call only pure functions, so none of these is ever reached.
#include <cstdlib>

#include "launch_platform.h"
#include "platform.h"

std::uint32_t GetOwnModulePath(char*) { std::abort(); }
void ReadProfileString(const char*, const char*, const char*, char*, const char*) {
  std::abort();
}
std::uint32_t GetEnvironmentValue(const char*, char*, std::uint32_t) { std::abort(); }
void SetEnvironmentValue(const char*, const char*) { std::abort(); }
bool StartProcess(char*, const char*) { std::abort(); }

bool QueryFileAttributes(const char*, std::uint32_t*) { std::abort(); }
void ShowErrorBox(const char*, const char*) { std::abort(); }
std::uint32_t InstallerGetShortcutTarget(const char*, char*, char*, char*) { std::abort(); }
void InstallerGetComponentPath(const char*, const char*, char*, std::uint32_t*) {
  std::abort();
}
void ComInitialize() { std::abort(); }
void ComUninitialize() { std::abort(); }
void ReadShellLinkPath(const char*, std::size_t, char*) { std::abort(); }
