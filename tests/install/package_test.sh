#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the unpacked program with a
# scratch home folder, as a user of a system install would: the database must go to the user's
# data folder, a point recorded by keyboard must land there, and the exit question must end the
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

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null 2>&1) \
    || fail "cpack failed"
deb="$(echo "$scratch"/pkg/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6svg6 libsqlite3-0 libqt6sql6-psql \
         libqt6keychain1; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
# What the package says of itself: who answers for it (a real address), a short line and a
# long description wrapped as Debian shows it, and nothing recommended that the program does not use
# (Qt's own translations it loads for the user's language).
maintainer="$(dpkg-deb -f "$deb" Maintainer)"
grep -Eq '^[^<>]+ <[^@<>]+@[^@<>]+\.[a-z]+>$' <<<"$maintainer" && ! grep -q '@localhost' <<<"$maintainer" \
    || fail "Maintainer is not a real address: $maintainer"
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n" ] \
    || fail "the package recommends $(dpkg-deb -f "$deb" Recommends)"
description="$(dpkg-deb -f "$deb" Description)"
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "the description has no long text: $description"
! awk 'length > 80' <<<"$description" | grep -q . || fail "description lines longer than 80 characters"
# Debian's own checker: errors fail the test, warnings are shown.
command -v lintian >/dev/null || fail "lintian is missing: run scripts/setup.sh"
findings="$(lintian --fail-on none --tag-display-limit 0 "$deb" 2>&1)" || fail "lintian did not run: $findings"
[ -z "$findings" ] || echo "$findings"
! grep -q '^E: ' <<<"$findings" || fail "lintian found errors"

dpkg-deb -x "$deb" "$scratch/root"

export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config"
export XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
data="$XDG_DATA_HOME/Sidelines/sidelines"

# Waits for a window by its exact title, gives it the keyboard and types the keys. The search is
# repeated rather than left to xdotool's own wait, which fails when a window closes under it.
keys_to() {
    local title="$1" win="" tries
    shift
    for tries in $(seq 300); do
        win="$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)" || true
        [ -z "$win" ] || ! xdotool windowfocus --sync "$win" 2>/dev/null || break
        win=""
        sleep 0.3
    done
    [ -n "$win" ] || fail "no window '$title'"
    xdotool "$@"
}

# Waits until no window of that title is shown any more.
gone() {
    local tries
    for tries in $(seq 300); do
        [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] || return 0
        sleep 0.3
    done
    fail "window '$1' stayed"
}

"$scratch/root/usr/bin/sidelines" &
pid=$!
# The tip of the day comes from the shared folder after the splash.
keys_to "Tip of the Day" key Escape
gone "Tip of the Day"
[ -f "$data/Rally2.db" ] || fail "no database in the user's data folder"
[ -f "$data/Sidelines.lock" ] || fail "no lock beside the database in use"
[ ! -e "$scratch/root/usr/bin/Rally2.db" ] || fail "a database was written beside the installed program"

# A roster to play with, written beside the running program as another tool would.
sqlite3 "$data/Rally2.db" "PRAGMA busy_timeout = 10000;
    INSERT INTO TEAM VALUES ('2026-01-01 10:00:00', 'Harbour'), ('2026-01-01 10:00:01', 'Hillside');
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 6)
    INSERT INTO PLAYER SELECT printf('2026-01-01 11:%02d:%02d', t, i), printf('2026-01-01 10:00:%02d', t),
                              printf('Player %d%d', t, i), t * 10 + i FROM n, (SELECT 0 AS t UNION SELECT 1);" >/dev/null

keys_to "Sidelines 2.0" key alt+f s
keys_to "Please Choose the Home Team" key Return
keys_to "Please Choose the Away Team" key Down Return
keys_to "Game Options" key Return
# Six starters a side: select six, Tab to ">", move them; seven Tabs on to the other team's list
# (past its libero's list).
six="space shift+Down shift+Down shift+Down shift+Down shift+Down Tab space"
keys_to "Starters" key $six Tab Tab Tab Tab Tab Tab Tab $six alt+g
keys_to "Game" key alt+h
score=""
for _ in $(seq 50); do
    score="$(sqlite3 "$data/Rally2.db" "PRAGMA busy_timeout = 10000; SELECT HOMESCORE || ':' || AWAYSCORE FROM GAME" | tail -n 1)"
    [ "$score" != "1:0" ] || break
    sleep 0.2
done
[ "$score" = "1:0" ] || fail "the point was not stored in the user's database (score '$score')"

keys_to "Game" key alt+n
keys_to "End Match" key alt+y
gone "Game"
keys_to "Sidelines 2.0" key alt+f x
keys_to "Exit" key alt+y
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ ! -e "$data/Sidelines.lock" ] || fail "the lock was left behind"
[ "$(sqlite3 "$data/Rally2.db" "SELECT (SELECT count(*) FROM TEAM) || ' ' || (SELECT count(*) FROM GAME)")" = "2 0" ] \
    || fail "the exit did not leave the roster and empty the match tables"
# The match went to the archive beside the database in use.
[ "$(sqlite3 "$data/Archive.db" "SELECT count(*) FROM GAME")" = "1" ] || fail "the match is not in $data/Archive.db"
echo "package ok"
