#!/bin/bash
# scripts/package builds the Debian package, lintian passes it, its Depends lists the libraries
# shlibdeps found beside the soundfont and the Japanese font, and every file lies under /usr.
# Usage: package.sh SOURCE_DIR PACKAGE_BUILD_DIR
set -uo pipefail
source_dir=${1:?source folder}
dir=${2:?package build folder}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

deb=$("$source_dir/scripts/package" "$dir" | tail -n 1) || fail "scripts/package failed"
dpkg-deb --info "$deb" || fail "dpkg-deb --info $deb"

depends=$(dpkg-deb --field "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for package in fluid-soundfont-gm fonts-ipafont-gothic libfluidsynth3 libqt6widgets6 libqt6gui6 libc6; do
  grep -qxF "$package" <<<"$depends" || fail "Depends lacks $package: $(paste -sd ' ' <<<"$depends")"
done

contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '/$')
for file in usr/bin/velunka usr/share/velunka/VELUNKAHELP.HLP \
  usr/share/applications/org.example.velunka.Velunka.desktop \
  usr/share/metainfo/org.example.velunka.Velunka.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/velunka.svg usr/share/icons/hicolor/16x16/apps/velunka.png \
  usr/share/icons/hicolor/256x256/apps/velunka.png usr/share/man/man1/velunka.1.gz \
  usr/share/doc/velunka/copyright usr/share/doc/velunka/changelog.gz; do
  grep -qxF "./$file" <<<"$contents" || fail "package lacks /$file"
done
outside=$(grep -v '^\./usr/' <<<"$contents")
[[ -z $outside ]] || fail "files outside /usr: $outside"
echo "PASS: $deb"
