#!/usr/bin/env bash
# Sets up, builds what running needs and starts the editor; the arguments
# (a file to open) go to the editor, read from where the script was called.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" default Zumoku
exec "$root/build/bin/Zumoku" "$@"
