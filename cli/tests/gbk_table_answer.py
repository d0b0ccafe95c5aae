#!/usr/bin/env python3
"""Writes a playlist answer whose song names hold every GBK double-byte code
(one song per lead byte, all 190 trail bytes) and every single byte from 0x80
on, so that the two builds' conversions can be compared over the whole table.
"""
import sys


def record(name):
    return (b"{xsong_name:'" + name + b"',xsinger_id:1,xsinger_name:'s',"
            b"xsong_url:'http://x/',xsong_dissid:1},\n")


def main():
    trails = [t for t in range(0x40, 0xFF) if t != 0x7F]
    out = b"jsonCallback({code:0,data:{songlist:[\n"
    for lead in range(0x81, 0xFF):
        out += record(b"".join(bytes([lead, t]) for t in trails))
    # Single bytes, each followed by a blank, which is no trail byte.
    out += record(b"".join(bytes([b]) + b" " for b in range(0x80, 0x100)))
    out += b"]}})"
    sys.stdout.buffer.write(out)


if __name__ == "__main__":
    main()
