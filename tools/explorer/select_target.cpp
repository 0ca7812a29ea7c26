// select-target: a new Explorer window on the target's folder, with the target selected.
#include "explorer_action.h"
#include "shortcut_core.h"

bool ToolAction(const std::string& targetPath) {
  return RunExplorerAction(SelectTargetSettings, targetPath);
}
