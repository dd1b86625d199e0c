#!/usr/bin/env bash
# Starts the installed program and expects it still running after a few
# seconds: a missing library, plugin or resource makes it exit at once.
# Usage: check_program_starts.sh PROGRAM
set -u
log=$(mktemp)
trap 'rm -f "$log"' EXIT
timeout 3 "$1" >"$log" 2>&1
status=$?
if [ "$status" -ne 124 ]; then
  echo "FAIL: $1 ended with status $status before it was stopped:"
  cat "$log"
  exit 1
fi
echo "$1 was still running after 3 seconds"
