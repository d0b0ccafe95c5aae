#pragma once
#include "base/text.h"

// The directory part of a module path: everything before its last backslash,
// found with a GBK-aware scan so that the second byte of a double-byte
// character is never taken for a backslash. "C:\x.exe" gives "C:"; a path
// without a backslash gives "".
Text DirectoryOfModulePath(const Text& path);

// The run directory: the directory of the program's own executable file,
// without a trailing backslash (Windows only).
Text RunDirectory();
