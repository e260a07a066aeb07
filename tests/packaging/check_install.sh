#!/bin/sh
# Installs the build into a scratch prefix and checks the desktop program's files are where
# desktop environments look for them, and that the entry starts the program in the documents
# folder.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zentiqua share/applications/app.zentiqua.Zentiqua.desktop \
    share/icons/hicolor/scalable/apps/zentiqua.svg share/metainfo/app.zentiqua.Zentiqua.metainfo.xml; do
    [ -f "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$prefix/bin/zentiqua" ]
grep -qx 'Exec=zentiqua --documents' "$prefix/share/applications/app.zentiqua.Zentiqua.desktop"
