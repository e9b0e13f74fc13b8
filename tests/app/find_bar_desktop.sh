#!/usr/bin/env bash
# The find bar under a window manager with real key events: Enter,
# Shift+Enter and Esc in the search box, then opening another file (Ctrl+O)
# while the matches are marked, TRIES times, each in a fresh program.
# Usage: find_bar_desktop.sh PROGRAM [TRIES]. Exit 77 (skipped) without
# Xvfb, openbox or xdotool.
set -u
program=$1
tries=${2:-3}
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x800x24 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

fail() { echo "try $1: $2"; exit 1; }
for try in $(seq "$tries"); do
  { printf 'ab cd ab\r\n'; for _ in $(seq 30); do printf 'ab ab ab ab\r\n'; done; } >"$work/a.tex"
  printf 'ab ab x\r\n' >"$work/b.tex"
  "$program" "$work/a.tex" 2>/dev/null &
  program_pid=$!
  pids+=("$program_pid")
  window=$(xdotool search --sync --onlyvisible --name 'a\.tex' | head -1)
  xdotool windowactivate --sync "$window"
  sleep 0.5
  # Return finds the first "ab", Return the second, Shift+Return the first
  # again; Esc gives the editor the keys, and X replaces the selection.
  xdotool key ctrl+f && sleep 0.3 && xdotool type ab && sleep 0.5
  for key in Return Return shift+Return Escape; do xdotool key "$key" && sleep 0.3; done
  xdotool type X && sleep 0.2 && xdotool key ctrl+s && sleep 0.5
  [ "$(head -c 9 "$work/a.tex" | od -An -c | tr -d ' \n')" = 'Xcdab\r\n' ] ||
    fail "$try" "the keys did not step through the matches: $(head -c 9 "$work/a.tex" | od -An -c)"
  # Open with the matches marked.
  xdotool key ctrl+f && sleep 0.3 && xdotool type ab && sleep 0.5
  xdotool key ctrl+o && sleep 1 && xdotool type --delay 10 "$work/b.tex" && xdotool key Return
  sleep 1
  kill -0 "$program_pid" 2>/dev/null || fail "$try" "the program ended on opening a file"
  xdotool search --onlyvisible --name 'b\.tex' >/dev/null || fail "$try" "b.tex was not opened"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null
done
echo "$tries tries passed"
