#!/usr/bin/env bash
# Configures and builds one preset (default: "default"); the targets named
# after it only, when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
shift $(($# > 0 ? 1 : 0))
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" ${1:+--target "$@"}
