#include "raw_http_server_win.h"

#include <ws2tcpip.h>

namespace {

struct WinsockStartup {
  WinsockStartup() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

// Reads until the blank line that ends the request head, or the peer stops.
std::string ReadRequestHead(SOCKET client) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    const int n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) break;
    head.append(buffer, n);
  }
  return head;
}

}  // namespace

RawHttpServer::RawHttpServer(Responder respond, unsigned short port)
    : respond_(std::move(respond)) {
  static WinsockStartup startup;
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  BOOL reuse = TRUE;
  setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof(reuse));
  bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  listen(listener_, 16);
  int length = sizeof(address);
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  stopping_ = true;
  closesocket(listener_);
  thread_.join();
}

std::string RawHttpServer::Address(const std::string& target) const {
  return "http://127.0.0.1:" + std::to_string(port_) + target;
}

std::vector<std::string> RawHttpServer::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void RawHttpServer::Serve() {
  while (!stopping_) {
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) break;
    ++connections_;
    const std::string head = ReadRequestHead(client);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(head);
    }
    respond_(client, head);
    shutdown(client, SD_SEND);
    closesocket(client);
  }
}

void RawHttpServer::SendAll(SOCKET client, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int n = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n <= 0) return;
    sent += n;
  }
}

RawHttpServer::Responder RawHttpServer::Answer(int status, const std::string& body,
                                               bool withLength) {
  return [=](SOCKET client, const std::string&) {
    std::string head = "HTTP/1.0 " + std::to_string(status) + " Status\r\n";
    head += "Content-Type: text/plain\r\n";
    if (withLength) head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    SendAll(client, head + "\r\n" + body);
  };
}
