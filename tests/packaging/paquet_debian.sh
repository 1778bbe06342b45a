#!/usr/bin/env bash
# Builds the Debian package from the build folder, lists it, runs lintian on it (no error
# allowed) and unpacks it into a scratch root to check the tree the desktop and the installed
# program rely on, and the control fields.
# Usage: paquet_debian.sh <build folder> <project version>
set -euo pipefail
build=$1
version=$2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$travail" >"$travail/cpack.log" ||
    { cat "$travail/cpack.log"; exit 1; }
paquet="$travail/tavlo32_${version}_$(dpkg --print-architecture).deb"
[ -f "$paquet" ] || { echo "no package named $(basename "$paquet")"; ls "$travail"; exit 1; }

echo "== contents"
dpkg-deb -c "$paquet"
echo "== lintian"
lintian --fail-on error --display-info "$paquet"

racine="$travail/racine"
dpkg-deb -x "$paquet" "$racine"
echec=0
for f in \
    usr/games/tavlo32 \
    usr/lib/tavlo32/modules/libtavlo32_son.so \
    usr/share/tavlo32/aide/tavlo32.html \
    usr/share/tavlo32/aide/tavlo32_en.html \
    usr/share/applications/fr.tavlo32.Tavlo32.desktop \
    usr/share/metainfo/fr.tavlo32.Tavlo32.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/tavlo32.png \
    usr/share/icons/hicolor/48x48/apps/tavlo32.png \
    usr/share/icons/hicolor/64x64/apps/tavlo32.png \
    usr/share/icons/hicolor/128x128/apps/tavlo32.png \
    usr/share/icons/hicolor/256x256/apps/tavlo32.png \
    usr/share/doc/tavlo32/copyright \
    usr/share/doc/tavlo32/changelog.gz \
    usr/share/man/man6/tavlo32.6.gz \
    usr/share/man/fr/man6/tavlo32.6.gz; do
    [ -s "$racine/$f" ] || { echo "missing from the package: $f"; echec=1; }
done
[ -x "$racine/usr/games/tavlo32" ] || { echo "usr/games/tavlo32 is not executable"; echec=1; }
# The desktop entry starts the installed program by name and shows the installed icon.
for ligne in Exec=tavlo32 Icon=tavlo32; do
    grep -qx "$ligne" "$racine/usr/share/applications/fr.tavlo32.Tavlo32.desktop" ||
        { echo "the desktop entry lacks $ligne"; echec=1; }
done

# The version is the project's, in the control file and in the changelog; the dependencies
# were computed from the program and its sound module: Qt's widgets and multimedia libraries.
# Each field is read whole before it is searched: grep -q would stop reading early, and under
# pipefail the writer cut off by it would fail the test at random.
champ() { dpkg-deb -f "$paquet" "$1"; }
[ "$(champ Version)" = "$version" ] || { echo "Version: $(champ Version)"; echec=1; }
[[ $(zcat "$racine/usr/share/doc/tavlo32/changelog.gz") == "tavlo32 ($version) "* ]] ||
    { echo "the changelog's first entry is not $version"; echec=1; }
depends=$(champ Depends)
for bibliotheque in libqt6widgets6 libqt6multimedia6 libc6; do
    [[ $depends == *"$bibliotheque"* ]] || { echo "Depends lacks $bibliotheque"; echec=1; }
done
[[ $(champ Recommends) == *qt6-translations-l10n* ]] ||
    { echo "Recommends lacks Qt's translations"; echec=1; }
echo "== Depends: $depends"
# What broke: the description lost its one semicolon.
[[ $(champ Description) == *'like; the'* ]] || { echo "Description: $(champ Description)"; echec=1; }
exit $echec
