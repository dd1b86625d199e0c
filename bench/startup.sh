#!/usr/bin/env bash
# Times Kelvaro's start the way a user sees it: from exec to the main window
# being mapped, and its resident memory 3 s later. The programs run in turn,
# interleaved, on the X display in DISPLAY; the table gives the medians.
# Usage: bench/startup.sh [-n RUNS] LABEL=COMMAND...
#   e.g. bench/startup.sh -n 8 today=/tmp/base/app/kelvaro new=build/release/app/kelvaro
# A COMMAND may start with `env NAME=VALUE`; it must exec the program itself.
set -euo pipefail

runs=8
if [ "${1:-}" = -n ]; then runs=$2; shift 2; fi
[ $# -gt 0 ] || { sed -n '2,8p' "$0"; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY names no X server" >&2; exit 2; }
command -v xdotool >/dev/null || { echo "needs xdotool" >&2; exit 2; }

results=$(mktemp)
trap 'rm -f "$results"' EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Whether the program's main window is mapped. (xdotool takes the pid or the
# title, not both, so the pid is checked here.)
mapped_by() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Kelvaro - ' 2>/dev/null); do
    [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$1" ] && return 0
  done
  return 1
}

# One start: prints "milliseconds kibibytes".
measure() {
  local start pid mapped=""
  start=$(now_ms)
  # shellcheck disable=SC2086
  $1 >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 2000); do
    if mapped_by "$pid"; then
      mapped=$(now_ms)
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
  done
  sleep 3
  local rss
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$mapped" ] || { echo "never mapped: $1" >&2; return 1; }
  echo "$((mapped - start)) $rss"
}

for run in $(seq "$runs"); do
  for pair in "$@"; do
    label=${pair%%=*}
    echo "$label $(measure "${pair#*=}")" >>"$results"
  done
  echo "run $run of $runs done" >&2
done

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "| program | start (ms) | RSS (MiB) | runs |"
echo "|---|---|---|---|"
for pair in "$@"; do
  label=${pair%%=*}
  ms=$(awk -v l="$label" '$1 == l {print $2}' "$results" | median)
  kib=$(awk -v l="$label" '$1 == l {print $3}' "$results" | median)
  count=$(awk -v l="$label" '$1 == l' "$results" | wc -l)
  awk -v l="$label" -v ms="$ms" -v kib="$kib" -v n="$count" \
    'BEGIN {printf "| %s | %s | %.0f | %d |\n", l, ms, kib / 1024, n}'
done
