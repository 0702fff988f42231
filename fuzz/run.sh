#!/bin/bash
# Runs a fuzz target for the given seconds (default 600) on a corpus seeded
# with the sample drawings; crashing inputs land in fuzz/out/crashes/ and
# belong in tests/dxf/regressions/ once fixed.
# Usage: fuzz/run.sh [SECONDS] [dxf_fuzzer|module_fuzzer|modeler_fuzzer]
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
# Binary drawings: a few samples saved in binary, R12 (one-byte codes) and later.
if [ "$target" = dxf_fuzzer ] && [ -x "$here/build/bin/kdprops" ]; then
  for f in "$here/../shared/dxf-samples/examples/"{hatches_1,text,colors,3dface,Minimal_DXF_AC1006}.dxf; do
    [ -f "$f" ] && "$here/build/bin/kdprops" save "$f" -o "$out/seeds/bin-$(basename "$f")" --binary || true
  done
fi
# The modeller-data reader starts from the solids' and regions' data of the samples, as ezdxf reads it.
if [ "$target" = modeler_fuzzer ]; then
  seeds=("$out/seeds-modeler")
  mkdir -p "$out/seeds-modeler"
  /usr/bin/python3 - "$here/../shared/dxf-samples" "$out/seeds-modeler" <<'PY' || true
import glob, os, sys
import ezdxf
n = 0
for path in glob.glob(os.path.join(sys.argv[1], "**", "*.dxf"), recursive=True):
    try:
        doc = ezdxf.readfile(path)
    except Exception:
        continue
    for e in doc.modelspace():
        if e.dxftype() not in ("3DSOLID", "REGION", "BODY"):
            continue
        try:
            data = e.sab if e.has_binary_data else "\n".join(e.sat).encode()
        except Exception:
            continue
        if data:
            n += 1
            open(os.path.join(sys.argv[2], "seed%d" % n), "wb").write(data)
PY
fi
ASAN_OPTIONS=detect_leaks=1 "$out/build/bin/$target" "$out/corpus-$target" "${seeds[@]}" -max_total_time="$seconds" \
  -max_len=65536 -timeout=20 -rss_limit_mb=3072 -artifact_prefix="$out/crashes/" -print_final_stats=1
