// Where Morvaset.ini lies, what the user is told when it is not there, and which of its
// values are read.
#include <cstring>
#include <string>

#include "launch_platform.h"
#include "open_folder_with.h"
#include "platform.h"
#include "shortcut_core.h"

namespace {

bool IsSeparator(char byte) { return byte == '\\' || byte == '/'; }

char AsciiLower(char byte) { return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte; }

bool IsExeExtension(const std::string& extension) {
  static const char kExe[] = ".exe";
  if (extension.size() != sizeof kExe - 1) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    if (AsciiLower(extension[i]) != kExe[i]) return false;
  }
  return true;
}

// Reads one value and makes sure that it ends inside its buffer.
void ReadSetting(const char* section, const char* key, const char* defaultValue, char* value,
                 const char* file) {
  ReadProfileString(section, key, defaultValue, value, file);
  value[kSettingSize - 1] = '\0';
}

}  // namespace

bool BuildConfigPath(const char* modulePath, char* configPath) {
  // The drive is the first two bytes when the second is a colon.
  std::string drive;
  const char* rest = modulePath;
  if (modulePath[0] != '\0' && modulePath[1] == ':') {
    drive.assign(modulePath, 2);
    rest += 2;
  }
  // The directory runs to the last separator, the extension from the last dot after it.
  // A double-byte character is stepped over whole, so its second byte is never taken
  // for a backslash or a dot.
  const std::size_t length = std::strlen(rest);
  std::size_t directoryEnd = 0;
  std::size_t extensionStart = std::string::npos;
  for (std::size_t i = 0; i < length;) {
    const unsigned char byte = static_cast<unsigned char>(rest[i]);
    if (IsLeadByte(byte) && i + 1 < length) {
      i += 2;
      continue;
    }
    if (IsSeparator(rest[i])) {
      directoryEnd = i + 1;
      extensionStart = std::string::npos;
    } else if (rest[i] == '.') {
      extensionStart = i;
    }
    ++i;
  }
  if (extensionStart == std::string::npos) return false;
  if (!IsExeExtension(std::string(rest + extensionStart, length - extensionStart))) {
    return false;
  }
  // The program's own base name plays no part: any name in this folder reads the same file.
  std::string path = drive;
  path.append(rest, directoryEnd);
  path += kMorvaset;
  path += kConfigExtension;
  // A program in a very deep folder: the path would not fit, so there is no file to read.
  if (path.size() >= kMaxPath) return false;
  std::memcpy(configPath, path.c_str(), path.size() + 1);
  return true;
}

bool ReadLaunchSettings(LaunchSettings& settings) {
  char modulePath[kMaxPath] = {};
  const std::uint32_t moduleLength = GetOwnModulePath(modulePath);
  // A cut path could name another folder; it counts as no path at all.
  if (moduleLength >= kMaxPath) std::memset(modulePath, 0, kMaxPath);
  modulePath[kMaxPath - 1] = '\0';

  char configPath[kMaxPath] = {};
  if (!BuildConfigPath(modulePath, configPath)) {
    ShowErrorBox(MessageText[ConfigMissing], kMorvaset);
    return false;
  }
  if (!PathExists(configPath, true)) {
    const std::string notFound = std::string(configPath) + MessageText[NotFoundSuffix];
    ShowErrorBox(notFound.c_str(), kMorvaset);
    return false;
  }
  ReadSetting(kMorvaset, "Application", kDefaultApplication, settings.Application, configPath);
  // The section is taken exactly as read.
  const char* section = settings.Application;
  ReadSetting(section, "ApplicationName", "", settings.ApplicationName, configPath);
  ReadSetting(section, "CommandLine", "", settings.CommandLine, configPath);
  ReadSetting(section, "CurrentDirectory", "", settings.CurrentDirectory, configPath);
  ReadSetting(section, "Environment", "", settings.Environment, configPath);
  return true;
}
