#!/bin/bash
# Installs what building and testing need on a fresh Debian machine (as root).
# Packages already present are left alone, so a warm machine starts at once.
set -euo pipefail
packages=(cmake make g++ python3 qtbase5-dev qttools5-dev-tools libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev python3-ezdxf)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
