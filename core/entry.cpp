#include "platform.h"
#include "shortcut_core.h"

bool PathExists(const char* path, bool allowDirectory) {
  std::uint32_t attributes = 0;
  if (!QueryFileAttributes(path, &attributes)) return false;
  if (!allowDirectory && (attributes & kFileAttributeDirectory) != 0) return false;
  return true;
}

int RunEntry(int argc, char** argv) {
  if (argc < 2) {
    ShowErrorBox(MessageText[MissingArgument], kEntryCaption);
    return 0;
  }
  const char* shortcutPath = argv[1];
  std::string targetPath;
  ResolveShortcutTarget(shortcutPath, targetPath);
  if (PathExists(targetPath.c_str(), true)) {
    ToolAction(targetPath);
  } else {
    const std::string notFound = targetPath + MessageText[NotFoundSuffix];
    ShowErrorBox(notFound.c_str(), kEntryCaption);
  }
  return 0;
}
