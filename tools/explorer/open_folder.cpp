// open-folder: a new Explorer window on the target's folder.
#include "explorer_action.h"
#include "shortcut_core.h"

bool ToolAction(const std::string& targetPath) {
  return RunExplorerAction(OpenFolderSettings, targetPath);
}
