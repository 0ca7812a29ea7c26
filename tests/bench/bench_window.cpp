// Puts up one top-level window for a while, standing in for a dialog that some other
// process shows, and records when it took it down.
//
//   bench-window <class> <title-hex> <visible|hidden> <lifetime-ms> <tick-file>
//
// <class> is "#32770" for the system's dialog class, or any other name for a class of
// its own. The title is given as the hexadecimal of its code page 932 bytes, so that it
// reaches the window byte for byte. Once the window is up, "shown <tick>" is appended to
// <tick-file>; after <lifetime-ms> the window is destroyed and "closed <tick>" appended.
// Ticks are GetTickCount values, which every process of the prefix shares.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_common.h"

namespace {

std::string Unhex(const char* hex) {
  std::string bytes;
  for (std::size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
    const char pair[3] = {hex[i], hex[i + 1], 0};
    bytes += static_cast<char>(std::strtoul(pair, nullptr, 16));
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr,
                 "usage: bench-window <class> <title-hex> <visible|hidden> <lifetime-ms> "
                 "<tick-file>\n");
    return 2;
  }
  const std::string className = argv[1];
  const std::string title = Unhex(argv[2]);
  const bool visible = std::string(argv[3]) == "visible";
  const DWORD lifetime = std::strtoul(argv[4], nullptr, 10);
  const char* tickFile = argv[5];

  if (className != "#32770") {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className.c_str();
    RegisterClassA(&windowClass);
  }
  // The dialog class is the system's own; a window of it made this way looks to a window
  // list exactly like a dialog box.
  HWND window = CreateWindowExA(0, className.c_str(), title.c_str(),
                                WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 40, 40, 320,
                                200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) {
    std::fprintf(stderr, "CreateWindowExA failed: %lu\n", GetLastError());
    return 1;
  }
  AppendToFile(tickFile, "shown " + std::to_string(GetTickCount()) + "\n");

  const DWORD start = GetTickCount();
  while (GetTickCount() - start < lifetime) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(10);
  }
  DestroyWindow(window);
  AppendToFile(tickFile, "closed " + std::to_string(GetTickCount()) + "\n");
  return 0;
}
