#!/bin/bash
# Configures and builds the project into build/ (or the folder given).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$here/build}"
cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$dir" -j2
