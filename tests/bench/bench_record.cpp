// A recording stand-in for a program that a tool starts (explorer.exe, cmd.exe or a
// configured application). It appends what it was started with to the file named by
// BENCH_RECORD and exits at once.
#include <windows.h>

#include <string>

#include "bench_common.h"

namespace {

std::string Variable(const char* name) {
  char small[1] = {};
  const DWORD needed = GetEnvironmentVariableA(name, small, 0);
  if (needed == 0) return "-";
  std::string value(needed, '\0');
  const DWORD length = GetEnvironmentVariableA(name, &value[0], needed);
  value.resize(length);
  return Hex(value);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  char directory[MAX_PATH * 4] = {};
  GetCurrentDirectoryA(sizeof directory, directory);
  STARTUPINFOA startupInfo = {};
  startupInfo.cb = sizeof startupInfo;
  GetStartupInfoA(&startupInfo);

  std::string record = "record\n";
  record += "program=" + Hex(module) + "\n";
  record += "cmdline=" + Hex(GetCommandLineA()) + "\n";
  record += "cwd=" + Hex(directory) + "\n";
  record += "path=" + Variable("PATH") + "\n";
  record += "title=" + (startupInfo.lpTitle ? Hex(startupInfo.lpTitle) : std::string("-")) +
            "\n";
  record += "flags=" + std::to_string(startupInfo.dwFlags) + "\n";
  record += "show=" + std::to_string(startupInfo.wShowWindow) + "\n";
  record += "end\n";

  char target[MAX_PATH * 4] = {};
  if (GetEnvironmentVariableA("BENCH_RECORD", target, sizeof target) == 0) {
    lstrcpyA(target, "bench-record.log");
  }
  AppendToFile(target, record);
  return 0;
}
