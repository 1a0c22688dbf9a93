#!/usr/bin/env bash
# Sets everything up, builds the program and every test program, and runs every test headless,
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build-test"
"$here/scripts/setup.sh" "$build" -DSIDELINES_TESTS=ON -DSIDELINES_SANITIZE=ON -DSIDELINES_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
