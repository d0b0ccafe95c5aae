#pragma once
#include <windows.h>

#include <cstdint>

// The engine's one export: data, length, password, hue, saturation, brightness.
using SkinAttachResProc = int32_t(WINAPI*)(const unsigned char*, int32_t, const char*, int32_t,
                                           int32_t, int32_t);

// The process-wide binding of the engine's export, made by the first call.
struct SkinEngineBinding {
  const char* libraryName;
  const char* exportName;
  HMODULE module;
  SkinAttachResProc address;
};

SkinEngineBinding& SkinEngine();

// Calls SkinH_AttachRes, binding it first when needed: the library from the run
// directory, else by its bare name through the standard search. A library that
// cannot be loaded or lacks the export ends the program with the error report.
int32_t CallSkinAttachRes(const unsigned char* data, int32_t length, const char* password,
                          int32_t hue, int32_t saturation, int32_t brightness);

// Frees the library at the end of the process.
void ReleaseSkinEngine();
