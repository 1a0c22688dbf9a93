#!/usr/bin/env bash
# Sets everything up and starts Sidelines on the database beside the executable (a fresh one is
# written there by the build when none exists).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
exec "$here/build/src/sidelines"
