#!/bin/sh
# Builds the Debian package from the build folder into a scratch folder and has lintian judge
# it: any error or warning fails. Information tags are printed for the reader. Also checks that
# the manual page names the package's version and every file the tools save.
set -eu
build=$1
source=$2
command -v lintian >/dev/null || { echo "lintian is not installed (scripts/install-deps lintian)"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zentiqua_*.deb)
# Every folder 0755, and the documents Debian asks for.
listing=$(dpkg-deb -c "$deb")
echo "$listing" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print "folder not 0755:", $0; bad = 1 } END { exit bad }'
for file in ./usr/share/doc/zentiqua/copyright ./usr/share/doc/zentiqua/changelog.gz \
    ./usr/share/man/man1/zentiqua.1.gz; do
    echo "$listing" | grep -q " $file\$" || { echo "missing: $file"; exit 1; }
done
manual=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/zentiqua.1.gz | gunzip)
version=$(dpkg-deb -f "$deb" Version)
echo "$manual" | grep -q "\"zentiqua $version\"" || { echo "the manual page is not of $version"; exit 1; }
for saved in $(grep -rhoE 'QStringLiteral\("[A-Za-z -]+\.(txt|dat)"\)' "$source/src" |
    sed -E 's/.*"([^"]+)".*/\1/' | tr ' ' '_' | sort -u); do
    echo "$manual" | tr ' ' '_' | grep -q "$saved" || { echo "the manual page misses $saved"; exit 1; }
done
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb"
echo "lintian: no error, no warning"
