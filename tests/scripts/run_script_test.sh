#!/usr/bin/env bash
# scripts/run.sh in a copy of the tree whose set-up, build and program are
# stand-ins: it must build the program alone and hand it the file named, as
# the caller named it.
set -euo pipefail
source_dir="$1"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/scripts" "$tree/build/bin" "$tree/work"
cp "$source_dir/scripts/run.sh" "$tree/scripts/"
printf '#!/bin/sh\n' >"$tree/scripts/setup.sh"
printf '#!/bin/sh\necho "build $*" >>"%s/log"\n' "$tree" >"$tree/scripts/build.sh"
printf '#!/bin/sh\nfor f; do echo "open $(readlink -f "$f")" >>"%s/log"; done\n' "$tree" >"$tree/build/bin/Zumoku"
chmod +x "$tree/scripts/"*.sh "$tree/build/bin/Zumoku"
touch "$tree/work/論文 1.tex"

(cd "$tree/work" && ../scripts/run.sh "論文 1.tex")

expected="build default Zumoku
open $tree/work/論文 1.tex"
if [ "$(cat "$tree/log")" != "$expected" ]; then
  printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$(cat "$tree/log")"
  exit 1
fi
