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
exit $status
