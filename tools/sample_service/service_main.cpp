// The HTTP side of the sample playlist service: options, the listening socket,
// the one endpoint, and a clean end on SIGINT or SIGTERM.
//
//   qz-sample-service [--address A] [--port P]
//
// Once it listens it prints exactly one line, "listening on http://A:P", which
// scripts and tests parse to learn the port (P is the real one when 0 was asked).

#include <httplib.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "tools/sample_service/playlist_answer.h"

namespace {

const char kPlaylistPath[] = "/fcg-bin/cgi_playlist_xml.fcg";
const char kAnswerType[] = "application/x-javascript; charset=GBK";

struct Options {
  std::string address = "127.0.0.1";
  int port = 18080;
};

bool ParsePort(const char* text, int& port) {
  if (*text == '\0' || std::strlen(text) > 5) return false;
  int value = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
    value = value * 10 + (*p - '0');
  }
  if (value > 65535) return false;
  port = value;
  return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (option == "--address") {
      options.address = value;
    } else if (option == "--port") {
      if (!ParsePort(value, options.port)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// The value of `key` in the query part of the request target, as sent: the
// real client puts the typed text into the query unescaped, so the service
// looks at the raw bytes and never decodes them. The first occurrence wins.
std::optional<std::string> RawQueryValue(const std::string& target, const std::string& key) {
  const size_t query = target.find('?');
  if (query == std::string::npos) return std::nullopt;
  size_t start = query + 1;
  while (start <= target.size()) {
    size_t end = target.find('&', start);
    if (end == std::string::npos) end = target.size();
    const std::string pair = target.substr(start, end - start);
    const size_t equals = pair.find('=');
    if (pair.substr(0, equals) == key) {
      return equals == std::string::npos ? std::string() : pair.substr(equals + 1);
    }
    start = end + 1;
  }
  return std::nullopt;
}

// Only GET (and the HEAD that the library derives from it) on the playlist
// path; everything else is refused before any handler runs.
httplib::Server::HandlerResponse Screen(const httplib::Request& request,
                                        httplib::Response& response) {
  if (request.path != kPlaylistPath) {
    response.status = 404;
    response.set_content("not found\n", "text/plain");
    return httplib::Server::HandlerResponse::Handled;
  }
  if (request.method != "GET" && request.method != "HEAD") {
    response.status = 405;
    response.set_header("Allow", "GET, HEAD");
    response.set_content("method not allowed\n", "text/plain");
    return httplib::Server::HandlerResponse::Handled;
  }
  return httplib::Server::HandlerResponse::Unhandled;
}

// Like the real service, an unknown or malformed number is still a 200 with an
// error code in the body; only a query without uin at all is a bad request.
void AnswerPlaylistQuery(const httplib::Request& request, httplib::Response& response) {
  const std::optional<std::string> uin = RawQueryValue(request.target, "uin");
  if (!uin) {
    response.status = 400;
    response.set_content("missing uin\n", "text/plain");
    return;
  }
  response.set_content(PlaylistAnswer(*uin), kAnswerType);
}

// The library's default also sets SO_REUSEPORT, which would let a second
// service bind the same port and share its connections with a stale one: a
// port in use must be an error. SO_REUSEADDR alone only allows a quick restart.
void ReuseAddressOnly(socket_t sock) {
  int yes = 1;
  setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

std::string ListeningLine(const std::string& address, int port) {
  const bool ipv6 = address.find(':') != std::string::npos;
  return "listening on http://" + (ipv6 ? "[" + address + "]" : address) + ":" +
         std::to_string(port);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s [--address A] [--port P]\n", argv[0]);
    return 2;
  }

  // The stop signals are blocked in every thread and taken by sigwait below,
  // so that the server is stopped from ordinary code, never from a handler.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  httplib::Server server;
  // One request a connection, as the real client asks; and a client that
  // stalls mid-request is let go soon, which keeps the stop quick.
  server.set_keep_alive_max_count(1);
  server.set_read_timeout(3);
  server.set_socket_options(ReuseAddressOnly);
  server.set_pre_routing_handler(Screen);
  server.Get(".*", AnswerPlaylistQuery);  // Screen lets only the playlist path through

  int port = options.port;
  if (port == 0) {
    port = server.bind_to_any_port(options.address);
  } else if (!server.bind_to_port(options.address, port)) {
    port = -1;
  }
  if (port <= 0) {
    std::fprintf(stderr, "cannot listen on %s port %d\n", options.address.c_str(), options.port);
    return 1;
  }
  std::atomic<bool> stopping{false};
  std::atomic<bool> listenerEnded{false};
  std::atomic<bool> failed{false};
  std::thread listener([&] {
    server.listen_after_bind();
    listenerEnded = true;
    if (!stopping) {
      // The server gave up by itself: wake the sigwait below to end the process.
      failed = true;
      kill(getpid(), SIGTERM);
    }
  });
  // The library ignores a stop that comes before its accept loop has begun, and
  // a script may stop us as soon as it has read the line: so the line waits
  // for the loop.
  while (!server.is_running() && !listenerEnded) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (server.is_running()) {
    std::printf("%s\n", ListeningLine(options.address, port).c_str());
    std::fflush(stdout);
  }

  int signalNumber = 0;
  sigwait(&stopSignals, &signalNumber);
  stopping = true;
  server.stop();
  listener.join();
  return failed ? 1 : 0;
}
