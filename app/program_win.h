#pragma once

// The program from start to end: returns the exit code.
int RunProgram();

// Releases the process-wide resources: the HTTP session and the skin engine.
void ShutdownProcess();
