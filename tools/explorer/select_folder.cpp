// select-folder: a new Explorer window on the folder above the target's folder, with the
// target's folder selected.
#include "explorer_action.h"
#include "shortcut_core.h"

bool ToolAction(const std::string& targetPath) {
  return RunExplorerAction(SelectFolderSettings, targetPath);
}
