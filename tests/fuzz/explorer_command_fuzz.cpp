// The Explorer command lines are always prefix, quote, path, quote; the path is the
// target or the target's folder, unaltered.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "explorer_action.h"
#include "fuzz_support.h"

bool StartCommandLine(const std::string&) { return true; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string target(reinterpret_cast<const char*>(data), size);
  for (const ExplorerSettings* settings :
       {&SelectFolderSettings, &SelectTargetSettings, &OpenFolderSettings}) {
    std::string commandLine = "unchanged";
    const bool built = BuildExplorerCommandLine(*settings, target, commandLine);
    std::string path = target;
    const bool folderFound = !settings->useTargetFolder || RemoveLastComponent(path);
    FUZZ_CHECK(built == folderFound);
    if (!built) {
      FUZZ_CHECK(commandLine == "unchanged");
      continue;
    }
    FUZZ_CHECK(commandLine == std::string(settings->commandPrefix) + '"' + path + '"');
    FUZZ_CHECK(commandLine.size() ==
               std::strlen(settings->commandPrefix) + path.size() + 2);
  }
  return 0;
}
