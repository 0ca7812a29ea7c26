#include "explorer_action.h"

#include "shortcut_core.h"

bool BuildExplorerCommandLine(const ExplorerSettings& settings, const std::string& targetPath,
                              std::string& commandLine) {
  std::string path = targetPath;
  if (settings.useTargetFolder && !RemoveLastComponent(path)) return false;
  commandLine = settings.commandPrefix;
  commandLine += '"';
  commandLine += path;
  commandLine += '"';
  return true;
}

bool RunExplorerAction(const ExplorerSettings& settings, const std::string& targetPath) {
  std::string commandLine;
  if (!BuildExplorerCommandLine(settings, targetPath, commandLine)) return false;
  return StartCommandLine(commandLine);
}
