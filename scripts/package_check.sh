#!/usr/bin/env bash
# Makes the Debian package from the default build, unpacks it into a
# temporary root and checks it as a desktop would see it: its files, the
# desktop entry and the AppStream metadata (validated offline), its
# dependencies, and that the unpacked program runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$root/out" >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
deb="$(echo "$root"/out/zumoku_*.deb)"
dpkg-deb -x "$deb" "$root/fs"
version="$(dpkg-deb -f "$deb" Version)"

fail() { echo "package check: $*" >&2; exit 1; }
# The desktop entry, the metadata and the icon share one id.
entries=("$root"/fs/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not exactly one desktop entry"
id="$(basename "${entries[0]}" .desktop)"
for file in usr/bin/zumoku \
            "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$id.png"; do
  [ -s "$root/fs/$file" ] || fail "$file is missing"
done
# The default settings, and nothing else from their folder.
settings="$(ls src/default_settings | grep -vx CMakeLists.txt)"
[ "$(ls "$root/fs/usr/share/zumoku/setting")" = "$settings" ] ||
  fail "the settings folder holds other files than $(echo $settings)"
for file in $settings; do
  cmp -s "src/default_settings/$file" "$root/fs/usr/share/zumoku/setting/$file" || fail "$file differs in the package"
done
for file in usr/share/doc/zumoku/copyright usr/share/man/man1/zumoku.1.gz usr/share/man/ja/man1/zumoku.1.gz; do
  [ -s "$root/fs/$file" ] || fail "$file is missing"
done
# A PNG's width and height are the big-endian words at bytes 16 and 20.
size="$(od -An -tu1 -j16 -N8 "$root/fs/usr/share/icons/hicolor/48x48/apps/$id.png" | tr -s ' ')"
[ "$size" = " 0 0 0 48 0 0 0 48" ] || fail "the PNG icon is not 48 x 48 ($size)"

# Warnings and hints fail the check too.
report="$(desktop-file-validate "$root/fs/usr/share/applications/$id.desktop")" && [ -z "$report" ] ||
  fail "desktop entry: $report"
appstreamcli validate --no-net --pedantic "$root/fs/usr/share/metainfo/$id.metainfo.xml" >/dev/null
# Debian's own checks: errors fail, warnings are shown.
lintian --tag-display-limit 0 "$deb" >"$root/lintian.log" 2>&1 || true
grep -E '^[WI]: ' "$root/lintian.log" || true
! grep -E '^E: ' "$root/lintian.log" || fail "lintian reports errors"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6pdfwidgets6 libsynctex2 fonts-ipafont-gothic; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

answer="$(QT_QPA_PLATFORM=offscreen "$root/fs/usr/bin/zumoku" --version 2>/dev/null)"
[ "$answer" = "Zumoku $version" ] || fail "--version answered '$answer', not 'Zumoku $version'"
echo "package check: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) passed; Depends: $depends"
