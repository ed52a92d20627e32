#!/bin/bash
# Answers played on a MIDI keyboard in the real program: a test keyboard on a private JACK server
# (dummy driver), plugged in after start-up, plays a wrong note off the screen's keyboard and,
# plugged in again, the question's note held down for a while: NG, the key showing held while
# the note is down, OK and a changed score, as for clicks. With MIDI output to a log only.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
keys=${2:-}
e2e_require_program "$program" velunka
e2e_require_program "$keys" velunka-midi-keys
[[ -e /dev/snd/seq ]] && { echo "SKIP: this machine has an ALSA sequencer, which Velunka prefers"; exit 77; }

session_begin
session_start_display || e2e_fail "no display"
session_start_jack || e2e_fail "no JACK server"

midi_log=$SESSION_DIR/midi.log
e2e_start_velunka "$program" "record:$midi_log"
pid=$E2E_PID
main=$E2E_MAIN

e2e_click 255 190 75 25  # Start
sleep 2.3
note=$(e2e_last_note_on "$midi_log") || e2e_fail "no question note in the MIDI log"
e2e_shot answer-awaited
score_before=$(e2e_crop_hash 15 340 366 116)

"$keys" test-keys Velunka 200 100 2>>"$SESSION_DIR/keys.err" || e2e_fail "the keyboard was not connected"
e2e_shot wrong-note
e2e_pixel_is 391 281 "#FF0000" || e2e_fail "NG does not show after a wrong note"
sleep 2.0  # the question again

key=$((note - 12))
"$keys" test-keys Velunka 1500 "$note" 2>>"$SESSION_DIR/keys.err" &
player=$!
session_track "$player"
sleep 1.0
e2e_shot note-held
e2e_key_point "$key"
if ((key >= 24 && key <= 71)); then
  # A white key shows black while held, a black key white.
  e2e_pixel_is "$E2E_KEY_X" "$E2E_KEY_Y" "#000000" || e2e_pixel_is "$E2E_KEY_X" "$E2E_KEY_Y" "#FFFFFF" ||
    e2e_fail "key $key does not show held"
  held_color=$(e2e_pixel "$E2E_KEY_X" "$E2E_KEY_Y")
fi
session_wait_exit "$player" 20 || e2e_fail "the keyboard was not connected again"
sleep 0.3
e2e_shot answered
e2e_pixel_is 356 281 "#00FFFF" || e2e_fail "OK does not show after the right note"
[[ $(e2e_crop_hash 15 340 366 116) != "$score_before" ]] || e2e_fail "the score table did not change"
if [[ -n ${held_color:-} ]]; then
  [[ $(e2e_pixel "$E2E_KEY_X" "$E2E_KEY_Y") != "$held_color" ]] || e2e_fail "key $key still shows held after the note off"
fi

session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
[[ -s $SESSION_DIR/velunka.err ]] && e2e_fail "the program wrote to stderr"
e2e_pass "question note $note; a wrong note off the screen gave NG; the right note showed its key held, gave OK and changed the score"
