#include "raw_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>

namespace {

struct Socket {
  int fd = -1;
  explicit Socket(int f) : fd(f) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket() {
    if (fd >= 0) close(fd);
  }
};

bool SendAll(int fd, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

void ParseReply(const std::string& bytes, HttpReply& reply) {
  reply.answered = !bytes.empty();
  const size_t end = bytes.find("\r\n\r\n");
  reply.head = bytes.substr(0, end);
  if (end != std::string::npos) reply.body = bytes.substr(end + 4);
  // "HTTP/1.1 200 OK": the status follows the first blank.
  const size_t blank = reply.head.find(' ');
  if (reply.head.compare(0, 5, "HTTP/") == 0 && blank != std::string::npos) {
    reply.status = std::atoi(reply.head.c_str() + blank + 1);
  }
}

}  // namespace

HttpReply Exchange(int port, const std::string& request, bool thenHalfClose) {
  HttpReply reply;
  Socket s(socket(AF_INET, SOCK_STREAM, 0));
  if (s.fd < 0) return reply;
  timeval timeout{10, 0};
  setsockopt(s.fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(s.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return reply;
  if (!SendAll(s.fd, request)) return reply;
  if (thenHalfClose) shutdown(s.fd, SHUT_WR);

  std::string bytes;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = recv(s.fd, buffer, sizeof buffer, 0)) > 0)
    bytes.append(buffer, static_cast<size_t>(n));
  ParseReply(bytes, reply);
  return reply;
}

std::string PlaylistRequest(const std::string& query) {
  return "GET /fcg-bin/cgi_playlist_xml.fcg?" + query +
         " HTTP/1.0\r\n"
         "Host: 127.0.0.1\r\n"
         "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
         "Accept: */*\r\n"
         "\r\n";
}
