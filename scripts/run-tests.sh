#!/bin/bash
# Set up, build, and run every test through CTest.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" "$here/build"
(cd "$here/build" && ctest -j2 --output-on-failure)
# Again under AddressSanitizer and UndefinedBehaviorSanitizer: a leak, an
# overflow or undefined behaviour fails the run.
cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKD_SANITIZE=ON
cmake --build "$here/build-asan" -j2
(cd "$here/build-asan" && ctest -j2 --output-on-failure)
