#pragma once
// A raw HTTP server on 127.0.0.1 for the native tests: it records the bytes of
// every request head it receives and answers each connection with a script.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class RawHttpServer {
 public:
  // `respond` writes the answer to the connected socket; the server closes it after.
  using Responder = std::function<void(int client, const std::string& requestHead)>;

  explicit RawHttpServer(Responder respond);
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  int port() const { return port_; }
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> Requests();

  // A complete answer, and the piece to build misbehaving ones.
  static Responder Answer(int status, const std::string& body);
  static void SendAll(int client, const std::string& bytes);

 private:
  void Serve();

  Responder respond_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (it was free a moment ago).
int ClosedPort();
