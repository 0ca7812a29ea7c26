// The Windows calls that the core's flow makes, one thin wrapper each. The Windows
// build links platform_win.cpp; the host unit tests link a recording fake instead.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kFileAttributeDirectory = 0x10;
constexpr std::uint32_t kInstallerSuccess = 0;  // ERROR_SUCCESS

// GetFileAttributesA; false when the platform answers INVALID_FILE_ATTRIBUTES.
bool QueryFileAttributes(const char* path, std::uint32_t* attributes);

// MessageBoxA with no owner, one OK button and the error icon; the answer is not used.
void ShowErrorBox(const char* text, const char* caption);

// MsiGetShortcutTargetA into three buffers of kMaxPath bytes; returns its result code.
std::uint32_t InstallerGetShortcutTarget(const char* shortcutPath, char* productCode,
                                         char* featureId, char* componentCode);

// MsiGetComponentPathA into a buffer of kMaxPath bytes; the install state is not used.
void InstallerGetComponentPath(const char* productCode, const char* componentCode,
                               char* path, std::uint32_t* pathLength);

// CoInitialize and CoUninitialize of the calling thread.
void ComInitialize();
void ComUninitialize();

// Loads the file as a shell link and writes its target into path, kMaxPath bytes that
// are zero-filled first; leaves them zero when anything fails. length is the byte
// length of shortcutPath. Expects COM to be initialised.
void ReadShellLinkPath(const char* shortcutPath, std::size_t length, char* path);
