// The action of open-folder-with: the configured application started on the target's
// folder, with "%1" replaced, its working directory, and the configured Path in front.
#include <cstring>
#include <string>
#include <vector>

#include "launch_platform.h"
#include "open_folder_with.h"
#include "shortcut_core.h"

namespace {

constexpr char kPlaceholder[] = "%1";
constexpr char kPathVariable[] = "Path";
// Path is read into this many bytes first, and again into the size asked for when longer.
constexpr std::uint32_t kPathFirstRead = 1024;

}  // namespace

std::string& ReplaceAll(std::string& text, const std::string& pattern,
                        const std::string& replacement) {
  if (pattern.empty()) return text;
  std::size_t position = 0;
  while ((position = text.find(pattern, position)) != std::string::npos) {
    text.replace(position, pattern.size(), replacement);
    position += replacement.size();  // the inserted text is never searched again
  }
  return text;
}

std::string ComposeCommandLine(const LaunchSettings& settings, const std::string& folder) {
  // The blank stands there even when CommandLine is empty; nothing is quoted, so
  // ApplicationName gets "%1" replaced as well.
  std::string commandLine = settings.ApplicationName;
  commandLine += ' ';
  commandLine += settings.CommandLine;
  return ReplaceAll(commandLine, kPlaceholder, folder);
}

bool ComposeWorkingDirectory(const LaunchSettings& settings, const std::string& folder,
                             std::string& directory) {
  if (settings.CurrentDirectory[0] == '\0') return false;
  directory = settings.CurrentDirectory;
  ReplaceAll(directory, kPlaceholder, folder);
  return true;
}

std::string BuildNewPath(const char* environment) {
  std::string value = environment;
  value += ';';
  char buffer[kPathFirstRead] = {};
  const std::uint32_t needed = GetEnvironmentValue(kPathVariable, buffer, kPathFirstRead);
  if (needed == 0) return value;  // no Path, or an empty one
  if (needed <= kPathFirstRead) {
    value.append(buffer, strnlen(buffer, kPathFirstRead));
    return value;
  }
  std::vector<char> larger(needed, '\0');
  GetEnvironmentValue(kPathVariable, larger.data(), needed);
  value.append(larger.data(), strnlen(larger.data(), needed));
  return value;
}

char* WritableCopy(const std::string& text, char* fixed, std::vector<char>& larger) {
  char* copy = fixed;
  if (text.size() >= kSettingSize) {
    larger.assign(text.size() + 1, '\0');
    copy = larger.data();
  }
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

bool ToolAction(const std::string& targetPath) {
  // "%1" is the folder that holds the target, never the target itself.
  std::string folder = targetPath;
  if (!RemoveLastComponent(folder)) return false;

  LaunchSettings settings = {};
  if (!ReadLaunchSettings(settings)) return false;
  if (settings.ApplicationName[0] == '\0') return false;

  // CreateProcessA may write into the command line, so it gets a buffer it can change:
  // the one that held CommandLine, or one of the size needed when the text is longer.
  std::vector<char> largerCommandLine;
  char* commandLine = WritableCopy(ComposeCommandLine(settings, folder), settings.CommandLine,
                                   largerCommandLine);

  std::string directory;
  std::vector<char> largerDirectory;
  const char* currentDirectory = nullptr;
  if (ComposeWorkingDirectory(settings, folder, directory)) {
    currentDirectory = WritableCopy(directory, settings.CurrentDirectory, largerDirectory);
  }

  // Set before the start, so that the application inherits it; it stays even when the
  // start fails.
  if (settings.Environment[0] != '\0') {
    SetEnvironmentValue(kPathVariable, BuildNewPath(settings.Environment).c_str());
  }
  return StartProcess(commandLine, currentDirectory);
}
