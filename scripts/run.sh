#!/usr/bin/env bash
# Sets up and builds the program alone (no test programs) and starts Sidelines on the database
# beside the executable (a fresh one is written there by the build when none exists).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Optimised without debugging information, the common headers read once: the build is what
# stands between a fresh clone and the main window.
"$here/scripts/setup.sh" "$here/build" -DSIDELINES_TESTS=OFF -DCMAKE_BUILD_TYPE=Release -DSIDELINES_PCH=ON
exec "$here/build/src/sidelines"
