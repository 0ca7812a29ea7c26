// The program entry of every tool. It is compiled into each program rather than taken
// from the core library, so that the C run time's startup finds it at link time.
#include <windows.h>

#include <cstdlib>

#include "shortcut_core.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The C run time has already split the command line into __argc and __argv.
  return RunEntry(__argc, __argv);
}
