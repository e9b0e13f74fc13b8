#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build, then the Debian
# package made from the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
  echo "== $preset build"
  scripts/build.sh "$preset"
  ctest --preset "$preset" --parallel 2 "$@"
done
echo "== package"
scripts/package_check.sh
