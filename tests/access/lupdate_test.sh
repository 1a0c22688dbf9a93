#!/usr/bin/env bash
# Every text of the program is translated: lupdate, run over the sources into a copy of each
# translation file, must leave no text unfinished (a new text, or one whose source changed).
#   lupdate_test.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate="$1"
source="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$source"/resources/translations/*.ts; do
    name="$(basename "$ts")"
    cp "$ts" "$scratch/$name"
    "$lupdate" -no-ui-lines "$source/src" -ts "$scratch/$name" 2>&1 | sed 's/^/lupdate: /'
    unfinished="$(grep -c 'type="unfinished"' "$scratch/$name" || true)"
    if [ "$unfinished" -ne 0 ]; then
        echo "$name: $unfinished unfinished texts:"
        grep -B3 'type="unfinished"' "$scratch/$name" | grep '<source>' | head -40
        status=1
    else
        echo "$name: every text translated"
    fi
done
# A helper that passes its argument on to translate() hides every text it is called with from
# lupdate, so those texts would never be translated: a text given to such a helper as it stands
# must go through a tr() that lupdate reads instead (a class with Q_DECLARE_TR_FUNCTIONS).
hidden="$(perl -0777 -ne '
    while (/QString\s+(\w+)\s*\(\s*const char\s*\*\s*(\w+)\s*\)\s*\{\s*return\s+QCoreApplication::translate\(\s*"[^"]*"\s*,\s*\2\s*\)\s*;\s*\}/g) {
        print "$1\n" unless $1 eq "tr";
    }' $(find "$source/src" -name '*.cpp' -o -name '*.h') | sort -u)"
for helper in $hidden; do
    calls="$(grep -rnE "(^|[^[:alnum:]_.:>])$helper\(\s*\"" "$source/src" || true)"
    if [ -n "$calls" ]; then
        echo "texts hidden from lupdate behind $helper():"
        echo "$calls" | head -10
        status=1
    fi
done
exit $status
