#!/usr/bin/env bash
# Sets up, checks the formatting, builds and runs every test: the normal
# build with warnings as errors, then the AddressSanitizer +
# UndefinedBehaviorSanitizer build, the fuzz targets' short run (with
# clang), then the Debian package made from the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
echo "== format"
scripts/format_check.sh
export QT_QPA_PLATFORM=offscreen
# The tests run with an empty home folder of their own, which must stay
# empty: no test may write into a user's home.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
for preset in dev asan; do
  echo "== $preset build"
  scripts/build.sh "$preset"
  HOME="$home" ctest --preset "$preset" --parallel 2 "$@"
done
# The fuzz targets' smoke run, a few seconds each, where clang is there.
if command -v clang++ >/dev/null; then
  echo "== fuzz build"
  scripts/build.sh fuzz
  HOME="$home" ctest --preset fuzz
fi
written="$(find "$home" -mindepth 1 | head -20)"
if [ -n "$written" ]; then
  echo "tests wrote into the home folder:" >&2
  echo "$written" >&2
  exit 1
fi
echo "== package"
scripts/package_check.sh
