#include "prompt_in_folder.h"

#include "shortcut_core.h"

// コマンド プロンプト
const char kPromptTitle[] =
    "\x83\x52\x83\x7D\x83\x93\x83\x68\x20\x83\x76\x83\x8D\x83\x93\x83\x76\x83\x67";

namespace {

// The directory's text, or false when the platform gave none or more than fits.
bool ReadDirectory(std::uint32_t (*read)(char*), std::string& directory) {
  char buffer[kMaxPath] = {};
  const std::uint32_t length = read(buffer);
  // A result of kMaxPath or more is the size that a longer directory would need; the
  // buffer then holds no path, and starting an interpreter beside it would be a guess.
  if (length == 0 || length >= kMaxPath) return false;
  directory.assign(buffer, length);
  return true;
}

}  // namespace

bool ChooseInterpreter(const std::string& targetPath, std::string& folder,
                       std::string& interpreter) {
  folder = targetPath;
  if (!RemoveLastComponent(folder)) return false;
  // A bare drive such as "C:" names that drive's current directory, which is wherever the
  // process that starts us happens to stand; the root of the drive is meant.
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';

  std::string directory;
  // Without a system directory there is nothing sensible to fall back on.
  if (!ReadDirectory(ReadSystemDirectory, directory)) return false;
  interpreter = directory + kCommandInterpreter;
  if (PathExists(interpreter.c_str(), true)) return true;

  // Systems without cmd.exe keep command.com in the Windows directory; whether it is
  // really there, the start will tell.
  if (!ReadDirectory(ReadWindowsDirectory, directory)) return false;
  interpreter = directory + kFallbackInterpreter;
  return true;
}

bool ToolAction(const std::string& targetPath) {
  std::string folder;
  std::string interpreter;
  if (!ChooseInterpreter(targetPath, folder, interpreter)) return false;
  return StartInterpreter(interpreter, folder);
}
