#!/usr/bin/env bash
# Sets up and builds the program alone (no test programs) and starts Sidelines on the database
# beside the executable (a fresh one is written there by the build when none exists).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build" -DSIDELINES_TESTS=OFF
exec "$here/build/src/sidelines"
