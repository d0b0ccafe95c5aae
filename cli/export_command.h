#pragma once
// qzplaylist from its arguments to its exit status: the playlist of one QQ
// number fetched as the window fetches it, its rows written out in one format.

#include <vector>

#include "base/text.h"

// Exit statuses.
constexpr int kExitWritten = 0;       // the rows were written
constexpr int kExitNoSongs = 1;       // the answer came and held no song
constexpr int kExitFetchFailed = 2;   // no whole answer: name, connection, time-out, HTTP status
constexpr int kExitUsage = 64;        // the command line is wrong (the usage text follows)
constexpr int kExitCannotWrite = 73;  // the output could not be written; nothing was

// `arguments` without the program name. Reports go to standard error, the
// rows to standard output or the --output file.
int RunExport(const std::vector<Text>& arguments);
