#!/bin/bash
# With no sound server (and no sound card) the synthesizer cannot play: the start-up check
# reports the open error in a message box and, after OK, the program ends with status 0.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka

app_title="Velunka V0.8"

session_begin
session_start_display || e2e_fail "no display"
session_without_sound_server

# Once with the default output, as a user starts it, and once with the log beside the
# synthesizer, which tells the open's result and so which message was shown.
midi_log=$SESSION_DIR/midi.log
for midi_out in "" "synth+record:$midi_log"; do
  case_name=${midi_out:-default}
  case_name=${case_name%%:*}
  if [[ -n $midi_out ]]; then export VELUNKA_MIDI_OUT=$midi_out; else unset VELUNKA_MIDI_OUT; fi
  "$program" >"$SESSION_DIR/velunka-$case_name.out" 2>"$SESSION_DIR/velunka-$case_name.err" &
  pid=$!
  session_track "$pid"

  box=$(session_wait_window "$app_title") || e2e_fail "$case_name: no message box titled '$app_title'"
  import -window root "$E2E_OUTPUT/open-error-$case_name.png"
  session_keys "$box" Return || e2e_fail "$case_name: cannot type into the message box"
  e2e_wait_exit "$pid" 20 "$case_name: the open error was answered"
  ((E2E_STATUS == 0)) || e2e_fail "$case_name: exit status $E2E_STATUS"
done

[[ -s $midi_log ]] || e2e_fail "no MIDI log written"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
calls=$(e2e_midi_calls "$midi_log") || e2e_fail "malformed MIDI log"
read -r call handle result <<<"$(head -n 1 <<<"$calls")"
[[ $call == open && $handle == 0 ]] || e2e_fail "log should begin with a failed open: $(head -n 1 <<<"$calls")"
# 4 (in use) has a message of its own; every other failure gives the open error.
[[ $result =~ ^[0-9]+$ ]] && ((result != 0 && result != 4)) || e2e_fail "open result $result is not an open error"
grep -q '^msg' <<<"$calls" && e2e_fail "a message was sent after the failed open"

e2e_pass "open error reported, program ended with status 0"
