// The program entry of every tool. It is compiled into each program rather than taken
// from the core library, so that the C run time's startup finds it at link time.
#include <windows.h>

#include <cstdlib>

#include "shortcut_core.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The C run time has already split the command line into __argc and __argv.
  return RunEntry(__argc, __argv);
}

// An exception that nobody catches ends the program. The run time's default handler
// would first print the exception's demangled type to a console that a GUI program does
// not have, and its demangler alone is a third of the program's size.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
