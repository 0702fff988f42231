#!/bin/bash
# Builds the benchmarks in Release and runs them all: palette refresh and
# listing of 10,000 entities, DXF load and save, and the comparison with ezdxf.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build-bench"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKD_BUILD_BENCH=ON -DKD_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target palette_bench dxf_bench kdprops >/dev/null
"$build/bin/palette_bench" --benchmark_counters_tabular=true
bash "$here/bench/compare_ezdxf.sh" "${1:-64}"
