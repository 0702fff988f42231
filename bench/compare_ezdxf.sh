#!/bin/bash
# Reading speed and peak memory of our reader against ezdxf on the same
# large generated drawing, in one run. Usage: bench/compare_ezdxf.sh [MB]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build-bench"
mb="${1:-64}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKD_BUILD_BENCH=ON -DKD_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target dxf_bench kdprops >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The drawing: written by ezdxf, so that both readers read another program's file.
/usr/bin/python3 - "$work/big.dxf" "$mb" <<'PY'
import sys, ezdxf
path, mb = sys.argv[1], int(sys.argv[2])
doc = ezdxf.new("R2018")
msp = doc.modelspace()
i = 0
while True:
    for _ in range(5000):
        x, y = i * 0.731, (i % 977) / 7.0
        msp.add_line((x, y, 0), (x + 1 / 3, y - 2.5, 0), dxfattribs={"color": i % 255 + 1})
        i += 1
    if i * 230 > mb * 1e6:
        break
doc.saveas(path)
PY
size=$(stat -c %s "$work/big.dxf")
echo "drawing: $((size / 1000000)) MB written by ezdxf"
KD_BENCH_DXF="$work/big.dxf" "$build/bin/dxf_bench" --benchmark_counters_tabular=true
# Reading alone: a palette request for a handle the drawing lacks reads it and stops.
read_only=$( { /usr/bin/time -f "%e %M" "$build/bin/kdprops" props "$work/big.dxf" --handle FFFFFFFF >/dev/null || true; } 2>&1 | tail -1)
ours=$( { /usr/bin/time -f "%e %M" "$build/bin/kdprops" save "$work/big.dxf" -o "$work/out.dxf"; } 2>&1 | tail -1)
theirs=$( { /usr/bin/time -f "%e %M" /usr/bin/python3 -c "import ezdxf,sys; ezdxf.readfile(sys.argv[1])" "$work/big.dxf"; } 2>&1 | tail -1)
read -r read_s read_kb <<<"$read_only"
read -r ours_s ours_kb <<<"$ours"
read -r theirs_s theirs_kb <<<"$theirs"
awk -v s="$size" -v rs="$read_s" -v rk="$read_kb" -v os="$ours_s" -v ok="$ours_kb" -v ts="$theirs_s" -v tk="$theirs_kb" 'BEGIN {
  printf "kdprops read only:           %.2f s, peak %.0f MB (%.2f x file, the program itself included)\n", rs, rk / 1024, rk * 1024 / s
  printf "kdprops save (read + write): %.2f s, peak %.0f MB (%.2f x file)\n", os, ok / 1024, ok * 1024 / s
  printf "ezdxf read only:             %.2f s, peak %.0f MB (%.2f x file)\n", ts, tk / 1024, tk * 1024 / s
  printf "speed ratio (ezdxf read time / our read + write time): %.1f\n", ts / os
}'
