#!/usr/bin/env bash
# Opens and closes the web-page window CYCLES times the way a user does, with
# the browser's sandbox switched off by whoever starts the program, and after
# each close counts the browser processes still running under the program
# and its resident memory. Before the first page it also checks that no
# browser library is mapped, after start and with the About window open.
# Needs an X display in DISPLAY with a window manager that closes the active
# window on Alt+F4 (openbox does), and xdotool.
# Usage: bench/web_page_soak.sh PROGRAM [CYCLES]
set -uo pipefail

program=$1 cycles=${2:-20}
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY names no X server" >&2; exit 2; }

QTWEBENGINE_DISABLE_SANDBOX=1 "$program" >"${SOAK_LOG:-/dev/null}" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

# The program's own mapped window whose title matches (the browser makes X
# windows of its own, some with the same title).
window_named() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^kelvaro$' 2>/dev/null); do
    [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$pid" ] &&
      [[ $(xdotool getwindowname "$w" 2>/dev/null) =~ $1 ]] && { echo "$w"; return 0; }
  done
  return 1
}
await_window() {
  for _ in $(seq 800); do
    window_named "$1" && return
    sleep 0.025
  done
}
await_no_window() {
  for _ in $(seq 800); do
    window_named "$1" >/dev/null || return 0
    sleep 0.025
  done
  return 1
}
browser_mappings() { grep -c -e WebEngine -e kelvaro_browser "/proc/$pid/maps"; }
# The browser processes under the program: all of them, and those that hold
# pages. The browser starts its helpers (zygotes) once, as children of the
# program; pages get processes of their own forked from a zygote, which keep
# the zygote's command line.
helpers() {
  ps -eo pid=,ppid=,args= | awk -v root="$pid" '
    { parent[$1] = $2; args[$1] = $0 }
    END {
      for (p in parent) {
        for (q = parent[p]; q > 1 && q != root; q = parent[q]) {}
        if (q == root && args[p] ~ /QtWebEngineProcess/) {
          all++
          if (parent[p] != root || args[p] ~ /--type=renderer/) pages++
        }
      }
      printf "%d %d\n", all, pages
    }'
}
rss_mib() { awk '/^VmRSS:/ {printf "%.0f", $2 / 1024}' "/proc/$pid/status"; }

main=$(await_window '^Kelvaro - ')
[ -n "$main" ] || { echo "FAIL: the main window never showed"; exit 1; }
echo "browser libraries mapped after start: $(browser_mappings)"

echo "| cycle | page window | browser processes after close | of them holding pages | program RSS after close (MiB) |"
echo "|---|---|---|---|---|"
failures=0
first_rss="" last_rss=""
for cycle in $(seq "$cycles"); do
  xdotool mousemove --window "$main" 310 142 click 1
  about=$(await_window '^About Kelvaro$')
  [ -n "$about" ] || { echo "FAIL: no About window in cycle $cycle"; exit 1; }
  [ "$cycle" -eq 1 ] && echo "browser libraries mapped with the About window open: $(browser_mappings)"
  xdotool mousemove --window "$about" 150 210 click 1
  page=$(await_window '^The Kelvaro web page')
  [ -n "$page" ] || { echo "FAIL: no web-page window in cycle $cycle"; exit 1; }
  # Let the page load (here: the browser's own page for an unknown host).
  for _ in $(seq 100); do
    [ "$(helpers | cut -d ' ' -f 2)" -gt 0 ] && break
    sleep 0.05
  done
  sleep 1
  [ "$cycle" -eq 1 ] && echo "browser libraries mapped with the web page open: $(browser_mappings)"
  xdotool windowactivate --sync "$page" key --clearmodifiers alt+F4
  await_no_window '^The Kelvaro web page' || { echo "FAIL: the web page stayed open"; exit 1; }
  for _ in $(seq 100); do
    [ "$(helpers | cut -d ' ' -f 2)" -eq 0 ] && break
    sleep 0.05
  done
  read -r all pages < <(helpers)
  last_rss=$(rss_mib)
  first_rss=${first_rss:-$last_rss}
  echo "| $cycle | $page | $all | $pages | $last_rss |"
  [ "$pages" -eq 0 ] || failures=$((failures + 1))
done

echo "program RSS after the first close: $first_rss MiB, after the last: $last_rss MiB"
[ $((last_rss - first_rss)) -le 20 ] || { echo "FAIL: grew by more than 20 MiB"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "PASS: every close ended the page's browser processes"
exit $((failures > 0))
