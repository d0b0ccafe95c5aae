// A program that applies the built-in skins named by its arguments, one call
// each, as the main window's creation does, then shuts down. Built carrying a
// stand-in engine image, and copied by the tests into run directories of
// their own.

#include <windows.h>

#include <cstdlib>

#include "skin/apply_builtin_skin_win.h"
#include "skin/run_directory.h"
#include "skin/skin_engine_binding_win.h"
#include "toolkit/runtime_error_win.h"

int main(int argc, char** argv) {
  // As the program's start does: the run directory becomes the current one.
  SetCurrentDirectoryA(RunDirectory().c_str());
  SetShutdownProcedure(ReleaseSkinEngine);
  for (int i = 1; i < argc; ++i) ApplyBuiltInSkin(static_cast<int32_t>(std::atol(argv[i])));
  RunShutdown();
  return 0;
}
