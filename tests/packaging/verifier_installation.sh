#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree that the desktop and the
# installed program rely on.
set -euo pipefail
build=$1
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT

cmake --install "$build" --prefix "$prefixe" >/dev/null

manquants=0
for f in \
    bin/tavlo32 \
    share/tavlo32/aide/tavlo32.html \
    share/tavlo32/aide/tavlo32_en.html \
    share/man/man6/tavlo32.6.gz \
    share/man/fr/man6/tavlo32.6.gz \
    share/applications/fr.tavlo32.Tavlo32.desktop \
    share/metainfo/fr.tavlo32.Tavlo32.metainfo.xml \
    share/icons/hicolor/32x32/apps/tavlo32.png \
    share/icons/hicolor/48x48/apps/tavlo32.png \
    share/icons/hicolor/64x64/apps/tavlo32.png \
    share/icons/hicolor/128x128/apps/tavlo32.png \
    share/icons/hicolor/256x256/apps/tavlo32.png; do
    if [ ! -s "$prefixe/$f" ]; then
        echo "missing from the install: $f"
        manquants=1
    fi
done
[ -x "$prefixe/bin/tavlo32" ] || { echo "bin/tavlo32 is not executable"; manquants=1; }

# The desktop entry starts the installed program by name and shows the installed icon.
grep -qx 'Exec=tavlo32' "$prefixe/share/applications/fr.tavlo32.Tavlo32.desktop" || manquants=1
grep -qx 'Icon=tavlo32' "$prefixe/share/applications/fr.tavlo32.Tavlo32.desktop" || manquants=1
exit $manquants
