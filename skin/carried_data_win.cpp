#include "skin/carried_data_win.h"

#include <windows.h>

namespace {

CarriedData Resource(int id) {
  CarriedData data;
  const HMODULE module = GetModuleHandleA(nullptr);
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) return data;
  const HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return data;
  data.bytes = static_cast<const unsigned char*>(LockResource(loaded));
  data.length = data.bytes != nullptr ? SizeofResource(module, found) : 0;
  return data;
}

}  // namespace

CarriedData BuiltInSkin(int n) {
  if (n < 1 || n > kBuiltInSkinCount) return CarriedData();
  return Resource(QZ_SKIN_RESOURCE_BASE + n);
}

CarriedData SkinEngineImage() { return Resource(QZ_SKIN_ENGINE_RESOURCE); }
