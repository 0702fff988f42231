#!/bin/bash
# Builds the DXF reader's fuzz target with clang's libFuzzer and sanitizers
# into fuzz/out/. Usage: fuzz/build.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/fuzz/out"
mkdir -p "$out"
command -v clang++ >/dev/null || { apt-get update -q && apt-get install -y -q clang libclang-rt-dev; }
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$here/sdk/include" "$here/fuzz/dxf_fuzzer.cpp" $(find "$here/sdk/src" -name '*.cpp') -ldl -o "$out/dxf_fuzzer"
echo "$out/dxf_fuzzer"
