// FetchUrl over WinINet: one GET per call through one process-wide session.
// FetchUrlReporting runs the same exchange and also tells how it ended.

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "base/recoverable_allocation.h"
#include "playlist/fetch_url.h"
#include "playlist/piece_size.h"
#include "playlist/wininet_api_win.h"

WinInetApi RealWinInetApi() {
  return WinInetApi{::InternetCanonicalizeUrlA, ::InternetCrackUrlA, ::InternetOpenA,
                    ::InternetConnectA,         ::InternetSetOptionA, ::HttpOpenRequestA,
                    ::HttpSendRequestA,         ::HttpQueryInfoA,     ::InternetReadFile,
                    ::InternetCloseHandle};
}

WinInetApi& ActiveWinInetApi() {
  static WinInetApi api = RealWinInetApi();
  return api;
}

namespace {

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const char kAcceptType[] = "Accept: */* \r\n";
const char kExtraHeaders[] = "Accept: */*\r\n\r\n";
constexpr DWORD kExtraHeadersLength = 15;
constexpr DWORD kHttpFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
static_assert(kHttpFlags == 0x84000000, "http request flags");
static_assert((kHttpFlags | INTERNET_FLAG_SECURE) == 0x84800000, "https request flags");
static_assert(sizeof(kExtraHeaders) - 1 == kExtraHeadersLength, "extra headers length");

// The session record lives as long as the process; no operation of the
// program sets a proxy, so the proxy texts stay empty.
struct InternetSession {
  HINTERNET handle = nullptr;
  Text proxyAddress;
  Text proxyUserName;
  Text proxyPassword;
};

InternetSession& Session() {
  static InternetSession session;
  return session;
}

// Owns one connection or request handle.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() { Close(); }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Close() {
    if (handle_ != nullptr) ActiveWinInetApi().CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HINTERNET handle_;
};

// The canonical form through the wide-character entry point, converting with
// the system code page both ways.
bool CanonicalizeThroughWide(const char* address, std::string& canonical) {
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, address, -1, nullptr, 0);
  if (wideLength <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, address, -1, &wide[0], wideLength);
  std::wstring result(INTERNET_MAX_URL_LENGTH, L'\0');
  DWORD length = static_cast<DWORD>(result.size());
  if (!InternetCanonicalizeUrlW(wide.c_str(), &result[0], &length, ICU_NO_ENCODE)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    result.assign(length + 1, L'\0');
    length = static_cast<DWORD>(result.size());
    if (!InternetCanonicalizeUrlW(wide.c_str(), &result[0], &length, ICU_NO_ENCODE)) return false;
  }
  const int narrowLength =
      WideCharToMultiByte(CP_ACP, 0, result.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (narrowLength <= 0) return false;
  canonical.assign(static_cast<std::size_t>(narrowLength), '\0');
  WideCharToMultiByte(CP_ACP, 0, result.c_str(), -1, &canonical[0], narrowLength, nullptr,
                      nullptr);
  canonical.resize(static_cast<std::size_t>(narrowLength - 1));
  return true;
}

// The canonical form of the address, without percent-encoding anything.
bool Canonicalize(const char* address, std::string& canonical) {
  WinInetApi& api = ActiveWinInetApi();
  static_assert(INTERNET_MAX_URL_LENGTH == 2084, "canonical buffer size");
  char buffer[INTERNET_MAX_URL_LENGTH] = {};
  DWORD length = sizeof(buffer);
  if (api.CanonicalizeUrl(address, buffer, &length, ICU_NO_ENCODE)) {
    // Some WinINet implementations size the narrow result by its wide length,
    // which cuts off or leaves unterminated an address with double-byte
    // characters; the length they report then disagrees with the text.
    buffer[sizeof(buffer) - 1] = '\0';
    if (std::strlen(buffer) == length) {
      canonical.assign(buffer, length);
      return true;
    }
    return CanonicalizeThroughWide(address, canonical);
  }
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
  // Sized as the platform asks; one more byte in case the figure leaves out the NUL.
  std::unique_ptr<char[]> large(new char[length + 1]());
  DWORD largeLength = length + 1;
  if (!api.CanonicalizeUrl(address, large.get(), &largeLength, ICU_NO_ENCODE)) return false;
  large[length] = '\0';
  if (std::strlen(large.get()) != largeLength) return CanonicalizeThroughWide(address, canonical);
  canonical.assign(large.get(), largeLength);
  return true;
}

struct AddressParts {
  char host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
  char path[INTERNET_MAX_PATH_LENGTH] = {};
  char userName[INTERNET_MAX_USER_NAME_LENGTH] = {};
  char password[INTERNET_MAX_PASSWORD_LENGTH] = {};
  INTERNET_PORT port = 0;
  INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
};

// Splits the canonical address; no separate extra-information part is asked
// for, so the query stays on the path. A part that does not fit fails.
bool Split(const std::string& canonical, AddressParts& parts) {
  URL_COMPONENTSA components = {};
  components.dwStructSize = sizeof(components);
  components.lpszHostName = parts.host;
  components.dwHostNameLength = sizeof(parts.host);
  components.lpszUrlPath = parts.path;
  components.dwUrlPathLength = sizeof(parts.path);
  components.lpszUserName = parts.userName;
  components.dwUserNameLength = sizeof(parts.userName);
  components.lpszPassword = parts.password;
  components.dwPasswordLength = sizeof(parts.password);
  if (!ActiveWinInetApi().CrackUrl(canonical.c_str(), 0, 0, &components)) return false;
  parts.port = components.nPort;
  parts.scheme = components.nScheme;
  return true;
}

HINTERNET OpenedSession() {
  InternetSession& session = Session();
  if (session.handle == nullptr) {
    const bool direct = session.proxyAddress.empty();
    session.handle = ActiveWinInetApi().Open(
        kAgent, direct ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY,
        direct ? nullptr : session.proxyAddress.c_str(), nullptr, 0);
  }
  return session.handle;
}

// The operating system's preconfigured proxy for the session, and the (empty)
// proxy credentials for the connection; the outcome does not matter.
void ApplyProxySettings(HINTERNET connection) {
  WinInetApi& api = ActiveWinInetApi();
  InternetSession& session = Session();
  const bool preconfigured = session.proxyAddress.empty();
  INTERNET_PROXY_INFO info = {};
  info.dwAccessType = preconfigured ? INTERNET_OPEN_TYPE_PRECONFIG : INTERNET_OPEN_TYPE_PROXY;
  info.lpszProxy = preconfigured ? nullptr : session.proxyAddress.c_str();
  info.lpszProxyBypass = nullptr;
  api.SetOption(session.handle, INTERNET_OPTION_PROXY, &info, sizeof(info));
  api.SetOption(connection, INTERNET_OPTION_PROXY_USERNAME,
                const_cast<char*>(session.proxyUserName.c_str()),
                static_cast<DWORD>(session.proxyUserName.size() + 1));
  api.SetOption(connection, INTERNET_OPTION_PROXY_PASSWORD,
                const_cast<char*>(session.proxyPassword.c_str()),
                static_cast<DWORD>(session.proxyPassword.size() + 1));
}

// The announced Content-Length as WinINet gives it; null when it could not be queried.
struct ContentLength {
  char value[32] = {};
  bool queried = false;
  const char* text() const { return queried ? value : nullptr; }
};

ContentLength QueryContentLength(HINTERNET request) {
  ContentLength length;
  DWORD size = sizeof(length.value);
  DWORD index = 0;
  length.queried =
      ActiveWinInetApi().QueryInfo(request, HTTP_QUERY_CONTENT_LENGTH, length.value, &size, &index);
  length.value[sizeof(length.value) - 1] = '\0';
  return length;
}

// Appends a piece to the body; false when the memory for it cannot be had
// (the reading then stops with what was collected so far).
bool AppendPiece(Bytes& body, const char* piece, std::size_t length) {
  const std::size_t needed = body.size() + length;
  if (needed > body.capacity()) {
    try {
      body.reserve(std::max(needed, body.capacity() * 2));
    } catch (const std::bad_alloc&) {
      try {
        body.reserve(needed);
      } catch (const std::bad_alloc&) {
        return false;
      }
    }
  }
  body.insert(body.end(), piece, piece + length);
  return true;
}

enum class ReadEnd { kComplete, kReadFailed, kNoMemory, kNoPieceBuffer };

// `error`, when given, receives the code of a failed read at once, before the
// buffers are released.
Bytes ReadBody(HINTERNET request, uint32_t pieceSize, ReadEnd& end, DWORD* error) {
  Bytes body;
  RecoverableAllocationScope recoverable;
  std::unique_ptr<char[]> piece(new (std::nothrow) char[pieceSize]);
  end = ReadEnd::kNoPieceBuffer;
  if (!piece) return body;
  for (;;) {
    DWORD read = 0;
    if (!ActiveWinInetApi().ReadFile(request, piece.get(), pieceSize, &read)) {
      end = ReadEnd::kReadFailed;
      if (error != nullptr) *error = GetLastError();
      break;
    }
    end = ReadEnd::kComplete;
    if (read == 0) break;
    if (!AppendPiece(body, piece.get(), read)) {
      end = ReadEnd::kNoMemory;
      break;
    }
  }
  return body;
}

FetchFailure FailureForError(DWORD error) {
  switch (error) {
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
      return FetchFailure::kNameNotResolved;
    case ERROR_INTERNET_CANNOT_CONNECT:
      return FetchFailure::kConnectionRefused;
    case ERROR_INTERNET_TIMEOUT:
      return FetchFailure::kTimedOut;
    case ERROR_INTERNET_INVALID_URL:
    case ERROR_INTERNET_UNRECOGNIZED_SCHEME:
      return FetchFailure::kInvalidAddress;
    default:
      return FetchFailure::kOther;
  }
}

// Records a failure before the body; the error code is read right after the
// call that failed, before anything else can overwrite it.
Bytes FailedBeforeBody(FetchOutcome* outcome, FetchFailure cause) {
  if (outcome != nullptr) {
    const DWORD error = GetLastError();
    outcome->result = FetchResult::kFailedBeforeBody;
    outcome->platformError = error;
    outcome->cause = cause == FetchFailure::kOther ? FailureForError(error) : cause;
  }
  return Bytes();
}

// Only the reporting fetch asks for the status; the window's fetch reads an
// error page like any other body and makes no more calls than it needs.
int QueryStatusCode(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  DWORD index = 0;
  if (!ActiveWinInetApi().QueryInfo(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                                    &status, &size, &index)) {
    return 0;
  }
  return static_cast<int>(status);
}

// How the reading ended, as the reporting fetch tells it. A body shorter than
// the announced length broke off too, even when WinINet took the close for
// the end of the body.
void RecordReadEnd(FetchOutcome& outcome, ReadEnd end, DWORD error, const Bytes& body,
                   const ContentLength& length) {
  switch (end) {
    case ReadEnd::kComplete: {
      const int64_t announced = length.queried ? ParseDecimalPrefix(length.value) : 0;
      if (announced > 0 && static_cast<uint64_t>(announced) > body.size()) {
        outcome.result = FetchResult::kBrokeOff;
        outcome.cause = FetchFailure::kOther;
      }
      return;
    }
    case ReadEnd::kReadFailed:
      outcome.result = FetchResult::kBrokeOff;
      outcome.cause = FailureForError(error);
      outcome.platformError = error;
      return;
    case ReadEnd::kNoMemory:
      outcome.result = FetchResult::kBrokeOff;
      outcome.cause = FetchFailure::kOther;
      outcome.platformError = ERROR_NOT_ENOUGH_MEMORY;
      return;
    case ReadEnd::kNoPieceBuffer:
      outcome.result = FetchResult::kFailedBeforeBody;
      outcome.cause = FetchFailure::kOther;
      outcome.platformError = ERROR_NOT_ENOUGH_MEMORY;
      return;
  }
}

// The one exchange behind both entry points. With `outcome` null it makes
// exactly the calls of the window's fetch; with an outcome it also asks for
// the status code and keeps the error codes.
Bytes Fetch(const Text& address, FetchOutcome* outcome) {
  if (outcome != nullptr) *outcome = FetchOutcome();
  if (address.c_str()[0] == '\0') {
    if (outcome != nullptr) {
      outcome->result = FetchResult::kFailedBeforeBody;
      outcome->cause = FetchFailure::kInvalidAddress;
    }
    return Bytes();
  }

  std::string canonical;
  AddressParts parts;
  if (!Canonicalize(address.c_str(), canonical) || !Split(canonical, parts)) {
    return FailedBeforeBody(outcome, FetchFailure::kInvalidAddress);
  }
  const bool secure = parts.scheme == INTERNET_SCHEME_HTTPS;
  const DWORD flags = secure ? kHttpFlags | INTERNET_FLAG_SECURE : kHttpFlags;

  WinInetApi& api = ActiveWinInetApi();
  HINTERNET session = OpenedSession();
  if (session == nullptr) return FailedBeforeBody(outcome, FetchFailure::kOther);

  InternetHandle connection(api.Connect(session, parts.host, parts.port, parts.userName,
                                        parts.password, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return FailedBeforeBody(outcome, FetchFailure::kOther);
  ApplyProxySettings(connection.get());

  // Nothing from the first "#" on is sent.
  if (char* hash = std::strchr(parts.path, '#')) *hash = '\0';

  const char* acceptTypes[] = {kAcceptType, nullptr};
  InternetHandle request(api.OpenRequest(connection.get(), "GET", parts.path, "HTTP/1.0", nullptr,
                                         acceptTypes, flags, 0));
  if (!request) return FailedBeforeBody(outcome, FetchFailure::kOther);
  if (!api.SendRequest(request.get(), kExtraHeaders, kExtraHeadersLength, nullptr, 0)) {
    return FailedBeforeBody(outcome, FetchFailure::kOther);
  }
  if (outcome != nullptr) outcome->httpStatus = QueryStatusCode(request.get());

  const ContentLength length = QueryContentLength(request.get());
  ReadEnd end = ReadEnd::kComplete;
  DWORD readError = 0;
  Bytes body = ReadBody(request.get(), PieceSizeForContentLength(length.text()), end,
                        outcome != nullptr ? &readError : nullptr);
  if (outcome != nullptr) RecordReadEnd(*outcome, end, readError, body, length);
  request.Close();
  connection.Close();
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
  InternetSession& session = Session();
  if (session.handle != nullptr) ActiveWinInetApi().CloseHandle(session.handle);
  session.handle = nullptr;
}
