#!/usr/bin/env bash
# Builds the Debian package of Ringlark (installing what is missing) and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/package
cd build/package
cpack -G DEB | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
