#!/usr/bin/env bash
# Runs a Windows program under Wine for the build and the tests.
# Wine starts its desktop and services on demand, and they inherit the
# program's output; to keep them from holding the caller's pipes open (CTest
# would wait on them), the output goes through a file.
out=$(mktemp)
wine "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
rm -f "$out"
exit "$status"
