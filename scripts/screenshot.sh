#!/bin/bash
# Renders the palette window with a drawing open into a PNG, without a
# display (Qt's offscreen platform), for notes and the README.
# Usage: scripts/screenshot.sh OUT.png [DRAWING] [kdpalette options, e.g. --select 1A --lang de]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: screenshot.sh OUT.png [DRAWING] [options]}"
shift
[ -x "$here/build/bin/kdpalette" ] || bash "$here/scripts/build.sh" "$here/build"
QT_QPA_PLATFORM=offscreen "$here/build/bin/kdpalette" "$@" --screenshot "$out"
echo "$out"
