#include "process_resources_win.h"

namespace {

// Kernel handles are multiples of 4; a handle is valid when the system can
// tell its flags.
DWORD CountHandles() {
  DWORD count = 0;
  for (ULONG_PTR value = 4; value < 0x20000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

// GDI and USER handles index a table in their low word; a handle with a zero
// high word names whatever the entry holds now.
DWORD CountGdiObjects() {
  DWORD count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

DWORD CountUserObjects() {
  DWORD count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    const HANDLE h = reinterpret_cast<HANDLE>(index);
    ICONINFO icon;
    if (IsWindow(static_cast<HWND>(h)) || IsMenu(static_cast<HMENU>(h))) {
      ++count;
    } else if (GetIconInfo(static_cast<HICON>(h), &icon)) {
      if (icon.hbmColor != nullptr) DeleteObject(icon.hbmColor);
      if (icon.hbmMask != nullptr) DeleteObject(icon.hbmMask);
      ++count;
    }
  }
  return count;
}

SIZE_T CommittedPrivateBytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof(region)) == sizeof(region);) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources r;
  r.handles = CountHandles();
  r.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (r.gdiObjects == 0) r.gdiObjects = CountGdiObjects();
  r.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (r.userObjects == 0) r.userObjects = CountUserObjects();
  r.privateBytes = CommittedPrivateBytes();
  return r;
}

std::string Describe(const ProcessResources& r) {
  return "handles " + std::to_string(r.handles) + ", GDI " + std::to_string(r.gdiObjects) +
         ", USER " + std::to_string(r.userObjects) + ", private " +
         std::to_string(r.privateBytes / 1024) + " KB";
}
