#pragma once
// A raw HTTP server on 127.0.0.1 for the tests: it records the bytes of every
// request head it receives and answers each connection with a script.

#include <winsock2.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class RawHttpServer {
 public:
  // `respond` writes the answer to the connected socket; the server closes it after.
  using Responder = std::function<void(SOCKET client, const std::string& requestHead)>;

  // Listens on `port`, or on a free one when it is 0.
  explicit RawHttpServer(Responder respond, unsigned short port = 0);
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  unsigned short port() const { return port_; }
  std::string Address(const std::string& target) const;
  std::vector<std::string> Requests();
  int Connections() const { return connections_; }

  // Answers: a complete one, and the pieces to build misbehaving ones.
  static Responder Answer(int status, const std::string& body, bool withLength = true);
  static void SendAll(SOCKET client, const std::string& bytes);

 private:
  void Serve();

  Responder respond_;
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
