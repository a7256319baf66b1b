#!/usr/bin/env bash
# Builds Ringlark (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/app/ringlark "$@"
