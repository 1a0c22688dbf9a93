#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks the layout a desktop expects, with the
# desktop's own validators.   install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build="$1" id="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
cd "$scratch/usr"

expected="bin/sidelines
share/applications/$id.desktop
share/doc/sidelines/changelog.gz
share/doc/sidelines/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/sidelines.1.gz
share/metainfo/$id.metainfo.xml
share/sidelines/Rally2.db
share/sidelines/TIPOFDAY.TXT
share/sidelines/TIPOFDAY_de.TXT
share/sidelines/club/roles.sql
share/sidelines/club/schema.sql"
actual="$(find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
if [ "$actual" != "$expected" ]; then
    fail "installed files differ from the layout:
$actual"
fi

# Hints count too: a desktop entry without a main category ends up in a catch-all menu.
hints="$(desktop-file-validate "share/applications/$id.desktop" 2>&1)"
[ -z "$hints" ] || fail "$hints"
appstreamcli validate --no-net --strict "share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "share/applications/$id.desktop"
grep -q '<svg' "share/icons/hicolor/scalable/apps/$id.svg"
# The template is a database, written by the schema tool rather than copied from a working file.
[ "$(head -c 15 share/sidelines/Rally2.db)" = "SQLite format 3" ]
version="$(bin/sidelines --version | sed -n 's/^Sidelines \([0-9.]*\)$/\1/p')"
grep -q "<release version=\"$version\"" "share/metainfo/$id.metainfo.xml"
# The manual page renders without a complaint and names every option the program answers to.
page="$(MANWIDTH=80 man --warnings -l share/man/man1/sidelines.1.gz 2>&1 >/dev/null)"
[ -z "$page" ] || fail "the manual page: $page"
for option in $(bin/sidelines --help | grep -Eo -- '--[a-z-]+' | sort -u); do
    man -l share/man/man1/sidelines.1.gz 2>/dev/null | grep -q -- "$option" || fail "the manual page lacks $option"
done
man -l share/man/man1/sidelines.1.gz 2>/dev/null | grep -q "Sidelines $version" || fail "the manual page is not of $version"
# Each release has its changelog entry.
[ "$(zcat share/doc/sidelines/changelog.gz | head -n 1)" = "sidelines ($version) unstable; urgency=medium" ] \
    || fail "the changelog's first entry is not $version"
echo "install layout ok"
