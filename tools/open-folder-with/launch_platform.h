// The Windows calls of open-folder-with, one thin wrapper each. The program links
// launch_platform_win.cpp; the host unit tests supply a fake.
#pragma once

#include <cstdint>

// GetModuleFileNameA for the program's own file into kMaxPath bytes; returns the
// platform's count (0 on failure, kMaxPath when the path was cut).
std::uint32_t GetOwnModulePath(char* path);

// GetPrivateProfileStringA into value, kSettingSize bytes.
void ReadProfileString(const char* section, const char* key, const char* defaultValue,
                       char* value, const char* file);

// GetEnvironmentVariableA: the length of the value when it fitted in size bytes, else
// the size needed, terminating zero included; 0 when the variable is missing or empty.
std::uint32_t GetEnvironmentValue(const char* name, char* buffer, std::uint32_t size);

// SetEnvironmentVariableA; the result is not used.
void SetEnvironmentValue(const char* name, const char* value);

// CreateProcessA of commandLine (writable), in currentDirectory or, when null, in ours;
// neither waits for the process nor closes its handles. True when it was created.
bool StartProcess(char* commandLine, const char* currentDirectory);
