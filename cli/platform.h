#pragma once
// The few things the export does differently on each system.

#include "base/text.h"
#include "cli/gbk_text.h"

// The encoding of the console and the export's default: UTF-8 on Linux, GBK
// (the system code page) on Windows.
OutputEncoding PlatformEncoding();

// Standard output and standard error write bytes as they are, so that a line
// ends in "\n" on every system and the outputs compare byte for byte.
void UseBinaryStandardStreams();

// Writes `content` to `path` whole or not at all: into a new temporary file
// beside it, renamed over `path` once complete and flushed. On failure the
// temporary file is gone, `path` is as it was, and `error` holds the
// system's error code.
bool WriteFileWhole(const Text& path, const Text& content, long& error);
