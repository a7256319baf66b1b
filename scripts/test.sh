#!/usr/bin/env bash
# Builds Ringlark with its tests (installing what is missing) and runs every test.
#   scripts/test.sh          the debug build
#   scripts/test.sh asan     the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
scripts/install-deps.sh test
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake --preset "$preset" -DRINGLARK_WERROR="$werror"
cmake --build --preset "$preset"
ctest --preset "$preset"
