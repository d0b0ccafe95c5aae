#!/usr/bin/env python3
"""A raw HTTP server on 127.0.0.1 for the cross build's comparison.

Prints "listening on PORT" once it listens, then answers every connection
with the given status and body (Content-Length set, or a longer one
announced with --length, so the answer breaks off) and, with --record,
writes each request head byte for byte to DIR/request-N. Runs until killed.
"""
import argparse
import os
import socket


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--status", type=int, default=200)
    parser.add_argument("--body", help="file whose bytes are the answer's body")
    parser.add_argument("--record", help="directory for the request heads")
    parser.add_argument("--length", type=int,
                        help="the Content-Length to announce, to break off after the body")
    args = parser.parse_args()
    body = b""
    if args.body:
        with open(args.body, "rb") as f:
            body = f.read()

    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    print("listening on %d" % listener.getsockname()[1], flush=True)

    count = 0
    while True:
        client, _ = listener.accept()
        with client:
            client.settimeout(10)
            head = b""
            try:
                while b"\r\n\r\n" not in head:
                    piece = client.recv(4096)
                    if not piece:
                        break
                    head += piece
            except socket.timeout:
                pass
            count += 1
            if args.record:
                with open(os.path.join(args.record, "request-%d" % count), "wb") as f:
                    f.write(head)
            answer = b"HTTP/1.0 %d Status\r\nContent-Type: text/plain\r\nContent-Length: %d\r\n\r\n" % (
                args.status, len(body) if args.length is None else args.length)
            try:
                client.sendall(answer + body)
                client.shutdown(socket.SHUT_WR)
            except OSError:
                pass


if __name__ == "__main__":
    main()
