#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the unpacked program with a
# scratch home folder, as a user of a system install would: the database must go to the user's
# data folder, a team added by keyboard must land there, and the exit question must end the
# program cleanly.   package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
if [ -z "${SIDELINES_UNDER_XVFB:-}" ]; then
    exec env SIDELINES_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
scratch="$(mktemp -d)"
pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "$*" >&2; exit 1; }

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null)
deb="$(echo "$scratch"/pkg/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6svg6 libsqlite3-0 qt6-qpa-plugins; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
dpkg-deb -x "$deb" "$scratch/root"

export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config"
export XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
data="$XDG_DATA_HOME/Sidelines/sidelines"

# Waits for a window by its exact title, gives it the keyboard and types the keys.
keys_to() {
    local title="$1" win
    shift
    win="$(timeout 90 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)" || fail "no window '$title'"
    xdotool windowfocus --sync "$win"
    xdotool "$@"
}

"$scratch/root/usr/bin/sidelines" &
pid=$!
# The tip of the day comes from the shared folder after the splash.
keys_to "Tip of the Day" key Escape
[ -f "$data/Rally2.db" ] || fail "no database in the user's data folder"
[ -f "$data/Sidelines.lock" ] || fail "no lock beside the database in use"
[ ! -e "$scratch/root/usr/bin/Rally2.db" ] || fail "a database was written beside the installed program"

keys_to "Sidelines 2.0" key alt+f t
keys_to "Team" type "Packaged Team"
xdotool key Return
sleep 1
keys_to "Sidelines 2.0" key alt+f x
keys_to "Exit" key alt+y
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -e "$data/Sidelines.lock" ] || fail "the lock was left behind"
[ "$(sqlite3 "$data/Rally2.db" "SELECT TEAMNAME FROM TEAM")" = "Packaged Team" ] || fail "the team was not saved"
echo "package ok"
