#!/bin/bash
# The real program with the synthesizer in a run of continuous single-note questions, each
# answered right as soon as it has sounded, for VELUNKA_E2E_PRACTICE_SECONDS (60 by default):
# its resident memory at the end is within 5 % of what it was after a third of the run (not
# under the sanitizer, whose quarantine grows by design), and the score counts every answer.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka
seconds=${VELUNKA_E2E_PRACTICE_SECONDS:-60}

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"

midi_log=$SESSION_DIR/midi.log
e2e_start_velunka "$program" "synth+record:$midi_log"
pid=$E2E_PID
main=$E2E_MAIN

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
# "N NOTE" once the N-th note-on of the log has ended (the answer is awaited), else nothing.
question_ended() {
  awk '$2 == "msg" && $4 == "90" { n++; on = $5; ended = 0 }
       $2 == "msg" && $4 == "80" && $5 == on { ended = 1 }
       END { if (ended) print n, on }' "$midi_log"
}

e2e_click 403 430 20 20  # 連続出題する
e2e_click 255 190 75 25  # Start
answered=0
heard=0
start=$SECONDS
rss_early=
while ((SECONDS - start < seconds)); do
  session_running "$pid" || e2e_fail "the program died after $answered answers"
  read -r number note <<<"$(question_ended)"
  if [[ -n ${number:-} ]] && ((number > heard)); then
    heard=$number
    e2e_click_key $((16#$note - 12))
    ((answered++))
  fi
  if [[ -z $rss_early ]] && ((SECONDS - start >= seconds / 3)); then rss_early=$(rss_kib); fi
  sleep 0.1
done
rss_end=$(rss_kib)
e2e_shot after-practice
e2e_click 450 190 75 25  # Stop
session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
((answered >= seconds / 3)) || e2e_fail "only $answered questions answered in $seconds s"
growth=$(awk -v a="$rss_early" -v b="$rss_end" 'BEGIN { printf "%.1f", 100 * (b - a) / a }')
if [[ -z ${VELUNKA_E2E_SANITIZED:-} ]]; then
  awk -v g="$growth" 'BEGIN { exit !(g <= 5) }' ||
    e2e_fail "resident memory grew by $growth % ($rss_early KiB to $rss_end KiB)"
fi
e2e_pass "$answered questions in $seconds s; resident memory $rss_early KiB after $((seconds / 3)) s, $rss_end KiB at the end ($growth %)"
