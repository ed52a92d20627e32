#!/bin/bash
# A single-note question in the real program, answered with the mouse: Start sounds the
# question (its recorded pitch is the note in the MIDI log); a wrong key shows NG and the
# question is heard again; the right key shows OK and the score table counts both answers;
# Stop ends the run with no note left sounding.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka
here=$(dirname "$0")

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"
session_keep_sink_running
session_wait_sink_settled 20 || e2e_fail "sink latency stays at $(session_sink_latency_usec) usec"

midi_log=$SESSION_DIR/midi.log
e2e_start_velunka "$program" "synth+record:$midi_log"
pid=$E2E_PID
main=$E2E_MAIN

# Records what the sink plays while COMMAND runs and for SECS after, into FILE.
record_while() {
  local file=$1 secs=$2
  shift 2
  parec -d nullsink.monitor --file-format=wav --format=s16le --rate=44100 --channels=1 "$file" \
    2>>"$SESSION_DIR/parec.err" &
  local recorder=$!
  session_track "$recorder"
  sleep 0.3
  "$@"
  sleep "$secs"
  kill -TERM "$recorder"
  session_wait_exit "$recorder" 10
}

# The pitch recorded in FILE is that of MIDI NOTE: within half a semitone, since yinfft reads a
# piano's stretched partials up to about 35 cents sharp.
check_pitch() {
  local file=$1 note=$2 what=$3
  cp "$file" "$E2E_OUTPUT/"
  aubiopitch -i "$file" -p yinfft >"$file.pitch" 2>>"$SESSION_DIR/aubiopitch.err" || e2e_fail "aubiopitch failed"
  local hz verdict
  hz=$(awk -v n="$note" 'BEGIN { printf "%.3f", 440 * 2 ^ ((n - 69) / 12) }')
  verdict=$(/usr/bin/python3 "$here/median_pitch.py" "$file" "$file.pitch" "$hz" 50) ||
    e2e_fail "$what: note $note, $verdict"
  echo "$what: note $note, $verdict"
}

record_while "$SESSION_DIR/question.wav" 2.3 e2e_click 255 190 75 25  # Start
note=$(e2e_last_note_on "$midi_log") || e2e_fail "no question note in the MIDI log"
check_pitch "$SESSION_DIR/question.wav" "$note" "question"
e2e_shot answer-awaited
score_before=$(e2e_crop_hash 15 340 366 116)

key=$((note - 12))
wrong=$((key >= 48 ? key - 5 : key + 5))
click_wrong_key() {
  e2e_click_key "$wrong"
  sleep 0.2
  e2e_shot wrong-key
  e2e_pixel_is 391 281 "#FF0000" || e2e_fail "NG does not show after a wrong key"
}
record_while "$SESSION_DIR/replay.wav" 2.0 click_wrong_key
note_ons=$(awk '$2 == "msg" && $4 == "90" && $6 != "00"' "$midi_log" | wc -l)
((note_ons == 2)) || e2e_fail "the question was not played again after NG ($note_ons note-ons)"
check_pitch "$SESSION_DIR/replay.wav" "$note" "replay after NG"

e2e_click_key "$key"
sleep 0.5
e2e_shot answered
e2e_pixel_is 356 281 "#00FFFF" || e2e_fail "OK does not show after the right key"
[[ $(e2e_crop_hash 15 340 366 116) != "$score_before" ]] || e2e_fail "the score table did not change"

e2e_click 450 190 75 25  # Stop
sleep 0.5
session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
left=$(e2e_notes_left_sounding "$midi_log")
[[ -z $left ]] || e2e_fail "notes left sounding: $left"
e2e_pass "question heard as note $note, NG and replay, OK, score changed, nothing left sounding"
