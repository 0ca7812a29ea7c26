#include <windows.h>

#include "explorer_action.h"

bool StartCommandLine(const std::string& commandLine) {
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::string writable = commandLine;
  STARTUPINFOA startupInfo = {};
  startupInfo.cb = sizeof startupInfo;
  PROCESS_INFORMATION processInfo = {};
  const BOOL created = CreateProcessA(nullptr,         // lpApplicationName
                                      &writable[0],    // lpCommandLine
                                      nullptr,         // lpProcessAttributes
                                      nullptr,         // lpThreadAttributes
                                      FALSE,           // bInheritHandles
                                      0,               // dwCreationFlags
                                      nullptr,         // lpEnvironment
                                      nullptr,         // lpCurrentDirectory
                                      &startupInfo,    // lpStartupInfo
                                      &processInfo);   // lpProcessInformation
  return created != FALSE;
}
