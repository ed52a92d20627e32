#!/bin/bash
# The desktop entry and the AppStream metadata pass their validators (desktop-file-validate's
# hints and appstreamcli's pedantic notes are printed, not failed), name each other and the icon
# alike, and carry their Japanese texts, the content rating and the release.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
set -uo pipefail
desktop=${1:?desktop file}
metainfo=${2:?metainfo file}
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate exited non-zero"
[[ -n $report ]] && echo "$report"
grep -E ': (error|warning):' <<<"$report" >/dev/null && fail "desktop-file-validate reported errors or warnings"

report=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) || fail "appstreamcli validate exited non-zero"
echo "$report"
grep -E '^[EWI]:' <<<"$report" >/dev/null && fail "appstreamcli reported errors, warnings or infos"

id=$(basename "$metainfo" .metainfo.xml)
[[ $(basename "$desktop") == "$id.desktop" ]] || fail "desktop file is not named after the id $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metadata does not launch $id.desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "metadata does not name the entry's icon $icon"
for key in Name GenericName Comment Keywords; do
  grep -q "^$key\[ja\]=." "$desktop" || fail "desktop entry has no Japanese $key"
done

grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metadata has no OARS content rating"
grep -q '<release version=' "$metainfo" || fail "metadata has no release"
grep -q '<p xml:lang="ja">' "$metainfo" || fail "metadata has no Japanese description"
captions=$(grep -c '<caption>' "$metainfo")
((captions > 0)) && (($(grep -c '<caption xml:lang="ja">' "$metainfo") == captions)) ||
  fail "every screenshot needs an English and a Japanese caption"

((status == 0)) && echo "PASS: entry and metadata valid"
exit "$status"
