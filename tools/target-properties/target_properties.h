// target-properties: asks the shell for the Properties dialog of the target, then keeps
// the program alive while that dialog is open, watching the top-level windows once a
// second. The decisions live in target_properties.cpp; target_properties_win.cpp holds
// one thin wrapper per Windows call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A top-level window as the watch sees it; 0 is no window.
using WindowId = std::uintptr_t;

// Class names and titles are read into zero-filled buffers of this size.
constexpr std::size_t kWindowTextBuffer = 512;

// The class of the system's dialogs, which the Properties dialog is one of.
constexpr char kDialogClass[] = "#32770";

// How many scans the dialog is given to show up before the watch stops waiting for it.
constexpr int kAppearanceScans = 60;

// Appends the backslash-separated components of path, left to right, walking double-byte
// characters whole; returns how many it appended. A path without a backslash gives none,
// and a trailing backslash adds no empty component at the end.
std::size_t SplitPath(const std::string& path, std::vector<std::string>& components);

// Whether the window is taken for the dialog: it exists, is visible, has the class
// "#32770" exactly, and has a title whose first bytes are the name, case and all.
bool IsPropertiesDialog(WindowId window, const std::string& name);

// One pass over the top-level windows from the top of the Z order; true at the first
// window that IsPropertiesDialog takes for the dialog.
bool ScanForDialog(const std::string& name);

// The two phases: up to kAppearanceScans scans until the dialog shows up, then scans for
// as long as it stays. A one-second pause follows every scan.
void WatchForDialog(const std::string& name);

// --- The Windows layer (target_properties_win.cpp; the unit tests supply their own). ---

// ShellExecuteExA with SEE_MASK_INVOKEIDLIST and the verb "properties" on the path;
// returns its result.
bool ShowProperties(const std::string& path);

// GetTopWindow(GetDesktopWindow()) and GetWindow(window, GW_HWNDNEXT).
WindowId TopWindow();
WindowId NextWindow(WindowId window);

// IsWindow and IsWindowVisible.
bool WindowExists(WindowId window);
bool WindowIsVisible(WindowId window);

// GetClassNameA and GetWindowTextA into a buffer of kWindowTextBuffer bytes; each returns
// the platform's count, 0 on failure or for an empty title.
int ReadClassName(WindowId window, char* buffer);
int ReadWindowTitle(WindowId window, char* buffer);

// Sleep(1000).
void PauseOneSecond();
