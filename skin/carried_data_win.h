#pragma once
// The read-only data the program carries in its resources: the 33 built-in
// skins (numbered 1 to 33) and the complete file image of the skin engine
// library.

#include <cstddef>

// Resource numbers: skin n is kSkinResourceBase + n.
#define QZ_SKIN_RESOURCE_BASE 100
#define QZ_SKIN_ENGINE_RESOURCE 200

constexpr int kBuiltInSkinCount = 33;

struct CarriedData {
  const unsigned char* bytes = nullptr;
  std::size_t length = 0;
};

// Entry n of the built-in skins; empty outside 1..33 or when missing.
CarriedData BuiltInSkin(int n);
CarriedData SkinEngineImage();
