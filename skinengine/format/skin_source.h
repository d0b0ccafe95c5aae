#pragma once
// The readable text source of a skin, as skinc compiles it:
//
//   # a comment line
//   name = Jade Morning          (1..64 bytes)
//   password = secret            (optional; absent or empty: unprotected)
//   [colors]
//   window = #F3F7F8             (every colour role, #RRGGBB)
//   [metrics]
//   button_radius = 4            (every metric, decimal, within its range)
//
// Every key appears exactly once; unknown keys and sections are errors.

#include "base/text.h"
#include "skinengine/format/skin_scheme.h"

struct SkinSource {
  bool ok = false;
  Text error;  // "line N: what is wrong", when not ok
  SkinScheme scheme;
  Text password;
};

SkinSource ParseSkinSource(const Text& source);
