#include "skin/skin_engine_binding_win.h"

#include <cstdio>

#include "skin/run_directory.h"
#include "skin/skin_engine_file_win.h"
#include "toolkit/runtime_error_win.h"

SkinEngineBinding& SkinEngine() {
  static SkinEngineBinding binding = {kSkinEngineLibraryName, "SkinH_AttachRes", nullptr, nullptr};
  return binding;
}

namespace {

[[noreturn]] void ReportMissingExport(const SkinEngineBinding& binding) {
  char message[256];
  std::snprintf(message, sizeof(message), "无法找到指定DLL库文件“%s”中的输出命令“%s”",
                binding.libraryName, binding.exportName);
  ReportRuntimeError(0, message);
}

void Bind(SkinEngineBinding& binding) {
  const Text fromRunDirectory = RunDirectory() + "\\" + binding.libraryName;
  HMODULE module = LoadLibraryA(fromRunDirectory.c_str());
  if (module == nullptr) module = LoadLibraryA(binding.libraryName);
  if (module == nullptr) ReportMissingExport(binding);
  // Through void*: the export's real type is known only by its name.
  const auto address = reinterpret_cast<SkinAttachResProc>(
      reinterpret_cast<void*>(GetProcAddress(module, binding.exportName)));
  if (address == nullptr) {
    FreeLibrary(module);
    ReportMissingExport(binding);
  }
  binding.module = module;
  binding.address = address;
}

}  // namespace

int32_t CallSkinAttachRes(const unsigned char* data, int32_t length, const char* password,
                          int32_t hue, int32_t saturation, int32_t brightness) {
  SkinEngineBinding& binding = SkinEngine();
  if (binding.address == nullptr) Bind(binding);
  return binding.address(data, length, password, hue, saturation, brightness);
}

void ReleaseSkinEngine() {
  SkinEngineBinding& binding = SkinEngine();
  if (binding.module != nullptr) FreeLibrary(binding.module);
  binding.module = nullptr;
  binding.address = nullptr;
}
