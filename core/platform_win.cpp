// The Windows side of the core: each function makes the call its name says and no
// decision of its own.
#include <windows.h>
#include <msi.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <climits>
#include <cstring>
#include <vector>

#include "platform.h"
#include "shortcut_core.h"

#if !defined(_WIN64)
// The tools are built for 32-bit Windows first; these sizes are the ones they rely on.
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA is 68 bytes on 32-bit Windows");
static_assert(sizeof(SHELLEXECUTEINFOA) == 60,
              "SHELLEXECUTEINFOA is 60 bytes on 32-bit Windows");
#endif
static_assert(kMaxPath == MAX_PATH, "platform buffers are MAX_PATH bytes");

bool QueryFileAttributes(const char* path, std::uint32_t* attributes) {
  const DWORD value = GetFileAttributesA(path);
  if (value == INVALID_FILE_ATTRIBUTES) return false;
  *attributes = value;
  return true;
}

void ShowErrorBox(const char* text, const char* caption) {
  MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONERROR);
}

std::uint32_t InstallerGetShortcutTarget(const char* shortcutPath, char* productCode,
                                         char* featureId, char* componentCode) {
  return MsiGetShortcutTargetA(shortcutPath, productCode, featureId, componentCode);
}

void InstallerGetComponentPath(const char* productCode, const char* componentCode,
                               char* path, std::uint32_t* pathLength) {
  DWORD length = *pathLength;
  MsiGetComponentPathA(productCode, componentCode, path, &length);
  *pathLength = length;
}

void ComInitialize() { CoInitialize(nullptr); }

void ComUninitialize() { CoUninitialize(); }

void ReadShellLinkPath(const char* shortcutPath, std::size_t length, char* path) {
  std::memset(path, 0, kMaxPath);
  IShellLinkA* shellLink = nullptr;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                   reinterpret_cast<void**>(&shellLink));
  if (shellLink == nullptr) return;

  // len + 1 zero-filled units: the conversion writes at most len, so the text ends.
  std::vector<wchar_t> widePath(length + 1, L'\0');
  if (length > 0 && length <= INT_MAX) {
    MultiByteToWideChar(CP_ACP, 0, shortcutPath, static_cast<int>(length), widePath.data(),
                        static_cast<int>(length));
  }

  IPersistFile* persistFile = nullptr;
  shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persistFile));
  if (persistFile == nullptr) {
    shellLink->Release();
    return;
  }
  persistFile->Load(widePath.data(), STGM_READ);
  persistFile->Release();
  std::vector<wchar_t>().swap(widePath);

  std::memset(path, 0, kMaxPath);
  WIN32_FIND_DATAA findData = {};
  shellLink->GetPath(path, static_cast<int>(kMaxPath), &findData, 0);
  shellLink->Release();
}
