// A stand-in for the skin engine library with the same file name and export:
// it records each call's arguments, and its loading and unloading, in
// "engine-calls.log" beside the library file, for the loader's tests.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string LogPath(HMODULE self) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(self, path, MAX_PATH);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\') + 1) + "engine-calls.log";
}

HMODULE g_self = nullptr;

void Append(const std::string& line) {
  if (FILE* log = std::fopen(LogPath(g_self).c_str(), "ab")) {
    std::fputs((line + "\n").c_str(), log);
    std::fclose(log);
  }
}

// FNV-1a over the bytes, to compare with the skin file's own.
uint32_t Fingerprint(const unsigned char* data, int32_t length) {
  uint32_t hash = 2166136261u;
  for (int32_t i = 0; data != nullptr && i < length; ++i) hash = (hash ^ data[i]) * 16777619u;
  return hash;
}

}  // namespace

extern "C" int32_t WINAPI SkinH_AttachRes(const unsigned char* data, int32_t length,
                                          const char* password, int32_t hue, int32_t saturation,
                                          int32_t brightness) {
  char line[512];
  char head[9] = "-";
  if (data != nullptr && length >= 4) {
    std::snprintf(head, sizeof(head), "%02x%02x%02x%02x", data[0], data[1], data[2], data[3]);
  }
  std::snprintf(line, sizeof(line),
                "attach data=%s length=%ld head=%s fingerprint=%08lx password=%s[%u] hue=%ld "
                "saturation=%ld brightness=%ld",
                data == nullptr ? "null" : "set", static_cast<long>(length), head,
                static_cast<unsigned long>(Fingerprint(data, length)),
                password == nullptr ? "null" : "text",
                password == nullptr ? 0u : static_cast<unsigned>(std::strlen(password)),
                static_cast<long>(hue), static_cast<long>(saturation),
                static_cast<long>(brightness));
  Append(line);
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_self = instance;
    Append("load");
  } else if (reason == DLL_PROCESS_DETACH) {
    Append("unload");
  }
  return TRUE;
}
