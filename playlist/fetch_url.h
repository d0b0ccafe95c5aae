#pragma once
#include <cstdint>

#include "base/text.h"

// One HTTP GET of an absolute address; the whole response body whatever its
// status, the part received when the connection breaks off, empty Bytes when
// the exchange fails before the body. Nothing is reported.
Bytes FetchUrl(const Text& address);

// How a fetch ended, for a caller that tells its user why a list is empty.
enum class FetchResult {
  kCompleted,         // the whole body arrived (it may be an error page)
  kFailedBeforeBody,  // no body: the address, the session, the connection or the send failed
  kBrokeOff,          // the body stopped early; the bytes before the break are returned
};

enum class FetchFailure {
  kNone,
  kInvalidAddress,     // the address could not be split or is not http(s)
  kNameNotResolved,    // the host name has no address
  kConnectionRefused,  // nothing listens at the host's port
  kTimedOut,           // the server went silent for longer than the client waits
  kOther,              // anything else; the platform code tells more
};

struct FetchOutcome {
  FetchResult result = FetchResult::kCompleted;
  FetchFailure cause = FetchFailure::kNone;
  // The client's own code for the failure: GetLastError() after WinINet,
  // the CURLcode with libcurl; 0 when nothing failed.
  int64_t platformError = 0;
  int httpStatus = 0;  // the answer's status code; 0 when none was received
};

// The same exchange as FetchUrl, the same request on the wire and the same
// bytes returned, and in `outcome` how it ended.
Bytes FetchUrlReporting(const Text& address, FetchOutcome& outcome);

// Ends the process-wide HTTP session; the next fetch opens a new one.
void CloseInternetSession();
