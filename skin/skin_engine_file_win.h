#pragma once
#include <windows.h>

#include "base/text.h"
#include "skin/carried_data_win.h"

// Writes the skin engine image, hidden, as "SkinH_EL.dll" in the run directory
// when no entry of that name exists there (a directory of that name counts).
void EnsureSkinEngineFile();

// The same for a given file path and image. A write that fails or comes up
// short removes what it wrote, so that a damaged library is never left behind.
void EnsureSkinEngineFileAt(const Text& path, const CarriedData& image);

// The file entry point the writing goes through, so that a test can make it fail.
using WriteFileProc = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
WriteFileProc& SkinEngineFileWriter();

extern const char kSkinEngineLibraryName[];  // "SkinH_EL.dll"
