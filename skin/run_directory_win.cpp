#include <windows.h>

#include "skin/run_directory.h"

Text RunDirectory() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0) return Text();
  path[MAX_PATH - 1] = '\0';
  return DirectoryOfModulePath(path);
}
