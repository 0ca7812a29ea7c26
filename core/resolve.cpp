#include <cstring>

#include "platform.h"
#include "shortcut_core.h"

namespace {

// The text of a platform buffer up to its first zero, never more than kMaxPath - 1 bytes.
void AssignBufferText(std::string& target, const char* buffer) {
  std::size_t length = 0;
  while (length < kMaxPath - 1 && buffer[length] != '\0') ++length;
  target.assign(buffer, length);
}

}  // namespace

std::string& ResolveShortcutTarget(const char* shortcutPath, std::string& targetPath) {
  const std::size_t length = std::strlen(shortcutPath);
  char productCode[kMaxPath] = {};
  char featureId[kMaxPath] = {};
  char componentCode[kMaxPath] = {};
  char path[kMaxPath] = {};
  std::uint32_t pathLength = kMaxPath;

  // An advertised shortcut names an installed component; ask the Installer first.
  if (InstallerGetShortcutTarget(shortcutPath, productCode, featureId, componentCode) ==
      kInstallerSuccess) {
    InstallerGetComponentPath(productCode, componentCode, path, &pathLength);
    // Only the length decides: left at kMaxPath by a query that wrote nothing, it still
    // counts, and the (empty) buffer is the answer.
    if (pathLength != 0) {
      AssignBufferText(targetPath, path);
      return targetPath;
    }
  }

  // Otherwise read the file as a shell link, inside one COM initialisation.
  ComInitialize();
  ReadShellLinkPath(shortcutPath, length, path);
  AssignBufferText(targetPath, path);
  ComUninitialize();
  return targetPath;
}
