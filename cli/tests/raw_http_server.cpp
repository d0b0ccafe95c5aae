#include "raw_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int ListenOnFreePort(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(fd, 16) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    return -1;
  }
  port = ntohs(address.sin_port);
  return fd;
}

// Reads until the blank line that ends the request head, or the peer stops.
std::string ReadRequestHead(int client) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    const ssize_t n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) break;
    head.append(buffer, static_cast<std::size_t>(n));
  }
  return head;
}

}  // namespace

RawHttpServer::RawHttpServer(Responder respond) : respond_(std::move(respond)) {
  listener_ = ListenOnFreePort(port_);
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  stopping_ = true;
  thread_.join();
  if (listener_ >= 0) close(listener_);
}

std::vector<std::string> RawHttpServer::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void RawHttpServer::Serve() {
  // Polls, so that the destructor can stop the loop without closing the
  // socket under a blocked accept.
  while (!stopping_ && listener_ >= 0) {
    pollfd p{listener_, POLLIN, 0};
    if (poll(&p, 1, 50) <= 0) continue;
    const int client = accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    const std::string head = ReadRequestHead(client);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(head);
    }
    respond_(client, head);
    shutdown(client, SHUT_WR);
    close(client);
  }
}

void RawHttpServer::SendAll(int client, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

RawHttpServer::Responder RawHttpServer::Answer(int status, const std::string& body) {
  return [=](int client, const std::string&) {
    SendAll(client, "HTTP/1.0 " + std::to_string(status) +
                        " Status\r\nContent-Type: text/plain\r\nContent-Length: " +
                        std::to_string(body.size()) + "\r\n\r\n" + body);
  };
}

int ClosedPort() {
  int port = 0;
  const int fd = ListenOnFreePort(port);
  if (fd >= 0) close(fd);
  return port;
}
