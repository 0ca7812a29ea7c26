#include "target_properties.h"

#include <cstring>

#include "shortcut_core.h"

std::size_t SplitPath(const std::string& path, std::vector<std::string>& components) {
  const std::size_t length = path.size();
  if (length == 0) return 0;
  std::size_t count = 0;
  std::size_t start = 0;
  std::size_t position = 0;
  while (position < length) {
    const unsigned char current = static_cast<unsigned char>(path[position]);
    if (current == '\\') {
      components.push_back(path.substr(start, position - start));
      ++count;
      start = position + 1;
    }
    // At the last position this reads the string's terminating zero, never past it.
    const unsigned char next = static_cast<unsigned char>(path.c_str()[position + 1]);
    position += IsDoubleByteChar(current, next) ? 2 : 1;
  }
  // A bare name is no component, and a trailing backslash leaves nothing after it.
  if (start != 0 && start != length) {
    components.push_back(path.substr(start));
    ++count;
  }
  return count;
}

bool IsPropertiesDialog(WindowId window, const std::string& name) {
  if (!WindowExists(window)) return false;
  if (!WindowIsVisible(window)) return false;

  char className[kWindowTextBuffer] = {};
  if (ReadClassName(window, className) == 0) return false;
  className[kWindowTextBuffer - 1] = '\0';  // whatever was written, the text ends here
  if (std::strcmp(className, kDialogClass) != 0) return false;

  char title[kWindowTextBuffer] = {};
  if (ReadWindowTitle(window, title) == 0) return false;
  title[kWindowTextBuffer - 1] = '\0';
  // The shell's wording after the name differs between systems; only the start counts.
  const std::size_t titleLength = std::strlen(title);
  if (titleLength < name.size()) return false;
  return std::memcmp(title, name.data(), name.size()) == 0;
}

bool ScanForDialog(const std::string& name) {
  for (WindowId window = TopWindow(); window != 0; window = NextWindow(window)) {
    if (IsPropertiesDialog(window, name)) return true;
  }
  return false;
}

void WatchForDialog(const std::string& name) {
  // The shell opens the dialog on its own time, so it is given a minute to show up. The
  // pause follows every scan, the one that finds it too.
  for (int scan = 0; scan < kAppearanceScans; ++scan) {
    const bool found = ScanForDialog(name);
    PauseOneSecond();
    if (found) break;
  }
  // Entered even when the dialog never showed up: one more look, then as long as it stays.
  bool found;
  do {
    found = ScanForDialog(name);
    PauseOneSecond();
  } while (found);
}

bool ToolAction(const std::string& targetPath) {
  std::vector<std::string> components;
  const std::size_t count = SplitPath(targetPath, components);
  if (count == 0) return false;
  // The dialog's title starts with the target's own name, the last component.
  const std::string dialogName = components[count - 1];
  // A refused request is not told apart from a slow shell: the watch simply finds nothing.
  ShowProperties(targetPath);
  WatchForDialog(dialogName);
  return true;
}
