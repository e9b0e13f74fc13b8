#!/usr/bin/env bash
# Runs a test program on a display of its own with a real window manager
# (Xvfb and openbox), where key events come from the X server (xdotool):
# focus and default buttons behave there as on a user's desktop, which the
# offscreen platform does not show. Exits 77 (skipped) when a tool is missing.
set -uo pipefail
for tool in Xvfb openbox xdotool xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

pids=()
# openbox keeps a log under the home folder: a folder of this run's own.
scratch="$(mktemp -d)"
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; rm -rf "$scratch"' EXIT
# Xvfb picks a free display and writes its number to the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null)
pids+=($!)
if ! read -r -t 20 display <&3; then
  echo "Xvfb did not start"
  exit 1
fi
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
HOME="$scratch" XDG_CACHE_HOME="$scratch" XDG_CONFIG_HOME="$scratch" openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# openbox has taken the screen once the root window names its check window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
"$@"
