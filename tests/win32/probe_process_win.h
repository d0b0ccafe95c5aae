#pragma once
// Runs a probe program of the tests as its own process and reads the message
// box that it may show (the runtime error report), pressing its OK.

#include <windows.h>

#include <string>

struct ProbeBox {
  bool shown = false;
  std::string caption, text;
  bool hasOk = false, hasCancel = false, hasIcon = false, hasOwner = false;
};

struct ProbeResult {
  DWORD exitCode = 0xDEAD;
  ProbeBox box;
};

// `commandLine` holds the program and its arguments, quoted as needed.
// `boxWaitMs` is how long to look for a box before waiting for the exit.
ProbeResult RunProbe(const std::string& commandLine, int boxWaitMs = 10000);

// A Unix path as Wine's Z: drive shows it.
std::string DosPath(const std::string& unixPath);
