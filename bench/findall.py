"""Times Python's re.findall over a playlist answer, for the extraction bench.

usage: findall.py FILE RUNS
Prints "SECONDS NAMES": the median CPU time (of this thread, as the bench
measures its own) of RUNS runs of the three findall
calls (the same three patterns, DOTALL, over the file's bytes) and the number
of song names found.
"""
import re
import statistics
import sys
import time

PATTERNS = [
    rb"xsong_name:.(.*?).,xsinger_id",
    rb"xsong_url:'(.*?)',xsong_dissid",
    rb"xsinger_name:.(.*?).,xsong_url",
]


def main():
    path, runs = sys.argv[1], int(sys.argv[2])
    with open(path, "rb") as f:
        data = f.read()
    compiled = [re.compile(p, re.DOTALL) for p in PATTERNS]
    times = []
    names = 0
    for _ in range(runs):
        start = time.thread_time()
        found = [p.findall(data) for p in compiled]
        times.append(time.thread_time() - start)
        names = len(found[0])
    print(f"{statistics.median(times):.9f} {names}")


main()
