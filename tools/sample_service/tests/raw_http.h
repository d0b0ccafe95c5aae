#pragma once
// A raw HTTP exchange over a TCP socket to 127.0.0.1: the request goes out
// byte for byte, so that a test can send what no HTTP client library would.

#include <string>

struct HttpReply {
  bool answered = false;  // false when the server closed without a byte
  int status = 0;
  std::string head;  // status line and header lines
  std::string body;
};

// Connects, sends `request` and reads until the server closes. With
// `thenHalfClose` the client also ends its side after sending, as one that
// gives up would; the service takes that as a client gone and answers nothing.
HttpReply Exchange(int port, const std::string& request, bool thenHalfClose = false);

// The request the program's client sends for a playlist query.
std::string PlaylistRequest(const std::string& query);
