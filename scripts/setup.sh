#!/usr/bin/env bash
# Installs what Sidelines needs on Debian 12 when it is missing, then configures and builds.
#   scripts/setup.sh [BUILD_DIR] [extra cmake options...]
# With -DSIDELINES_TESTS=OFF only the program is built, and only what building it needs is
# installed; the tests (the default) also need the tools that check the installed package.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(g++ cmake ninja-build qt6-base-dev libqt6sql6-sqlite libsqlite3-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The club server: the program needs Qt's PostgreSQL driver and the key store library (its headers to
# build); the tests also need a PostgreSQL server of their own, openssl for its certificates, and a
# key ring in a D-Bus session of their own.
packages+=(libqt6sql6-psql qtkeychain-qt6-dev)
# The text encoding of a scout file that does not say what it is is found by uchardet (found by pkg-config).
packages+=(libuchardet-dev pkg-config)
tests=ON
for option in "$@"; do
    case "$option" in
        -DSIDELINES_TESTS=OFF | -DSIDELINES_TESTS:BOOL=OFF) tests=OFF ;;
        -DSIDELINES_BENCH=ON | -DSIDELINES_BENCH:BOOL=ON) packages+=(libbenchmark-dev postgresql openssl) ;;
    esac
done
if [ "$tests" = ON ]; then
    packages+=(xvfb xauth xdotool poppler-utils desktop-file-utils appstream dpkg-dev file sqlite3 man-db lintian)
    packages+=(postgresql openssl gnome-keyring libsecret-1-0 dbus)
    # What a blind user hears: the screen reader on an accessibility bus of the test's own. The
    # report page in a real browser, with an accessibility checker that runs in it (from npm).
    packages+=(orca at-spi2-core chromium nodejs)
    command -v npm >/dev/null || packages+=(npm)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

if [ "$tests" = ON ]; then
    # The checker the report page's test runs, as the lock file pins it, in the build tree.
    browser="$build/browser"
    if [ ! -f "$browser/node_modules/axe-core/axe.min.js" ] \
        || ! cmp -s "$here/tests/browser/package-lock.json" "$browser/package-lock.json"; then
        mkdir -p "$browser"
        cp "$here/tests/browser/package.json" "$here/tests/browser/package-lock.json" "$browser/"
        (cd "$browser" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
    fi
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j 2
