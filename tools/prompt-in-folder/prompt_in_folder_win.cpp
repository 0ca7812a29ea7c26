// The Windows side of prompt-in-folder: one call per function, no decisions.
#include <windows.h>

#include "prompt_in_folder.h"
#include "shortcut_core.h"

std::uint32_t ReadSystemDirectory(char* buffer) {
  return GetSystemDirectoryA(buffer, static_cast<UINT>(kMaxPath));
}

std::uint32_t ReadWindowsDirectory(char* buffer) {
  return GetWindowsDirectoryA(buffer, static_cast<UINT>(kMaxPath));
}

bool StartInterpreter(const std::string& interpreter, const std::string& folder) {
  STARTUPINFOA startupInfo = {};
  startupInfo.cb = sizeof startupInfo;                   // cb
  // The console is made for the interpreter, and its window takes this title.
  startupInfo.lpTitle = const_cast<char*>(kPromptTitle);  // lpTitle
  startupInfo.dwFlags = STARTF_USESHOWWINDOW;            // dwFlags: wShowWindow counts
  startupInfo.wShowWindow = SW_SHOWDEFAULT;              // wShowWindow: 10
  PROCESS_INFORMATION processInfo = {};
  const BOOL created = CreateProcessA(interpreter.c_str(),  // lpApplicationName
                                      nullptr,              // lpCommandLine: no arguments
                                      nullptr,              // lpProcessAttributes
                                      nullptr,              // lpThreadAttributes
                                      FALSE,                // bInheritHandles
                                      0,                    // dwCreationFlags
                                      nullptr,              // lpEnvironment: the tool's own
                                      folder.c_str(),       // lpCurrentDirectory
                                      &startupInfo,         // lpStartupInfo
                                      &processInfo);        // lpProcessInformation
  // The handles go with the tool's exit, which follows at once.
  return created != FALSE;
}
