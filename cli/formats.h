#pragma once
// The three export formats. The rows come in the output encoding already;
// escaping goes character by character in that encoding.

#include "base/text.h"
#include "cli/export_rows.h"
#include "cli/gbk_text.h"

enum class OutputFormat { kTsv, kM3u, kJson };

// One line per row: number, name, address, separated by tabs; a tab, line
// feed, carriage return or backslash inside a value is written \t, \n, \r, \\.
Text FormatTsv(const ExportRows& rows, OutputEncoding encoding);

// An extended M3U playlist: "#EXTM3U", then per row "#EXTINF:-1," + name and
// the address on the next line. A line break inside the name becomes a blank,
// and inside the address %0D or %0A, so each entry keeps its two lines.
Text FormatM3u(const ExportRows& rows, OutputEncoding encoding);

// A JSON array of objects with number (a JSON number), name, singer, song and
// address (strings), escaped as JSON requires.
Text FormatJson(const ExportRows& rows, OutputEncoding encoding);

Text FormatRows(OutputFormat format, const ExportRows& rows, OutputEncoding encoding);
