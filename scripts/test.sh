#!/usr/bin/env bash
# Sets up, checks the formatting, builds the program with warnings as
# errors, builds and runs every test in the AddressSanitizer +
# UndefinedBehaviorSanitizer build, runs the fuzz targets briefly (with
# clang), then checks the Debian package made from the normal build.
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
# The optimised build with warnings as errors makes the program and what its
# package holds; every test runs once, in the sanitizer build. The
# benchmarks and the picture programs are built by their own commands
# (README), which keeps the run within CI's time.
echo "== dev build"
scripts/build.sh dev Zumoku zumoku_setting_files zumoku_icon zumoku_compressed_docs
echo "== asan build"
scripts/build.sh asan
HOME="$home" ctest --preset asan --parallel 2 "$@"
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
