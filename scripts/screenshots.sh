#!/usr/bin/env bash
# Redraws the README's pictures under docs/ with the programs in
# tools/screenshots, each under its own Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh default >/dev/null
bin=build/screenshots
shoot() { xvfb-run -a -s "-screen 0 1280x800x24" "$bin/$1" "${@:2}"; }
shoot view_screenshot docs/view.png
shoot find_screenshot docs/find.png
shoot encodings_screenshot docs/encodings.png docs/format_dialog.png
shoot settings_screenshot docs/settings
shoot typeset_screenshot docs/typeset.png
shoot picture_screenshot docs/picture.png
shoot paper_screenshot docs/paper.png
