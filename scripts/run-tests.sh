#!/bin/bash
# Set up, build, and run every test through CTest.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" "$here/build"
cd "$here/build"
ctest -j2 --output-on-failure
