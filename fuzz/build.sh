#!/bin/bash
# Builds the fuzz targets with clang, libFuzzer and sanitizers into
# fuzz/out/build: dxf_fuzzer (the reader and writer) and module_fuzzer (the
# module on every object of what reads). Usage: fuzz/build.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/fuzz/out"
mkdir -p "$out"
command -v clang++ >/dev/null || { apt-get update -q && apt-get install -y -q clang libclang-rt-dev; }
CC=clang CXX=clang++ cmake -S "$here" -B "$out/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKD_FUZZ=ON -DKD_SANITIZE=ON \
  -DKD_BUILD_TESTS=OFF >/dev/null
cmake --build "$out/build" -j2 --target dxf_fuzzer module_fuzzer modeler_fuzzer
echo "$out/build/bin/dxf_fuzzer $out/build/bin/module_fuzzer $out/build/bin/modeler_fuzzer"
