#include "cli/export_command.h"

#include <cerrno>
#include <cstdio>

#include "cli/export_rows.h"
#include "cli/formats.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "cli/platform.h"
#include "cli/service_notice.h"
#include "playlist/bytes_to_text.h"
#include "playlist/fetch_url.h"
#include "playlist/playlist_query.h"

namespace {

void Report(const Text& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

bool WriteStandardOutput(const Text& content, long& error) {
  const bool written = std::fwrite(content.data(), 1, content.size(), stdout) == content.size() &&
                       std::fflush(stdout) == 0;
  error = written ? 0 : errno;
  return written;
}

// True, with the report written, when no whole answer came or the service
// answered with an error status: an error page is no playlist, even though the
// window would search it.
bool FetchFailed(const FetchOutcome& outcome, const Text& host, std::size_t received,
                 OutputEncoding console) {
  if (outcome.result != FetchResult::kCompleted) {
    Report(FetchFailureReport(outcome, host, received, console));
    return true;
  }
  if (outcome.httpStatus >= 400) {
    Report(HttpStatusReport(outcome.httpStatus, host, console));
    return true;
  }
  return false;
}

}  // namespace

int RunExport(const std::vector<Text>& arguments) {
  const OutputEncoding console = PlatformEncoding();
  const ParsedOptions parsed = ParseOptions(arguments, PlatformEncoding());
  if (parsed.problem == UsageProblem::kHelpAsked) {
    const Text usage = UsageText(console, PlatformEncoding());
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return kExitWritten;
  }
  if (parsed.problem != UsageProblem::kNone) {
    Report(UsageProblemReport(parsed.problem, parsed.detail, console) + "\n" +
           UsageText(console, PlatformEncoding()));
    return kExitUsage;
  }
  const ExportOptions& options = parsed.options;
  const Text host = options.host.empty() ? Text(kPlaylistHost) : options.host;

  // The query, the request and the extraction of the window's fetch command.
  FetchOutcome outcome;
  Text answer;
  std::size_t received = 0;
  {
    const Bytes body = FetchUrlReporting(PlaylistQueryForHost(host, options.qqNumber), outcome);
    received = body.size();
    answer = BytesToText(body);
  }
  CloseInternetSession();
  if (FetchFailed(outcome, host, received, console)) return kExitFetchFailed;

  const ExportRows rows = ExportRowsFromAnswer(answer);
  if (rows.empty()) {
    Report(NoSongsReport(options.qqNumber, ReadServiceNotice(answer), received == 0, console));
    return kExitNoSongs;
  }

  std::size_t replaced = 0;
  const Text content =
      FormatRows(options.format, EncodeRows(rows, options.encoding, replaced), options.encoding);
  long error = 0;
  const bool written = options.outputPath.empty()
                           ? WriteStandardOutput(content, error)
                           : WriteFileWhole(options.outputPath, content, error);
  if (!written) {
    Report(WriteFailureReport(options.outputPath, error, console));
    return kExitCannotWrite;
  }
  Report(WrittenReport(rows.size(), options.outputPath, replaced, options.encoding, console));
  return kExitWritten;
}
