// The Windows side of open-folder-with: each function makes the call its name says and no
// decision of its own.
#include <windows.h>

#include "launch_platform.h"
#include "open_folder_with.h"
#include "shortcut_core.h"

std::uint32_t GetOwnModulePath(char* path) {
  return GetModuleFileNameA(nullptr, path, kMaxPath);
}

void ReadProfileString(const char* section, const char* key, const char* defaultValue,
                       char* value, const char* file) {
  GetPrivateProfileStringA(section, key, defaultValue, value, kSettingSize, file);
}

std::uint32_t GetEnvironmentValue(const char* name, char* buffer, std::uint32_t size) {
  return GetEnvironmentVariableA(name, buffer, size);
}

void SetEnvironmentValue(const char* name, const char* value) {
  SetEnvironmentVariableA(name, value);
}

bool StartProcess(char* commandLine, const char* currentDirectory) {
  STARTUPINFOA startupInfo = {};
  startupInfo.cb = sizeof startupInfo;
  PROCESS_INFORMATION processInfo = {};
  const BOOL created = CreateProcessA(nullptr,           // lpApplicationName
                                      commandLine,       // lpCommandLine
                                      nullptr,           // lpProcessAttributes
                                      nullptr,           // lpThreadAttributes
                                      FALSE,             // bInheritHandles
                                      0,                 // dwCreationFlags
                                      nullptr,           // lpEnvironment
                                      currentDirectory,  // lpCurrentDirectory
                                      &startupInfo,      // lpStartupInfo
                                      &processInfo);     // lpProcessInformation
  return created != FALSE;
}
