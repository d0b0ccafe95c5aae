// FetchUrl over libcurl, for the native build. The request on the wire is the
// one the WinINet fetch sends, header for header (recorded from both):
//   GET <target> HTTP/1.0
//   Host: <host[:port]>
//   User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)
//   Accept: */*
// and nothing else: WinINet sends no Pragma or Cache-Control for a reload
// over HTTP/1.0, and libcurl has no cache to skip. Redirects are followed, the
// proxy of the environment (http_proxy, https_proxy, no_proxy) is honoured
// and the body is kept whatever the status. WinINet keeps cookies within its
// session; a share handle does that here.
//
// The window tool sets no time-out and lives with its client's defaults.
// libcurl's would wait on a silent server for ever, so this fetch gives up
// after 60 s without a connection or 60 s without a byte. The environment
// variable QZ_FETCH_TIMEOUT_SECONDS sets both, for tests.

#include <curl/curl.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>

#include "playlist/fetch_url.h"

namespace {

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr long kDefaultTimeoutSeconds = 60;
constexpr long kMaxRedirects = 30;

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct UrlDeleter {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using UrlHandle = std::unique_ptr<CURLU, UrlDeleter>;

// The process-wide session: libcurl's global state and the share handle that
// carries cookies and resolved names from one fetch to the next.
struct CurlSession {
  CURLSH* share = nullptr;
};

CurlSession& Session() {
  static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)initialised;  // a failed init makes every easy handle fail, which is reported there
  static CurlSession session;
  return session;
}

CURLSH* OpenedShare() {
  CurlSession& session = Session();
  if (session.share == nullptr) {
    session.share = curl_share_init();
    if (session.share != nullptr) {
      curl_share_setopt(session.share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
      curl_share_setopt(session.share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }
  }
  return session.share;
}

long TimeoutSeconds() {
  const char* value = std::getenv("QZ_FETCH_TIMEOUT_SECONDS");
  if (value == nullptr) return kDefaultTimeoutSeconds;
  const long seconds = std::strtol(value, nullptr, 10);
  return seconds > 0 ? seconds : kDefaultTimeoutSeconds;
}

// The address as WinINet puts it on the wire: nothing from the first "#" on,
// and blanks written as %20 (its HttpOpenRequest escapes blanks and nothing
// else); every other byte, GBK bytes included, goes out as it stands.
Text WireAddress(const Text& address) {
  Text wire;
  for (char c : address.substr(0, address.find('#'))) {
    if (c == ' ') {
      wire += "%20";
    } else {
      wire += c;
    }
  }
  return wire;
}

// Gives up when nothing has come for `timeout`, like WinINet's receive
// time-out; libcurl's own low-speed check averages over several seconds and
// would let a stalled answer run on for that long.
struct SilenceWatch {
  std::chrono::steady_clock::duration timeout;
  std::chrono::steady_clock::time_point lastByte = std::chrono::steady_clock::now();
  curl_off_t received = 0;
  bool expired = false;
};

int WatchSilence(void* data, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded) {
  SilenceWatch& watch = *static_cast<SilenceWatch*>(data);
  const auto now = std::chrono::steady_clock::now();
  if (downloaded + uploaded != watch.received) {
    watch.received = downloaded + uploaded;
    watch.lastByte = now;
    return 0;
  }
  watch.expired = now - watch.lastByte > watch.timeout;
  return watch.expired ? 1 : 0;
}

size_t AppendToBody(char* data, size_t size, size_t count, void* body) {
  const size_t length = size * count;
  try {
    static_cast<Bytes*>(body)->insert(static_cast<Bytes*>(body)->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    return 0;  // libcurl stops with a write error; what was collected stays
  }
  return length;
}

Bytes FailedBeforeBody(FetchOutcome* outcome, FetchFailure cause, int64_t error) {
  if (outcome != nullptr) {
    outcome->result = FetchResult::kFailedBeforeBody;
    outcome->cause = cause;
    outcome->platformError = error;
  }
  return Bytes();
}

FetchFailure FailureForCode(CURLcode code, long osErrno) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return FetchFailure::kNameNotResolved;
    case CURLE_COULDNT_CONNECT:
      return osErrno == ECONNREFUSED ? FetchFailure::kConnectionRefused : FetchFailure::kOther;
    case CURLE_OPERATION_TIMEDOUT:
      return FetchFailure::kTimedOut;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
      return FetchFailure::kInvalidAddress;
    default:
      return FetchFailure::kOther;
  }
}

Bytes Fetch(const Text& address, FetchOutcome* outcome) {
  if (outcome != nullptr) *outcome = FetchOutcome();
  if (address.empty()) return FailedBeforeBody(outcome, FetchFailure::kInvalidAddress, 0);

  CURLSH* share = OpenedShare();
  EasyHandle easy(curl_easy_init());
  if (!easy || share == nullptr) {
    return FailedBeforeBody(outcome, FetchFailure::kOther, CURLE_FAILED_INIT);
  }

  // Parsed without any encoding flag, so libcurl sends the bytes of the path
  // and the query as they stand; it resolves dot segments as WinINet does.
  UrlHandle url(curl_url());
  if (!url ||
      curl_url_set(url.get(), CURLUPART_URL, WireAddress(address).c_str(), 0) != CURLUE_OK) {
    return FailedBeforeBody(outcome, FetchFailure::kInvalidAddress, CURLE_URL_MALFORMAT);
  }

  Bytes body;
  const long timeout = TimeoutSeconds();
  CURL* e = easy.get();
  curl_easy_setopt(e, CURLOPT_CURLU, url.get());
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(e, CURLOPT_USERAGENT, kAgent);
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(e, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(e, CURLOPT_SHARE, share);
  curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");  // the cookie engine on, no file read
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  SilenceWatch silence{std::chrono::seconds(timeout)};
  curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, timeout);
  curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, WatchSilence);
  curl_easy_setopt(e, CURLOPT_XFERINFODATA, &silence);
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, AppendToBody);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, &body);

  silence.lastByte = std::chrono::steady_clock::now();
  const CURLcode code = curl_easy_perform(e);
  if (outcome == nullptr) return body;

  long status = 0;
  curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
  outcome->httpStatus = static_cast<int>(status);
  if (code == CURLE_OK) return body;

  long osErrno = 0;
  curl_easy_getinfo(e, CURLINFO_OS_ERRNO, &osErrno);
  // Once a status line has come, the failure happened while the body was read.
  outcome->result = status != 0 ? FetchResult::kBrokeOff : FetchResult::kFailedBeforeBody;
  outcome->cause = silence.expired ? FetchFailure::kTimedOut : FailureForCode(code, osErrno);
  // The silence watch stops the transfer through the progress callback; what
  // it stands for is libcurl's own time-out.
  outcome->platformError = silence.expired ? CURLE_OPERATION_TIMEDOUT : code;
  return body;
}

}  // namespace

Bytes FetchUrl(const Text& address) {
  return Fetch(address, nullptr);
}

Bytes FetchUrlReporting(const Text& address, FetchOutcome& outcome) {
  return Fetch(address, &outcome);
}

void CloseInternetSession() {
  CurlSession& session = Session();
  if (session.share != nullptr) curl_share_cleanup(session.share);
  session.share = nullptr;
}
