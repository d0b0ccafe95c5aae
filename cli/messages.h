#pragma once
// What qzplaylist tells its user on standard error: each report one line in
// English and one in Chinese, in the console's encoding (`console`).
// Values that came from the command line (number, host, file) are written as
// they were given; texts that came from the answer are GBK and are converted.

#include <cstddef>

#include "base/text.h"
#include "cli/gbk_text.h"
#include "cli/options.h"
#include "cli/service_notice.h"
#include "playlist/fetch_url.h"

Text UsageText(OutputEncoding console, OutputEncoding defaultEncoding);
Text UsageProblemReport(UsageProblem problem, const Text& detail, OutputEncoding console);

// `path` "" for standard output; `replaced` characters were not valid GBK.
Text WrittenReport(std::size_t rows, const Text& path, std::size_t replaced, OutputEncoding output,
                   OutputEncoding console);

// The answer came but held no song.
Text NoSongsReport(const Text& qqNumber, const ServiceNotice& notice, bool emptyAnswer,
                   OutputEncoding console);

// The fetch ended before the whole answer came (`received` bytes of it did).
Text FetchFailureReport(const FetchOutcome& outcome, const Text& host, std::size_t received,
                        OutputEncoding console);

// The service answered with an error status.
Text HttpStatusReport(int status, const Text& host, OutputEncoding console);

Text WriteFailureReport(const Text& path, long error, OutputEncoding console);
