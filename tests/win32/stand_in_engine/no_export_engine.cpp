// A library of the engine's file name that lacks its export.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI SomethingElse() { return 0; }
