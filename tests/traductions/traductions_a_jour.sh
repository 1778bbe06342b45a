#!/usr/bin/env bash
# Runs lupdate on a copy of each committed .ts file and fails when the copy changes (a text was
# added, changed or removed in the sources without "cmake --build BUILD --target
# update_translations") or when a text has no finished translation.
# Usage: traductions_a_jour.sh LUPDATE "TS_FILE;..." LUPDATE_ARGUMENTS_AND_SOURCES...
set -euo pipefail
lupdate=$1
IFS=';' read -r -a fichiers <<<"$2"
shift 2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echec=0
for ts in "${fichiers[@]}"; do
    copie="$travail/$(basename "$ts")"
    cp "$ts" "$copie"
    "$lupdate" -silent "$@" -ts "$copie"
    diff -u "$ts" "$copie" || { echo "$ts is not up to date with the sources"; echec=1; }
    if grep -n -B2 'type="unfinished"' "$copie"; then
        echo "$ts: texts above have no finished translation"
        echec=1
    fi
done
exit $echec
