#!/bin/bash
# Runs a fuzz target for the given seconds (default 600) on a corpus seeded
# with the sample drawings; crashing inputs land in fuzz/out/crashes/ and
# belong in tests/dxf/regressions/ once fixed.
# Usage: fuzz/run.sh [SECONDS] [dxf_fuzzer|module_fuzzer]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/fuzz/out"
seconds="${1:-600}"
target="${2:-module_fuzzer}"
[ -x "$out/build/bin/$target" ] || bash "$here/fuzz/build.sh"
mkdir -p "$out/corpus-$target" "$out/crashes" "$out/seeds"
# Seeds, read in place: the shared sample drawings, our own sample, the regressions.
[ -x "$here/build/bin/kdprops" ] && "$here/build/bin/kdprops" sample -o "$out/seeds/sample.dxf" || true
seeds=("$here/tests/dxf/regressions" "$out/seeds")
for d in "$here/../shared/dxf-samples/examples" "$here/../shared/dxf-samples/edge-cases" \
         "$here/../shared/dxf-samples/corpus/librecad" "$here/../shared/dxf-samples/corpus/openscad" \
         "$here/../shared/dxf-samples/dynamic-blocks"; do
  [ -d "$d" ] && seeds+=("$d")
done
ASAN_OPTIONS=detect_leaks=1 "$out/build/bin/$target" "$out/corpus-$target" "${seeds[@]}" -max_total_time="$seconds" \
  -max_len=65536 -timeout=20 -rss_limit_mb=3072 -artifact_prefix="$out/crashes/" -print_final_stats=1
