// The DLL's entry points: the one export that applies a skin, and the unload
// that takes every trace of the engine out of the process's windows.

#include <windows.h>

#include <cstddef>

#include "skinengine/engine_win.h"
#include "skinengine/format/color_adjust.h"
#include "skinengine/format/skin_binary.h"

extern "C" int __stdcall SkinH_AttachRes(const unsigned char* data, int length,
                                         const char* password, int hue, int saturation,
                                         int brightness) noexcept {
  // No skin chosen: nothing to apply, and a skin already applied stays.
  if (data == nullptr || length <= 0) return kResultNoData;
  try {
    // Everything needed is copied out of the caller's buffer here: the scheme
    // is a value and the theme holds its own GDI objects.
    const SkinParseResult parsed = ParseSkin(data, static_cast<std::size_t>(length), password);
    if (parsed.error != SkinError::None) return kResultDataError + static_cast<int>(parsed.error);
    return AttachSkin(AdjustScheme(parsed.scheme, hue, saturation, brightness));
  } catch (...) {
    return kResultNoResources;
  }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      break;
    case DLL_PROCESS_DETACH:
      // FreeLibrary while skinned windows live: they must not call into the
      // unmapped code afterwards. At process exit (reserved set) the windows
      // go with the process, and other threads may already be gone.
      if (reserved == nullptr) DetachSkin();
      break;
  }
  return TRUE;
}
