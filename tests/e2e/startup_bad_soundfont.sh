#!/bin/bash
# A soundfont that is missing, empty, cut off halfway or no soundfont at all: the start-up check
# reports the open error (result 68 in the log), and after OK the program ends with status 0.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"

fonts=$SESSION_DIR/fonts
mkdir -p "$fonts"
: >"$fonts/empty.sf2"
echo "This is no soundfont." >"$fonts/text.sf2"
whole=/usr/share/sounds/sf2/FluidR3_GM.sf2
head -c $(($(stat -c %s "$whole") / 2)) "$whole" >"$fonts/half.sf2"

for kind in missing empty text half; do
  midi_log=$SESSION_DIR/midi-$kind.log
  VELUNKA_SOUNDFONT=$fonts/$kind.sf2 VELUNKA_MIDI_OUT=synth+record:$midi_log \
    "$program" >"$SESSION_DIR/velunka-$kind.out" 2>"$SESSION_DIR/velunka-$kind.err" &
  pid=$!
  session_track "$pid"
  box=$(session_wait_window "Velunka V0.8" 60) || e2e_fail "$kind: no message box"
  import -window root "$E2E_OUTPUT/open-error-$kind.png"
  session_keys "$box" Return || e2e_fail "$kind: cannot answer the message box"
  e2e_wait_exit "$pid" 20 "$kind: the open error was answered"
  ((E2E_STATUS == 0)) || e2e_fail "$kind: exit status $E2E_STATUS"
  first=$(e2e_midi_calls "$midi_log" | head -n 1)
  [[ $first == "open 0 68" ]] || e2e_fail "$kind: the log begins with '$first', not 'open 0 68'"
done
e2e_pass "missing, empty, text and half soundfonts: open error, clean end"
