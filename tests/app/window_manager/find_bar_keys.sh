#!/usr/bin/env bash
# The find bar under a window manager with real key events: Enter,
# Shift+Enter and Esc in the search box, then opening another file (Ctrl+O)
# while the matches are marked, TRIES times, each in a fresh program.
# Usage, on a display with a window manager (desktop_session.sh):
# find_bar_keys.sh PROGRAM [TRIES].
set -u
program=$1
tries=${2:-3}
work=$(mktemp -d)
program_pid=
trap 'kill "$program_pid" 2>/dev/null; rm -rf "$work"' EXIT
# The program's own settings and recovery files go to this run's folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"

fail() { echo "try $1: $2"; exit 1; }
for try in $(seq "$tries"); do
  { printf 'ab cd ab\r\n'; for _ in $(seq 30); do printf 'ab ab ab ab\r\n'; done; } >"$work/a.tex"
  printf 'ab ab x\r\n' >"$work/b.tex"
  "$program" "$work/a.tex" 2>/dev/null &
  program_pid=$!
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
