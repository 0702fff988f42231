#!/bin/bash
# The main job: set up, build, and run the command-line host.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" "$here/build"
if [ $# -eq 0 ]; then set -- demo; fi
"$here/build/bin/kdprops" "$@"
