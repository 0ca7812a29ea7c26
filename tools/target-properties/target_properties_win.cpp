// The Windows side of target-properties: one call per function, no decisions.
#include <windows.h>
#include <shellapi.h>

#include "target_properties.h"

namespace {
HWND Handle(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId Id(HWND window) { return reinterpret_cast<WindowId>(window); }
}  // namespace

bool ShowProperties(const std::string& path) {
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;                 // cbSize
  info.fMask = SEE_MASK_INVOKEIDLIST;        // fMask: the verb is run on the item itself
  info.hwnd = nullptr;                       // hwnd: the dialog has no owner
  info.lpVerb = "properties";                // lpVerb
  info.lpFile = path.c_str();                // lpFile: the whole target path
  info.lpParameters = nullptr;               // lpParameters
  info.lpDirectory = nullptr;                // lpDirectory
  info.nShow = SW_HIDE;                      // nShow: 0
  // No SEE_MASK_NOCLOSEPROCESS: no process handle comes back, so none has to be closed.
  return ShellExecuteExA(&info) != FALSE;
}

WindowId TopWindow() { return Id(GetTopWindow(GetDesktopWindow())); }

WindowId NextWindow(WindowId window) { return Id(GetWindow(Handle(window), GW_HWNDNEXT)); }

bool WindowExists(WindowId window) { return IsWindow(Handle(window)) != FALSE; }

bool WindowIsVisible(WindowId window) { return IsWindowVisible(Handle(window)) != FALSE; }

int ReadClassName(WindowId window, char* buffer) {
  return GetClassNameA(Handle(window), buffer, static_cast<int>(kWindowTextBuffer));
}

int ReadWindowTitle(WindowId window, char* buffer) {
  return GetWindowTextA(Handle(window), buffer, static_cast<int>(kWindowTextBuffer));
}

void PauseOneSecond() { Sleep(1000); }
