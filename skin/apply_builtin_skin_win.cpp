#include "skin/apply_builtin_skin_win.h"

#include <vector>

#include "skin/carried_data_win.h"
#include "skin/skin_engine_binding_win.h"
#include "skin/skin_engine_file_win.h"

void ApplyBuiltInSkin(int32_t n) {
  EnsureSkinEngineFile();
  // The engine gets a copy on the heap, released as soon as it returns.
  const CarriedData skin = BuiltInSkin(n);
  const std::vector<unsigned char> copy(skin.bytes, skin.bytes + skin.length);
  static const char kEmptyPassword[] = "";
  CallSkinAttachRes(copy.empty() ? nullptr : copy.data(), static_cast<int32_t>(copy.size()),
                    kEmptyPassword, 0, 0, 0);
}
