#!/usr/bin/env bash
# Runs a command, then prints "status=<exit status>" on stderr, and always succeeds:
# lets a RUN line check a failing program's output and status in one FileCheck.
"$@"
status=$?
echo "status=$status" >&2
exit 0
