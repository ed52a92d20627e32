#!/bin/bash
# The settings dialogs of the real program, worked from the keyboard through the menu: Alt+S M,
# フルート, Enter; Alt+S Q, a note length of 1500, Enter. The next question's program change
# carries 74 (4A) and its note-off comes 1500 ms after its note-on in the MIDI log. Then a range
# of c4 to c4: every single-note question of a continuous run is middle C.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka

session_begin
session_start_display || e2e_fail "no display"

midi_log=$SESSION_DIR/midi.log
e2e_start_velunka "$program" "record:$midi_log"
pid=$E2E_PID
main=$E2E_MAIN

# Opens a settings dialog with Alt+S and LETTER, types KEYS into it and waits until it closed.
# The focus starts on Set, the first in the tab order.
work_dialog() {
  local letter=$1 title=$2 shot=$3 dialog
  shift 3
  session_keys "$main" alt+s "$letter" || e2e_fail "cannot type into the main window"
  dialog=$(session_wait_window "$title" 10) || e2e_fail "Alt+S $letter opens no '$title'"
  session_keys "$dialog" "$@" || e2e_fail "cannot type into '$title'"
  e2e_shot "$shot"
  session_keys "$dialog" Return || e2e_fail "cannot press Enter in '$title'"
  session_wait_window_gone "$title" 10 || e2e_fail "'$title' still open after Enter"
}

# Tab to the instrument list; End is the last instrument, nine up from there is フルート.
work_dialog m "Midi設定" midi-setting Tab End Up Up Up Up Up Up Up Up Up
# Tab twice to the note length; one step up from 1000.
work_dialog q "出題設定" question-setting Tab Tab Up
sleep 0.3
e2e_shot settings-applied

lines_before=$(wc -l <"$midi_log")
e2e_click 255 190 75 25  # Start
sleep 3
e2e_click 450 190 75 25  # Stop
sleep 0.5
question=$(tail -n +$((lines_before + 1)) "$midi_log")
program_change=$(awk '$2 == "msg" && $4 == "c0" { print $5; exit }' <<<"$question")
[[ $program_change == 4a ]] || e2e_fail "the question's program change carries '$program_change', not 4a"
note=$(awk '$2 == "msg" && $4 == "90" && $6 != "00" { print $5; exit }' <<<"$question")
[[ -n $note ]] || e2e_fail "no question note after Start"
length_ms=$(awk -v n="$note" '
  $2 == "msg" && $4 == "90" && $5 == n && $6 != "00" && on == "" { on = $1; next }
  on != "" && $2 == "msg" && ($4 == "80" || ($4 == "90" && $6 == "00")) && $5 == n {
    printf "%d", ($1 - on) * 1000; exit
  }' <<<"$question")
[[ -n $length_ms ]] || e2e_fail "no note-off for the question note $note"
((length_ms >= 1490 && length_ms <= 1800)) || e2e_fail "the question note sounded $length_ms ms, not 1500"

# Shift+Tab from Set reaches the highest note, then the lowest: both c4.
work_dialog q "出題設定" range-c4 shift+Tab ctrl+a c 4 shift+Tab ctrl+a c 4

e2e_click 411 429 97 17  # 連続出題する
lines_before=$(wc -l <"$midi_log")
e2e_click 255 190 75 25  # Start
for answer in 1 2 3; do
  sleep 3  # 800 ms to the question, 1500 ms of it
  e2e_click_key 48
done
sleep 1
e2e_shot range-c4-run
e2e_click 450 190 75 25  # Stop
sleep 0.5
notes=$(tail -n +$((lines_before + 1)) "$midi_log" |
  awk '$2 == "msg" && $4 == "90" && $6 != "00" { print $5 }' | sort | uniq -c)
count=$(awk '{ s += $1 } END { print s + 0 }' <<<"$notes")
((count >= 3)) || e2e_fail "only $count question notes in a continuous run with three right answers"
[[ $(awk '{ print $2 }' <<<"$notes") == 3c ]] || e2e_fail "notes other than middle C: $(paste -sd ' ' <<<"$notes")"

session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
e2e_pass "フルート (4a) and 1500 ms through the menu; $count questions from c4..c4 all middle C"
