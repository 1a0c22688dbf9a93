#!/usr/bin/env bash
# Runs a test program in a D-Bus session of its own with the system's key store (gnome-keyring,
# reached through libsecret) unlocked on a key ring in a scratch folder, so that the real key store
# is used and nothing of the user's own is read or written.   with_keyring.sh PROGRAM [ARGS...]
set -euo pipefail
if [ -z "${SIDELINES_IN_SESSION:-}" ]; then
    exec env SIDELINES_IN_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 -p "$scratch/data" "$scratch/runtime"
# The key ring's files and the daemon's socket in the scratch folder.
export XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
printf 'sidelines' | gnome-keyring-daemon --unlock --components=secrets >/dev/null
"$@"
