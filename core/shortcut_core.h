// The shortcut core: the entry flow that every tool shares, the resolution of a
// shortcut file to its target, and the path helpers that walk code page 932 text.
#pragma once

#include <cstddef>
#include <string>

// Paths that the platform hands back arrive in zero-filled buffers of this size.
constexpr std::size_t kMaxPath = 260;

// Caption of the boxes that the entry shows.
constexpr char kEntryCaption[] = "Vorlane";

// The fixed user texts, each stored once as its code page 932 bytes.
enum MessageTextRow {
  MissingArgument,
  NotFoundSuffix,
  ConfigMissing,
  MessageTextRowCount
};
extern const char* const MessageText[MessageTextRowCount];

// Byte classes of code page 932, by fixed ranges rather than the system's code page.
bool IsLeadByte(unsigned char byte);
bool IsTrailByte(unsigned char byte);
bool IsDoubleByteChar(unsigned char first, unsigned char second);

// Cuts the path at its last backslash, that backslash included, walking double-byte
// characters whole. False, and the path unchanged, when it is empty or has no backslash.
bool RemoveLastComponent(std::string& path);

// True when the file or, with allowDirectory, the directory exists.
bool PathExists(const char* path, bool allowDirectory);

// Replaces targetPath with the path that the shortcut points to: through the Windows
// Installer for an advertised shortcut, otherwise through the shell link object. An
// unresolved shortcut leaves targetPath empty. Never fails loudly.
std::string& ResolveShortcutTarget(const char* shortcutPath, std::string& targetPath);

// The one action of each tool, given an existing target. The entry ignores the result.
bool ToolAction(const std::string& targetPath);

// The entry flow shared by all tools: argument check, resolution, existence check, the
// tool's action. Always returns 0, the process exit code.
int RunEntry(int argc, char** argv);
