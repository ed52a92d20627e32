#!/bin/bash
# `cmake --install` puts every file in its place under the build's own prefix and nothing
# outside it; the installed program then starts from there, shows its icon and opens the help
# file installed beside it.
# Usage: installed_program.sh OUTPUT_DIR BUILD_DIR PREFIX APP_ID
set -uo pipefail
source "$(dirname "$0")/common.sh"
build=${1:?build folder}
prefix=${2:?install prefix}
app_id=${3:?application id}

# The test installs for real: only into a prefix inside the build folder (scripts/ use build*/stage).
[[ $prefix == "$build"/* ]] || { echo "SKIP: prefix $prefix is outside the build folder"; exit 77; }

cmake --install "$build" >"$E2E_OUTPUT/install.log" 2>&1 || e2e_fail "cmake --install: $(tail -n 5 "$E2E_OUTPUT/install.log")"
manifest=$build/install_manifest.txt

expected=(
  bin/velunka
  share/velunka/VELUNKAHELP.HLP
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/icons/hicolor/scalable/apps/velunka.svg
  share/man/man1/velunka.1.gz
  share/doc/velunka/copyright
  share/doc/velunka/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x$size/apps/velunka.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$prefix/$file" "$manifest" || e2e_fail "not installed: $file"
  [[ -s $prefix/$file ]] || e2e_fail "installed but missing or empty: $prefix/$file"
done
outside=$(grep -vF "$prefix/" "$manifest")
[[ -z $outside ]] || e2e_fail "installed outside the prefix: $outside"

for size in 16 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/velunka.png
  dimensions=$(identify -format '%m %wx%h' "$png" 2>&1)
  [[ $dimensions == "PNG ${size}x$size" ]] || e2e_fail "$png: $dimensions"
done
[[ -x $prefix/bin/velunka ]] || e2e_fail "program not executable"
exec_line=$(grep '^Exec=' "$prefix/share/applications/$app_id.desktop")
[[ $exec_line == "Exec=$prefix/bin/velunka" ]] || e2e_fail "entry starts $exec_line"

session_begin
session_start_display || e2e_fail "no display"
e2e_run_installed_program "$prefix/bin/velunka" installed
e2e_pass "installed under $prefix: every file in place, icon on every window, help opens"
