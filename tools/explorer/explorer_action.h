// The action shared by the three Explorer tools, which differ only in their settings.
#pragma once

#include <string>

struct ExplorerSettings {
  const char* commandPrefix;  // Explorer's options, ending in a comma
  bool useTargetFolder;       // pass the target's folder rather than the target itself
};

constexpr ExplorerSettings SelectFolderSettings = {"explorer /n,/select,", true};
constexpr ExplorerSettings SelectTargetSettings = {"explorer /n,/select,", false};
constexpr ExplorerSettings OpenFolderSettings = {"explorer /n,", true};

// The command line: the prefix, then the path between double quotes, nothing escaped.
// False, and no command line, when the folder is wanted and the target has no backslash.
bool BuildExplorerCommandLine(const ExplorerSettings& settings, const std::string& targetPath,
                              std::string& commandLine);

// Starts Explorer on the target as the settings say; true when the process was created.
bool RunExplorerAction(const ExplorerSettings& settings, const std::string& targetPath);

// Starts one process from the command line with CreateProcessA, neither waiting for it
// nor closing its handles, which go with the tool's exit right after.
bool StartCommandLine(const std::string& commandLine);
