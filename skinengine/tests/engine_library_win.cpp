#include "skinengine/tests/engine_library_win.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "skinengine/format/skin_binary.h"

Text WindowsPath(const char* path) {
  Text out = path;
  if (!out.empty() && out[0] == '/') out = "Z:" + out;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

EngineLibrary::EngineLibrary() {
  module_ = LoadLibraryA(WindowsPath(SKIN_ENGINE_DLL).c_str());
  if (module_ != nullptr) {
    attach_ = reinterpret_cast<AttachResFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_, "SkinH_AttachRes")));
  }
}

int EngineLibrary::Attach(const Bytes& skin, const char* password, int hue, int saturation,
                          int brightness) const {
  // A copy freed right after the call, as the program does: the engine must
  // have taken what it needs.
  auto* copy = new unsigned char[skin.size() + 1];
  std::copy(skin.begin(), skin.end(), copy);
  const int result =
      attach_(copy, static_cast<int>(skin.size()), password, hue, saturation, brightness);
  std::fill(copy, copy + skin.size(), 0xCD);
  delete[] copy;
  return result;
}

void EngineLibrary::Free() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  attach_ = nullptr;
}

Bytes BuiltinSkin(int n) {
  const Text path = WindowsPath(BUILTIN_SKIN_DIR) + "\\" + std::to_string(n) + ".she";
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

SkinScheme SchemeOf(const Bytes& skin) {
  return ParseSkin(reinterpret_cast<const unsigned char*>(skin.data()), skin.size(), "").scheme;
}
