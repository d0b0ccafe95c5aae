#pragma once
// The engine DLL built in this tree, loaded the way the program loads it:
// LoadLibrary, then GetProcAddress by the export's undecorated name.

#include <windows.h>

#include "base/text.h"
#include "skinengine/format/skin_scheme.h"

using AttachResFunction = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);

class EngineLibrary {
 public:
  EngineLibrary();
  ~EngineLibrary() { Free(); }
  EngineLibrary(const EngineLibrary&) = delete;
  EngineLibrary& operator=(const EngineLibrary&) = delete;

  bool loaded() const { return module_ != nullptr && attach_ != nullptr; }
  int Attach(const Bytes& skin, const char* password = "", int hue = 0, int saturation = 0,
             int brightness = 0) const;
  int AttachNothing() const { return attach_(nullptr, 0, "", 0, 0, 0); }
  void Free();

 private:
  HMODULE module_ = nullptr;
  AttachResFunction attach_ = nullptr;
};

// A built-in skin as the build compiled it, and its scheme.
Bytes BuiltinSkin(int n);
SkinScheme SchemeOf(const Bytes& skin);

// A Windows path for a path of the build machine (Wine's Z: drive).
Text WindowsPath(const char* path);
