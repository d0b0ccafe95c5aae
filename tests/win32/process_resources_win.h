#pragma once
// What the test's own process holds: kernel handles, GDI and USER objects and
// committed private memory. The platform's counters are used where it keeps
// them; where it does not (Wine answers 0), the objects are counted directly.

#include <windows.h>

#include <string>

struct ProcessResources {
  DWORD handles = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  SIZE_T privateBytes = 0;
};

ProcessResources MeasureProcessResources();
std::string Describe(const ProcessResources& r);
