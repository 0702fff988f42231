#!/bin/bash
# Runs the DXF fuzzer for the given seconds (default 600) on a corpus seeded
# with the sample drawings; crashing inputs land in fuzz/out/crashes/ and
# belong in tests/dxf/regressions/ once fixed. Usage: fuzz/run.sh [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/fuzz/out"
seconds="${1:-600}"
[ -x "$out/dxf_fuzzer" ] || bash "$here/fuzz/build.sh"
mkdir -p "$out/corpus" "$out/crashes" "$out/seeds"
# Seeds, read in place: the shared sample drawings, our own sample, the regressions.
[ -x "$here/build/bin/kdprops" ] && "$here/build/bin/kdprops" sample -o "$out/seeds/sample.dxf" || true
seeds=("$here/tests/dxf/regressions" "$out/seeds")
for d in "$here/../shared/dxf-samples/examples" "$here/../shared/dxf-samples/edge-cases"; do
  [ -d "$d" ] && seeds+=("$d")
done
"$out/dxf_fuzzer" "$out/corpus" "${seeds[@]}" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/crashes/" -print_final_stats=1
